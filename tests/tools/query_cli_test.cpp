// SPDX-License-Identifier: MIT
#include "tools/query_cli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/by_name.h"

#include <cstdio>
#include <sstream>

#include "core/charset.h"
#include "tests/support/loopback.h"

namespace qirvo {
namespace {

using testing::HasSubstr;
using testing::StartsWith;

class QueryCli : public testing::Test {
 protected:
  QueryCli()
      : server_([this](httplib::Server& s) {
          s.Get("/", [](const auto&, auto& res) { res.set_content("home", "text/html"); });
          s.Get("/today.asp", [this](const httplib::Request& req, httplib::Response& res) {
            asked_ = req.target;
            res.set_content(Gbk("<p>所查IP地址是：<span class=\"bred\">93.184.216.34</span>，&nbsp;"
                                "属于：<span class=\"bred\">美国</span></p>"),
                            "text/html");
          });
          s.Get("/msn.asp", [](const auto&, auto& res) {
            res.set_content(Gbk("<p><span class=\"bred\">[吉]</span><span class=\"bblue\">顺"
                                "</span></p>\r\n<p>好。</p>"),
                            "text/html");
          });
          s.Get("/rjxx/qrvrjxx.txt", [](const auto&, auto& res) {
            res.set_content(Gbk("软件（1.1）版本"), "text/plain");
          });
          s.Get("/cn2/login_limit/limit_detail_v2", [](const auto&, auto& res) {
            res.set_content("<p>您的QQ可以正常登录</p>", "text/html");
          });
        }) {}

  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return RunQueryCli(args, out_, err_);
  }

  std::string asked_;
  test::HttpServer server_;
  std::ostringstream out_, err_;
};

TEST_F(QueryCli, PrintsTheWindowsTextInUtf8) {
  EXPECT_EQ(Run({"--services", server_.Base(), "domain", "example.com"}), 0);
  EXPECT_EQ(out_.str(), "所查域名：example.com\r\n\r\n所查IP：93.184.216.34\r\n\r\n地理位置：美国\n");
  EXPECT_EQ(Run({"--services=" + server_.Base() + "/", "ip", "8.8.8.8"}), 0);
  EXPECT_EQ(out_.str(), "所查IP：8.8.8.8\r\n\r\n地理位置：美国\n");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(QueryCli, RunsTheQqLookups) {
  EXPECT_EQ(Run({"--services", server_.Base(), "fortune", "12345"}), 0);
  EXPECT_EQ(out_.str(), "[吉] 顺！\r\n\r\n好。\n");
  EXPECT_EQ(Run({"--services", server_.Base(), "freeze", "10001"}), 0);
  EXPECT_EQ(out_.str(), "查询完毕,你的QQ可以正常登录！\n");
  EXPECT_EQ(Run({"--services", server_.Base(), "fortune", "-1"}), 0);
  EXPECT_EQ(out_.str(), "错误,帐号不能少于5字数！\n");
  EXPECT_EQ(Run({"--services", server_.Base(), "freeze"}), 0);
  EXPECT_EQ(out_.str(), "请输入QQ帐号！\n");
}

TEST_F(QueryCli, VersionPrintsTheStatusLine) {
  EXPECT_EQ(Run({"--services", server_.Base(), "version"}), 0);
  EXPECT_EQ(out_.str(), "VEXA丶Qirvo - 官方网址:" + server_.Base() +
                            " - 更新时间:2014-2-16 - 目前版本:1.0 - 最新版本:1.1 - "
                            "目前不是最新版本,请到官网下载！\n");
  EXPECT_EQ(Run({"version", "extra"}), 2);
}

TEST_F(QueryCli, MissingInputIsTheEmptyInput) {
  EXPECT_EQ(Run({"--services", server_.Base(), "domain"}), 0);
  EXPECT_EQ(out_.str(), "请输入网站域名地址！\n");
  EXPECT_EQ(Run({"--services", server_.Base(), "ip", ""}), 0);
  EXPECT_EQ(out_.str(), "错误,请输入IP地址！\n");
}

TEST_F(QueryCli, SendsInputAsGbkWithUnknownCharactersAsQuestionMarks) {
  EXPECT_EQ(Run({"--services", server_.Base(), "ip", "你好\xF0\x9F\x98\x80"}), 0);
  EXPECT_EQ(asked_, "/today.asp?ip=%C4%E3%BA%C3?");
  EXPECT_EQ(out_.str(), "所查IP：你好?\r\n\r\n地理位置：美国\n");
}

TEST_F(QueryCli, ArgumentsCannotReshapeTheRequest) {
  EXPECT_EQ(Run({"--services", server_.Base(), "ip", "1&ip=2#x\r\n\x01 %41"}), 0);
  EXPECT_EQ(asked_, "/today.asp?ip=1%26ip=2%23x%0D%0A%01%20%41");
  EXPECT_EQ(out_.str(), "所查IP：1&ip=2#x\r\n\x01 %41\r\n\r\n地理位置：美国\n");
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  std::string complaint;
};

class UsageErrors : public QueryCli, public testing::WithParamInterface<UsageCase> {};

TEST_P(UsageErrors, SayWhatIsWrongThenTheUsage) {
  EXPECT_EQ(Run(GetParam().args), 2);
  EXPECT_THAT(err_.str(), StartsWith("qirvo-query: " + GetParam().complaint + "\nusage: "));
  EXPECT_EQ(out_.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageErrors,
    testing::Values(UsageCase{"NoCommand", {}, "no command given"},
                    UsageCase{"UnknownCommand", {"weather"}, "unknown command 'weather'"},
                    UsageCase{"UnknownOption", {"--verbose", "ip"}, "unknown option '--verbose'"},
                    UsageCase{"ServicesWithoutUrl", {"--services"}, "--services needs a URL"},
                    UsageCase{"EmptyServices", {"--services=", "ip"}, "--services needs a URL"},
                    UsageCase{"TooMany", {"ip", "1.2.3.4", "5.6.7.8"}, "too many arguments"}),
    test::ByName());

TEST_F(QueryCli, HelpPrintsTheUsageAndSucceeds) {
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_THAT(out_.str(), StartsWith("usage: qirvo-query [--services URL] COMMAND [INPUT]\n"));
  EXPECT_THAT(out_.str(), HasSubstr("  domain [NAME]"));
  EXPECT_THAT(out_.str(), HasSubstr("  ip [ADDRESS]"));
  EXPECT_THAT(out_.str(), HasSubstr("  fortune [NUMBER]"));
  EXPECT_THAT(out_.str(), HasSubstr("  freeze [ACCOUNT]"));
}

TEST_F(QueryCli, TheProgramPrintsAndExitsLikeTheFunction) {
  const std::string command =
      std::string(QIRVO_QUERY_BINARY) + " --services " + server_.Base() + " domain example.com";
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string printed;
  char buf[256];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) printed.append(buf, n);
  EXPECT_EQ(::pclose(pipe), 0);
  EXPECT_EQ(printed, "所查域名：example.com\r\n\r\n所查IP：93.184.216.34\r\n\r\n地理位置：美国\n");
}

}  // namespace
}  // namespace qirvo
