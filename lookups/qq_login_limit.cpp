// SPDX-License-Identifier: MIT
#include "lookups/qq_login_limit.h"

#include "core/charset.h"

namespace qirvo {
namespace {

struct Texts {
  Text empty = Gbk("请输入QQ帐号！");
  Text offline = Gbk("错误,请检查你的网络设置！");
  Text retry = Gbk("错误,请重新查询！");
  Text canLogIn = Gbk("您的QQ可以正常登录");
  Text askAgain = Gbk("请输入不能登录的帐号");
  Text canLogInMessage = Gbk("查询完毕,你的QQ可以正常登录！");
  Text noSuchAccount = Gbk("错误,你输入的QQ号不存在！");
  Text barred = Gbk("查询完毕,你的QQ号不能正常登录！");
};

const Texts& T() { return Once<Texts>(); }

}  // namespace

Text CheckQqLoginLimit(const Text& account, Network& net, const Services& services) {
  const Texts& t = T();
  if (account.empty()) return t.empty;
  if (!net.IsOnline()) return t.offline;
  const Text page = FetchText(
      net, QueryUrl(services.loginLimit, "/cn2/login_limit/limit_detail_v2?account=", account));
  if (page.empty()) return t.retry;
  // GB18030 holds every character and writes the GB2312 ones with GB2312's bytes, so a
  // stray "©" in a footer cannot hide the phrases and turn into a false "barred".
  const Text converted = BytesToText(ConvertCharset(page, "UTF-8", "GB18030"));
  if (converted.empty()) return t.retry;
  if (Find(converted, t.canLogIn, false) != -1) return t.canLogInMessage;
  if (Find(converted, t.askAgain, false) != -1) return t.noSuchAccount;
  return t.barred;
}

}  // namespace qirvo
