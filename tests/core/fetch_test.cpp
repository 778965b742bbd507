// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/network.h"
#include "tests/support/loopback.h"

namespace qirvo {
namespace {

using namespace std::chrono_literals;
using test::HttpResponse;
using test::HttpServer;
using test::RawServer;
using testing::HasSubstr;
using testing::StartsWith;

FetchLimits ShortLimits() {
  FetchLimits l;
  l.connect = 1s;
  l.idle = 500ms;
  l.probe = 1s;
  return l;
}

CurlNetwork Net() { return CurlNetwork("http://127.0.0.1:1/", ShortLimits(), [] { return true; }); }

TEST(Fetch, SendsOnePlainHttp10GetWithTheBrowserHeaders) {
  RawServer server([](int fd, const std::string&) { RawServer::Send(fd, HttpResponse("hi")); });
  EXPECT_EQ(Net().Fetch(server.Base() + "/today.asp?ip=example.com"), "hi");
  ASSERT_EQ(server.Requests().size(), 1u);
  const std::string request = server.Requests()[0];
  EXPECT_THAT(request, StartsWith("GET /today.asp?ip=example.com HTTP/1.0\r\n"));
  EXPECT_THAT(request,
              HasSubstr("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"));
  EXPECT_THAT(request, HasSubstr("\r\nAccept: */*\r\n"));
  EXPECT_THAT(request, HasSubstr("\r\nPragma: no-cache\r\n"));
}

TEST(Fetch, SendsUnsafeInputBytesPercentEncoded) {
  RawServer server([](int fd, const std::string&) { RawServer::Send(fd, HttpResponse("ok")); });
  // A space, CR LF, DEL and a GBK character: none may split or break the request line.
  EXPECT_EQ(Net().Fetch(server.Base() + "/q?ip=a b\r\nX: y\x7F\xC4\xE3&z=%41"), "ok");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_THAT(server.Requests()[0],
              StartsWith("GET /q?ip=a%20b%0D%0AX:%20y%7F%C4%E3&z=%41 HTTP/1.0\r\n"));
}

TEST(Fetch, IgnoresProxiesFromTheEnvironment) {
  HttpServer server([](httplib::Server& s) {
    s.Get("/page", [](const auto&, auto& res) { res.set_content("direct", "text/html"); });
  });
  const char* names[] = {"http_proxy", "HTTP_PROXY", "ALL_PROXY", "all_proxy"};
  for (const char* n : names) ::setenv(n, "http://127.0.0.1:1", 1);
  const Bytes body = Net().Fetch(server.Base() + "/page");
  for (const char* n : names) ::unsetenv(n);
  EXPECT_EQ(body, "direct");
}

TEST(Fetch, ReturnsTheBodyOfAnErrorPage) {
  HttpServer server([](httplib::Server& s) {
    s.Get("/missing", [](const auto&, auto& res) {
      res.status = 404;
      res.set_content("<html>not here</html>", "text/html");
    });
  });
  EXPECT_EQ(Net().Fetch(server.Base() + "/missing"), "<html>not here</html>");
}

TEST(Fetch, KeepsNulBytesWhileFetchTextStopsAtTheFirst) {
  RawServer server([](int fd, const std::string&) {
    RawServer::Send(fd, HttpResponse(std::string_view("ab\0cd", 5)));
  });
  CurlNetwork net = Net();
  EXPECT_EQ(net.Fetch(server.Base() + "/"), Bytes("ab\0cd", 5));
  EXPECT_EQ(FetchText(net, server.Base() + "/"), "ab");
}

TEST(Fetch, ReturnsWhatArrivedBeforeADrop) {
  RawServer server([](int fd, const std::string&) {
    RawServer::Send(fd, "HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\npartial");
  });
  EXPECT_EQ(Net().Fetch(server.Base() + "/"), "partial");
}

TEST(Fetch, GivesNothingWhenNothingCouldBeRead) {
  RawServer closes([](int, const std::string&) {});
  EXPECT_EQ(Net().Fetch(closes.Base() + "/"), "");
  EXPECT_EQ(Net().Fetch("http://127.0.0.1:1/"), "");  // refused
  EXPECT_EQ(Net().Fetch("not a url"), "");
}

TEST(Fetch, EndsASilentTransferWithWhatArrived) {
  RawServer stalls([](int fd, const std::string&) {
    RawServer::Send(fd, "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nfirst");
    std::this_thread::sleep_for(3s);
  });
  RawServer silent([](int, const std::string&) { std::this_thread::sleep_for(3s); });
  CurlNetwork net = Net();
  EXPECT_EQ(net.Fetch(stalls.Base() + "/"), "first");
  EXPECT_EQ(net.Fetch(silent.Base() + "/"), "");
}

TEST(Fetch, StopsAtTheSizeCapWithTheFirstBytes) {
  const std::string big = std::string(32u << 20, 'x') + std::string(1u << 20, 'y');
  HttpServer server([&](httplib::Server& s) {
    s.Get("/big", [&](const auto&, auto& res) { res.set_content(big, "text/plain"); });
  });
  const Bytes body = CurlNetwork("http://127.0.0.1:1/").Fetch(server.Base() + "/big");
  ASSERT_EQ(body.size(), 32u << 20);
  EXPECT_EQ(body.find('y'), std::string::npos);
}

TEST(Fetch, FollowsUpToFiveRedirects) {
  HttpServer server([](httplib::Server& s) {
    s.Get(R"(/hop/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
      const int n = std::stoi(req.matches[1]);
      if (n == 0) return res.set_content("arrived", "text/plain");
      res.set_redirect("/hop/" + std::to_string(n - 1), 302);
    });
    s.Get("/loop", [](const auto&, auto& res) { res.set_redirect("/loop", 301); });
    s.Get("/ftp", [](const auto&, auto& res) { res.set_redirect("ftp://127.0.0.1/x", 302); });
  });
  CurlNetwork net = Net();
  EXPECT_EQ(net.Fetch(server.Base() + "/hop/5"), "arrived");
  EXPECT_EQ(net.Fetch(server.Base() + "/hop/6"), "");
  EXPECT_EQ(net.Fetch(server.Base() + "/loop"), "");  // ends instead of looping
  EXPECT_EQ(net.Fetch(server.Base() + "/ftp"), "");
}

TEST(Fetch, ServesSeveralThreadsAtOnce) {
  HttpServer server([](httplib::Server& s) {
    s.Get(R"(/n/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
      res.set_content(std::string(100000, 'a') + req.matches[1].str(), "text/plain");
    });
  });
  // Default limits: eight connections at once can outrun the server's accept backlog, and
  // a refused SYN is retried only after a second.
  CurlNetwork net("http://127.0.0.1:1/");
  std::vector<std::thread> threads;
  std::vector<Bytes> got(8);
  for (int i = 0; i < 8; ++i)
    threads.emplace_back([&, i] {
      for (int k = 0; k < 5; ++k) got[i] = net.Fetch(server.Base() + "/n/" + std::to_string(i));
    });
  for (auto& t : threads) t.join();
  for (int i = 0; i < 8; ++i) EXPECT_EQ(got[i], std::string(100000, 'a') + std::to_string(i));
}

}  // namespace
}  // namespace qirvo
