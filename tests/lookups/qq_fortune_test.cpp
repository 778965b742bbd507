// SPDX-License-Identifier: MIT
#include "lookups/qq_fortune.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>

#include "core/charset.h"
#include "tests/support/by_name.h"
#include "tests/support/loopback.h"

namespace qirvo {
namespace {

const std::string kReading =
    "<html><body>\r\n<p><span class=\"bred\">数理：[吉]</span><span class=\"bblue\">富贵荣华"
    "</span></p>\r\n<p>此数大吉，万事如意。</p>\r\n</body></html>";

// The rating first stands in a span whose paragraph is followed by a bare LF: the marker
// built from it must skip that place.
const std::string kDecoyFirst =
    "<div><span class=\"bblue\">富贵荣华</span></p>\n<p>诱饵</p></div>\r\n" + kReading;

// Pages by number, in UTF-8 here and GBK on the wire; numbers without one get an empty body.
const std::map<std::string, std::string>& Pages() {
  static const std::map<std::string, std::string> pages = {
      {"12345", kReading},          {"12345678901", kReading}, {"你好a", kReading},
      {"你好你好你a", kReading},    {"55555", kDecoyFirst},    {"66666", "<html>维护中</html>"},
      {"abcde", kReading},
  };
  return pages;
}

// A verdict ending in a character whose second byte is "]" (GBK B0 5D): the rating marker
// must not start inside it.
Text TrailBracketPage() {
  return Gbk("<p><span class=\"bred\">数理：") + "\xB0\x5D" +
         "</span><span class=\"bblue\">" + Gbk("平</span></p>\r\n<p>说明</p>");
}

class QqFortune : public testing::Test {
 protected:
  QqFortune()
      : server_([this](httplib::Server& s) {
          s.Get("/msn.asp", [this](const httplib::Request& req, httplib::Response& res) {
            ++requests_;
            const std::string qq = req.get_param_value("qq");
            if (qq == "77777") return res.set_content(TrailBracketPage(), "text/html");
            const auto it = Pages().find(GbkToUtf8(qq));
            if (it != Pages().end()) res.set_content(Gbk(it->second), "text/html");
          });
        }),
        services_(Services::At(server_.Base())),
        // The fortune lookup makes no online check: a probe that fails everything shows it.
        net_("http://127.0.0.1:1/") {}

  std::string Lookup(std::string_view number) {
    return GbkToUtf8(LookupQqFortune(Utf8ToGbk(number), net_, services_));
  }

  std::atomic<int> requests_ = 0;
  test::HttpServer server_;
  Services services_;
  CurlNetwork net_;
};

struct FortuneCase {
  const char* name;
  std::string number;
  std::string expected;
};

class FortuneTable : public QqFortune, public testing::WithParamInterface<FortuneCase> {};

TEST_P(FortuneTable, WritesTheReadingOrTheMessage) {
  EXPECT_EQ(Lookup(GetParam().number), GetParam().expected);
}

const std::string kResult = "数理：[吉] 富贵荣华！\r\n\r\n此数大吉，万事如意。";

INSTANTIATE_TEST_SUITE_P(
    Cases, FortuneTable,
    testing::Values(
        FortuneCase{"Empty", "", "错误,请输入QQ帐号！"},
        FortuneCase{"FourBytes", "1234", "错误,帐号不能少于5字数！"},
        FortuneCase{"FiveBytes", "12345", kResult},
        FortuneCase{"ElevenBytes", "12345678901", kResult},
        FortuneCase{"TwelveBytes", "123456789012", "错误,帐号不能大于11字数！"},
        FortuneCase{"TwoChineseAreFourBytes", "你好", "错误,帐号不能少于5字数！"},
        FortuneCase{"TwoChinesePlusOneIsFive", "你好a", kResult},
        FortuneCase{"ElevenWithChinese", "你好你好你a", kResult},
        FortuneCase{"TwelveWithChinese", "你好你好你好", "错误,帐号不能大于11字数！"},
        FortuneCase{"LettersPassTheChecks", "abcde", kResult},
        FortuneCase{"DecoyBeforeTheReading", "55555", kResult},
        FortuneCase{"PageWithoutMarkers", "66666", " ！\r\n\r\n"},
        FortuneCase{"TrailByteBracket", "77777", "数理：癩 ！\r\n\r\n"},
        FortuneCase{"NothingFetched", "88888", "错误,请重新查询！"}),
    test::ByName());

TEST_F(QqFortune, MessagesForLengthMakeNoRequest) {
  Lookup("");
  Lookup("1234");
  Lookup("123456789012");
  EXPECT_EQ(requests_, 0);
}

TEST_F(QqFortune, UnreachableServiceIsAFailedQuery) {
  Services down = services_;
  down.fortune = "http://127.0.0.1:1";
  EXPECT_EQ(GbkToUtf8(LookupQqFortune("12345", net_, down)), "错误,请重新查询！");
}

}  // namespace
}  // namespace qirvo
