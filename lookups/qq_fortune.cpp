// SPDX-License-Identifier: MIT
#include "lookups/qq_fortune.h"

#include "core/charset.h"
#include "core/extract.h"

namespace qirvo {
namespace {

struct Texts {
  Text empty = Gbk("错误,请输入QQ帐号！");
  Text tooShort = Gbk("错误,帐号不能少于5字数！");
  Text tooLong = Gbk("错误,帐号不能大于11字数！");
  Text retry = Gbk("错误,请重新查询！");
  Text bang = Gbk("！\r\n\r\n");
};

const Texts& T() { return Once<Texts>(); }

}  // namespace

Text LookupQqFortune(const Text& number, Network& net, const Services& services) {
  const Texts& t = T();
  if (number.empty()) return t.empty;
  if (Length(number) < 5) return t.tooShort;
  if (Length(number) > 11) return t.tooLong;

  const Text page = FetchText(net, QueryUrl(services.fortune, "/msn.asp?qq=", number));
  // Nothing fetched is a failed query; a page without the markers still gets the frame.
  if (page.empty()) return t.retry;
  const Text verdict = ExtractBetween(page, "<p><span class=\"bred\">", "</span><span class=\"bblue\">");
  const Text rating = ExtractBetween(page, "]</span><span class=\"bblue\">", "</span></p>");
  // The explanation is the paragraph right after the line where the rating closes its own.
  const Text marker = Concat("<span class=\"bblue\">", rating, "</span></p>\r\n<p>");
  const Text explanation = ExtractBetween(page, marker, "</p>");
  return Concat(verdict, " ", rating, t.bang, explanation);
}

}  // namespace qirvo
