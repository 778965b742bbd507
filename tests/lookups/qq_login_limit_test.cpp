// SPDX-License-Identifier: MIT
#include "lookups/qq_login_limit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>

#include "core/charset.h"
#include "tests/support/by_name.h"
#include "tests/support/loopback.h"

namespace qirvo {
namespace {

// UTF-8 pages by account, as the security centre sends them; others get an empty body.
const std::map<std::string, std::string>& Pages() {
  static const std::map<std::string, std::string> pages = {
      {"10001", "<html><p>您的QQ可以正常登录</p></html>"},
      {"10002", "<html><p>请输入不能登录的帐号</p></html>"},
      {"10003", "<html><p>请输入不能登录的帐号</p><p>您的QQ可以正常登录</p></html>"},
      {"10004", "<html><p>该帐号已被限制登录</p></html>"},
      {"10005", "<html><p>您的QQ可以正常登录</p><footer>© 1998-2014 Tencent</footer></html>"},
      {"10006", "<html><p>您的QQ可以正常登录</p>\xFF</html>"},
      {"10007", "<html><p>请输入不能登录的帐号</p><footer>©</footer></html>"},
  };
  return pages;
}

class QqLoginLimit : public testing::Test {
 protected:
  QqLoginLimit()
      : server_([this](httplib::Server& s) {
          s.Get("/", [](const auto&, auto& res) { res.set_content("home", "text/html"); });
          s.Get("/cn2/login_limit/limit_detail_v2",
                [this](const httplib::Request& req, httplib::Response& res) {
                  ++requests_;
                  const auto it = Pages().find(req.get_param_value("account"));
                  if (it != Pages().end()) res.set_content(it->second, "text/html; charset=utf-8");
                });
        }),
        services_(Services::At(server_.Base())),
        net_(services_.probe) {}

  std::string Check(std::string_view account) {
    return GbkToUtf8(CheckQqLoginLimit(Utf8ToGbk(account), net_, services_));
  }

  std::atomic<int> requests_ = 0;
  test::HttpServer server_;
  Services services_;
  CurlNetwork net_;
};

struct LimitCase {
  const char* name;
  std::string account;
  std::string expected;
};

class LimitTable : public QqLoginLimit, public testing::WithParamInterface<LimitCase> {};

TEST_P(LimitTable, GivesTheVerdictOrTheMessage) {
  EXPECT_EQ(Check(GetParam().account), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LimitTable,
    testing::Values(LimitCase{"CanLogIn", "10001", "查询完毕,你的QQ可以正常登录！"},
                    LimitCase{"NoSuchAccount", "10002", "错误,你输入的QQ号不存在！"},
                    LimitCase{"BothPhrasesFirstWins", "10003", "查询完毕,你的QQ可以正常登录！"},
                    LimitCase{"NeitherPhraseIsBarred", "10004", "查询完毕,你的QQ号不能正常登录！"},
                    LimitCase{"CharacterOutsideGb2312", "10005", "查询完毕,你的QQ可以正常登录！"},
                    LimitCase{"OutsideGb2312SecondPhrase", "10007", "错误,你输入的QQ号不存在！"},
                    LimitCase{"InvalidUtf8", "10006", "错误,请重新查询！"},
                    LimitCase{"EmptyPage", "10008", "错误,请重新查询！"}),
    test::ByName());

TEST_F(QqLoginLimit, EmptyInputMakesNoRequestAtAll) {
  test::RawServer probe([](int, const std::string&) {});
  Services watched = services_;
  watched.probe = probe.Base() + "/";
  CurlNetwork net(watched.probe);
  EXPECT_EQ(GbkToUtf8(CheckQqLoginLimit("", net, watched)), "请输入QQ帐号！");
  EXPECT_TRUE(probe.Requests().empty());
  EXPECT_EQ(requests_, 0);
}

TEST_F(QqLoginLimit, OfflineGivesTheNetworkMessage) {
  Services offline = services_;
  offline.probe = "http://192.0.2.1/";
  CurlNetwork net(offline.probe, {}, [] { return false; });
  EXPECT_EQ(GbkToUtf8(CheckQqLoginLimit("10001", net, offline)), "错误,请检查你的网络设置！");
  EXPECT_EQ(requests_, 0);
}

}  // namespace
}  // namespace qirvo
