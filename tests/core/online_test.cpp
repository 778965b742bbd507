// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/by_name.h"
#include <poll.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/network.h"
#include "core/system_online.h"
#include "tests/support/loopback.h"

namespace qirvo {
namespace {

using namespace std::chrono_literals;
using test::HttpResponse;
using test::RawServer;
using testing::HasSubstr;
using testing::StartsWith;

FetchLimits ShortLimits() {
  FetchLimits l;
  l.probe = 1s;
  return l;
}

TEST(IsOnline, ProbesTheHomePageWithItsOwnUserAgent) {
  RawServer server([](int fd, const std::string&) { RawServer::Send(fd, HttpResponse("home")); });
  EXPECT_TRUE(CurlNetwork(server.Base() + "/", ShortLimits()).IsOnline());
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_THAT(server.Requests()[0], StartsWith("GET / HTTP/1.1\r\n"));
  EXPECT_THAT(server.Requests()[0], HasSubstr("\r\nUser-Agent: test\r\n"));
  EXPECT_THAT(server.Requests()[0], HasSubstr("\r\nPragma: no-cache\r\n"));
}

TEST(IsOnline, CountsTheProbeOpenOnceHeadersArriveWithoutReadingTheBody) {
  std::atomic<bool> hungUpEarly = false;
  FetchLimits limits;
  limits.probe = 20s;
  bool online = false;
  {
    RawServer server([&](int fd, const std::string&) {
      RawServer::Send(fd, "HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\nstart");
      pollfd p{fd, POLLIN, 0};
      char c;
      hungUpEarly = ::poll(&p, 1, 5000) == 1 && ::recv(fd, &c, 1, 0) <= 0;  // FIN or RST
    });
    online = CurlNetwork(server.Base() + "/", limits).IsOnline();
  }  // the server's connection has been served to the end here
  EXPECT_TRUE(online);
  EXPECT_TRUE(hungUpEarly);
}

TEST(IsOnline, IsFalseWhenTheProbeGetsNoAnswer) {
  RawServer silent([](int, const std::string&) { std::this_thread::sleep_for(2s); });
  RawServer notHttp([](int fd, const std::string&) { RawServer::Send(fd, "hello\n"); });
  EXPECT_FALSE(CurlNetwork(silent.Base() + "/", ShortLimits()).IsOnline());
  EXPECT_FALSE(CurlNetwork(notHttp.Base() + "/", ShortLimits()).IsOnline());
  EXPECT_FALSE(CurlNetwork("http://127.0.0.1:1/", ShortLimits()).IsOnline());
}

TEST(IsOnline, AsksTheSystemFirstForARemoteProbe) {
  int asked = 0;
  CurlNetwork offline("http://192.0.2.1/", ShortLimits(), [&] { return ++asked, false; });
  EXPECT_FALSE(offline.IsOnline());
  EXPECT_EQ(asked, 1);
}

TEST(IsOnline, ReachesALoopbackProbeWhateverTheSystemSays) {
  RawServer server([](int fd, const std::string&) { RawServer::Send(fd, HttpResponse("home")); });
  EXPECT_TRUE(CurlNetwork(server.Base() + "/", ShortLimits(), [] { return false; }).IsOnline());
}

TEST(IsOnline, ProbeGoesThroughTheEnvironmentsProxy) {
  RawServer proxy([](int fd, const std::string&) { RawServer::Send(fd, HttpResponse("via")); });
  ::setenv("http_proxy", proxy.Base().c_str(), 1);
  const bool online = CurlNetwork("http://probe.invalid/", ShortLimits(), [] { return true; })
                          .IsOnline();
  ::unsetenv("http_proxy");
  EXPECT_TRUE(online);
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_THAT(proxy.Requests()[0], StartsWith("GET http://probe.invalid/ HTTP/1.1\r\n"));
}

constexpr const char* kRouteHead =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";

struct RouteCase {
  const char* name;
  std::string ipv4, ipv6;
  bool expected;
};

class DefaultRouteTable : public testing::TestWithParam<RouteCase> {};

TEST_P(DefaultRouteTable, ReadsTheKernelsTables) {
  EXPECT_EQ(HasDefaultRoute(GetParam().ipv4, GetParam().ipv6), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DefaultRouteTable,
    testing::Values(
        RouteCase{"Ipv4Default",
                  std::string(kRouteHead) + "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n",
                  "", true},
        RouteCase{"OnlyLocalNet",
                  std::string(kRouteHead) + "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n",
                  "", false},
        RouteCase{"DefaultRouteDown",
                  std::string(kRouteHead) + "eth0\t00000000\t010200C0\t0002\t0\t0\t0\t00000000\t0\t0\t0\n",
                  "", false},
        RouteCase{"Ipv6Default", kRouteHead,
                  "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
                  "fd000000000000000000000000000001 00000400 00000002 00000000 00000003 eth0\n",
                  true},
        RouteCase{"Ipv6LoopbackReject", kRouteHead,
                  "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
                  "00000000000000000000000000000000 ffffffff 00000001 00000000 00200200 lo\n",
                  false},
        RouteCase{"Empty", "", "", false}),
    test::ByName());

TEST(IsLoopbackUrl, KnowsLoopbackHosts) {
  EXPECT_TRUE(IsLoopbackUrl("http://127.0.0.1:8080/"));
  EXPECT_TRUE(IsLoopbackUrl("http://localhost/x"));
  EXPECT_TRUE(IsLoopbackUrl("http://[::1]:80/"));
  EXPECT_FALSE(IsLoopbackUrl("http://www.baidu.com/"));
  EXPECT_FALSE(IsLoopbackUrl("http://127.0.0.1.example.com/"));
  EXPECT_FALSE(IsLoopbackUrl("http://evil.com/?127.0.0.1"));
  EXPECT_FALSE(IsLoopbackUrl("127.0.0.1"));
}

}  // namespace
}  // namespace qirvo
