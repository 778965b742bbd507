// SPDX-License-Identifier: MIT
#include "lookups/ip_query.h"

#include <gtest/gtest.h>

#include "tests/support/by_name.h"

#include <atomic>
#include <map>

#include "core/charset.h"
#include "tests/support/loopback.h"

namespace qirvo {
namespace {

using namespace std::chrono_literals;

std::string LocationPage(std::string_view ip, std::string_view location) {
  return "<html><body><h1>IP查询</h1>\r\n<p>您所查IP地址是：<span class=\"bred\">" +
         std::string(ip) + "</span>，&nbsp;属于：<span class=\"bred\">" + std::string(location) +
         "</span></p>\r\n</body></html>";
}

// What the IP-location service answers, by the `ip` it is asked about (UTF-8 here, GBK on
// the wire). An input without an entry gets an empty body.
const std::map<std::string, std::string>& Pages() {
  static const std::map<std::string, std::string> pages = {
      {"example.com", LocationPage("93.184.216.34", "美国 加利福尼亚州 洛杉矶")},
      {"例子.cn", LocationPage("1.2.3.4", "中国 北京市")},
      {"1.2.3.4", LocationPage("1.2.3.4", "中国 北京市")},
      {"1.2.3.4 x", LocationPage("1.2.3.4", "中国 北京市")},
      {"10.0.0.1", LocationPage("10.0.0.1", "()")},
      {"nowhere.test", LocationPage("该地址无法解析为Ip", "")},
      {"both.test", "<h1>无效的域名</h1>无效的IP地址" + LocationPage("该地址无法解析为Ip", "")},
      {"errorpage.test", "<h1>无效的域名</h1>无效的IP地址" + LocationPage("5.6.7.8", "某地")},
      {"nomarkers.test", "<html><body>维护中</body></html>"},
      {"noplace.test", "所查IP地址是：<span class=\"bred\">5.6.7.8</span>，&nbsp;属于：<span "
                       "class=\"bred\">"},
      {"UPPER.test", "<P>所查IP地址是：<SPAN CLASS=\"BRED\">9.9.9.9</SPAN>，&NBSP;属于：<SPAN "
                     "CLASS=\"BRED\">某处</SPAN></P>"},
  };
  return pages;
}

class IpQuery : public testing::Test {
 protected:
  IpQuery()
      : server_([this](httplib::Server& s) {
          s.Get("/", [](const auto&, auto& res) { res.set_content("home", "text/html"); });
          s.Get("/today.asp", [this](const httplib::Request& req, httplib::Response& res) {
            ++pageRequests_;
            const auto it = Pages().find(GbkToUtf8(req.get_param_value("ip")));
            if (it != Pages().end()) res.set_content(Gbk(it->second), "text/html");
          });
        }),
        services_(Services::At(server_.Base())),
        net_(services_.probe) {}

  std::string Domain(std::string_view input) {
    return GbkToUtf8(LookupDomain(Utf8ToGbk(input), net_, services_));
  }
  std::string Ip(std::string_view input) {
    return GbkToUtf8(LookupIp(Utf8ToGbk(input), net_, services_));
  }

