// SPDX-License-Identifier: MIT
// Servers that misbehave on purpose: every fetch ends within the limits, keeps what the
// rules say it keeps, and holds no more than the size cap.
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <chrono>
#include <functional>
#include <thread>

#include "core/network.h"
#include "tests/support/by_name.h"
#include "tests/support/loopback.h"

namespace qirvo {
namespace {

using namespace std::chrono_literals;
using test::RawServer;

constexpr size_t kCap = 1u << 20;

FetchLimits Tight() {
  FetchLimits l;
  l.connect = 1s;
  l.idle = 500ms;
  l.total = 2s;
  l.probe = 1s;
  l.maxBody = kCap;
  return l;
}

// Writes until the client goes away.
bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

void Forever(const std::function<bool()>& step) {
  const auto give_up = std::chrono::steady_clock::now() + 10s;
  while (std::chrono::steady_clock::now() < give_up && step()) {
  }
}

struct HostileCase {
  const char* name;
  RawServer::Reply reply;
  std::function<bool(const Bytes&)> acceptable;
  const char* expectation;
};

class HostileServers : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileServers, EndWithinTheLimitsAndKeepWhatTheRulesSay) {
  RawServer server(GetParam().reply);
  const auto start = std::chrono::steady_clock::now();
  const Bytes body = CurlNetwork("http://127.0.0.1:1/", Tight()).Fetch(server.Base() + "/x");
  // The servers hold on for up to 10 s; the limits must end every fetch long before.
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  EXPECT_LE(body.size(), kCap);
  EXPECT_TRUE(GetParam().acceptable(body))
      << GetParam().expectation << "; got " << body.size() << " bytes";
}

const std::string kHead = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";

bool IsEmpty(const Bytes& b) { return b.empty(); }

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileServers,
    testing::Values(
        HostileCase{"NeverAnswers",
                    [](int fd, const std::string&) {
                      Forever([&] {
                        char c;
                        return ::recv(fd, &c, 1, MSG_DONTWAIT) != 0 &&
                               (std::this_thread::sleep_for(20ms), true);
                      });
                    },
                    IsEmpty, "nothing"},
        HostileCase{"OneByteNowAndThen",
                    [](int fd, const std::string&) {
                      SendAll(fd, kHead);
                      Forever([&] {
                        std::this_thread::sleep_for(200ms);
                        return SendAll(fd, "x");
                      });
                    },
                    [](const Bytes& b) { return !b.empty() && b == std::string(b.size(), 'x'); },
                    "the bytes that trickled in before the total limit"},
        HostileCase{"EndlessBody",
                    [](int fd, const std::string&) {
                      SendAll(fd, kHead);
                      const std::string chunk(64 * 1024, 'y');
                      Forever([&] { return SendAll(fd, chunk); });
                    },
                    [](const Bytes& b) { return b == std::string(kCap, 'y'); },
                    "exactly the first bytes up to the cap"},
        HostileCase{"PastTheCapWithLength",
                    [](int fd, const std::string&) {
                      SendAll(fd, "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(2 * kCap) +
                                      "\r\n\r\n" + std::string(2 * kCap, 'z'));
                    },
                    [](const Bytes& b) { return b == std::string(kCap, 'z'); },
                    "exactly the first bytes up to the cap"},
        HostileCase{"ResetMidBody",
                    [](int fd, const std::string&) {
                      SendAll(fd, "HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\nbefore");
                      std::this_thread::sleep_for(100ms);
                      const linger reset{1, 0};
                      ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
                    },
                    [](const Bytes& b) { return b == "before"; }, "the bytes before the reset"},
        HostileCase{"NotHttp",
                    [](int fd, const std::string&) { SendAll(fd, "SSH-2.0-OpenSSH_9.2\r\n"); },
                    IsEmpty, "nothing"},
        HostileCase{"HeadersWithoutEnd",
                    [](int fd, const std::string&) {
                      SendAll(fd, "HTTP/1.0 200 OK\r\n");
                      Forever([&] { return SendAll(fd, "X-Filler: aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\r\n"); });
                    },
                    IsEmpty, "nothing"},
        HostileCase{"RedirectLoop",
                    [](int fd, const std::string&) {
                      SendAll(fd, "HTTP/1.0 302 Found\r\nLocation: /x\r\nContent-Length: 4\r\n\r\nloop");
                    },
                    [](const Bytes& b) { return b.size() <= 4; }, "no page"},
        HostileCase{"RedirectToFileScheme",
                    [](int fd, const std::string&) {
                      SendAll(fd, "HTTP/1.0 302 Found\r\nLocation: file:///etc/passwd\r\n\r\n");
                    },
                    [](const Bytes& b) { return b.find("root:") == std::string::npos; },
                    "nothing from the local file"}),
    test::ByName());

TEST(HostileServers, ProbeOfASilentServerGivesUp) {
  RawServer silent([](int, const std::string&) { std::this_thread::sleep_for(2s); });
  EXPECT_FALSE(CurlNetwork(silent.Base() + "/", Tight()).IsOnline());
}

TEST(QueryUrl, KeepsInputFromStartingAParameterOrAFragment) {
  EXPECT_EQ(QueryUrl("http://h", "/p?ip=", "a&ip=b#c%41 +?"), "http://h/p?ip=a%26ip=b%23c%41 +?");
  EXPECT_EQ(QueryUrl("http://h", "/p?qq=", "\xC4\xE3"), "http://h/p?qq=\xC4\xE3");
}

}  // namespace
}  // namespace qirvo