  std::atomic<int> pageRequests_ = 0;
  test::HttpServer server_;
  Services services_;
  CurlNetwork net_;
};

struct LookupCase {
  const char* name;
  std::string input;
  std::string expected;
};

class DomainTable : public IpQuery, public testing::WithParamInterface<LookupCase> {};

TEST_P(DomainTable, WritesTheResultOrTheMessage) {
  EXPECT_EQ(Domain(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DomainTable,
    testing::Values(
        LookupCase{"ThreeLines", "example.com",
                   "所查域名：example.com\r\n\r\n所查IP：93.184.216.34\r\n\r\n"
                   "地理位置：美国 加利福尼亚州 洛杉矶"},
        LookupCase{"ChineseName", "例子.cn",
                   "所查域名：例子.cn\r\n\r\n所查IP：1.2.3.4\r\n\r\n地理位置：中国 北京市"},
        LookupCase{"MarkersInCapitals", "UPPER.test",
                   "所查域名：UPPER.test\r\n\r\n所查IP：9.9.9.9\r\n\r\n地理位置：某处"},
        LookupCase{"EmptyLocationIsNoError", "noplace.test",
                   "所查域名：noplace.test\r\n\r\n所查IP：5.6.7.8\r\n\r\n地理位置："},
        LookupCase{"AddressEchoed", "1.2.3.4", "错误,无效的域名无效的IP地址！"},
        LookupCase{"NoIpInPage", "nomarkers.test", "错误,无效的域名无效的IP地址！"},
        LookupCase{"ErrorPage", "errorpage.test", "错误,无效的域名无效的IP地址！"},
        LookupCase{"Unresolvable", "nowhere.test", "错误,该地址无法解析为Ip！"},
        LookupCase{"ErrorPageBeatsUnresolvable", "both.test", "错误,无效的域名无效的IP地址！"},
        LookupCase{"NothingFetched", "unknown.test", "错误,无效的域名无效的IP地址！"}),
    test::ByName());

class IpTable : public IpQuery, public testing::WithParamInterface<LookupCase> {};

TEST_P(IpTable, WritesTheResultOrTheMessage) {
  EXPECT_EQ(Ip(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IpTable,
    testing::Values(
        LookupCase{"Location", "1.2.3.4", "所查IP：1.2.3.4\r\n\r\n地理位置：中国 北京市"},
        LookupCase{"InvalidAddress", "10.0.0.1", "错误,无效的IP地址！"},
        LookupCase{"PageWithoutMarkers", "nomarkers.test", "所查IP：nomarkers.test\r\n\r\n地理位置："},
        LookupCase{"NothingFetched", "unknown.test", "错误,请重新查询！"}),
    test::ByName());

TEST_F(IpQuery, EmptyInputAsksForOneWithoutTouchingTheNetwork) {
  CurlNetwork unreachable("http://127.0.0.1:1/");
  EXPECT_EQ(GbkToUtf8(LookupDomain("", unreachable, services_)), "请输入网站域名地址！");
  EXPECT_EQ(GbkToUtf8(LookupIp("", unreachable, services_)), "错误,请输入IP地址！");
  EXPECT_EQ(pageRequests_, 0);
}

TEST_F(IpQuery, OfflineGivesTheNetworkMessageAndFetchesNoPage) {
  Services offline = services_;
  offline.probe = "http://192.0.2.1/";
  CurlNetwork net(offline.probe, {}, [] { return false; });
  EXPECT_EQ(GbkToUtf8(LookupDomain("example.com", net, offline)), "错误,请检查你的网络设置！");
  EXPECT_EQ(GbkToUtf8(LookupIp("1.2.3.4", net, offline)), "错误,请检查你的网络设置！");
  EXPECT_EQ(pageRequests_, 0);
}

TEST_F(IpQuery, FailedFetchAfterTheOnlineCheck) {
  Services broken = services_;
  broken.ipLocation = "http://127.0.0.1:1";
  EXPECT_EQ(GbkToUtf8(LookupDomain("example.com", net_, broken)), "错误,无效的域名无效的IP地址！");
  EXPECT_EQ(GbkToUtf8(LookupIp("1.2.3.4", net_, broken)), "错误,请重新查询！");
}

TEST_F(IpQuery, InputWithSpacesReachesTheServiceWhole) {
  EXPECT_EQ(Ip("1.2.3.4 x"), "所查IP：1.2.3.4 x\r\n\r\n地理位置：中国 北京市");
  EXPECT_EQ(pageRequests_, 1);
}

TEST(HostileInput, GoesOutAsOneWellFormedRequestAndComesBackExactly) {
  test::RawServer server([](int fd, const std::string& request) {
    const std::string page = request.starts_with("GET / ")
                                 ? "home"
                                 : Gbk("<p>&nbsp;属于：<span class=\"bred\">某地</span></p>");
    test::RawServer::Send(fd, test::HttpResponse(page));
  });
  const Services services = Services::At(server.Base());
  CurlNetwork net(services.probe);
  const Text input = Utf8ToGbk("a&ip=b#c\r\n%41 \x01\t你😀");
  EXPECT_EQ(GbkToUtf8(LookupIp(input, net, services)),
            "所查IP：a&ip=b#c\r\n%41 \x01\t你?\r\n\r\n地理位置：某地");
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);  // the probe, then the page
  EXPECT_EQ(requests[1].substr(0, requests[1].find("\r\n")),
            "GET /today.asp?ip=a%26ip=b%23c%0D%0A%41%20%01%09%C4%E3? HTTP/1.0");
}

TEST(HostileInput, AMegabyteOfInputIsAnsweredNotCrashedOn) {
  test::HttpServer server([](httplib::Server& s) {
    s.Get("/", [](const auto&, auto& res) { res.set_content("home", "text/html"); });
  });
  const Services services = Services::At(server.Base());
  CurlNetwork net(services.probe);
  const Text huge(1u << 20, '7');
  // The service refuses a URL this long; the lookups report that as they report any
  // page without an answer.
  EXPECT_EQ(GbkToUtf8(LookupDomain(huge, net, services)), "错误,无效的域名无效的IP地址！");
  EXPECT_EQ(GbkToUtf8(LookupIp(huge, net, services)), "错误,请重新查询！");
}

}  // namespace
}  // namespace qirvo
