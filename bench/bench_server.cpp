// SPDX-License-Identifier: MIT
// Pages for the measurements that the emulator does not serve: a 16 MiB body, and an
// IP-location page that takes 2 s to answer. Prints its base address, serves until stopped.
#include <httplib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "core/charset.h"

int main() {
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop, nullptr);

  const std::string big(16u << 20, 'x');
  httplib::Server server;
  server.Get("/", [](const auto&, auto& res) { res.set_content("home", "text/html"); });
  server.Get("/big", [&](const auto&, auto& res) { res.set_content(big, "text/plain"); });
  server.Get("/today.asp", [](const httplib::Request& req, httplib::Response& res) {
    std::this_thread::sleep_for(std::chrono::seconds(2));
    res.set_content(qirvo::Gbk("<p>所查IP地址是：<span class=\"bred\">1.2.3.4</span>，&nbsp;属于："
                               "<span class=\"bred\">某地 ") +
                        req.get_param_value("ip") + "</span></p>",
                    "text/html");
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  std::thread serving([&] { server.listen_after_bind(); });
  std::printf("http://127.0.0.1:%d\n", port);
  std::fflush(stdout);
  int signal = 0;
  sigwait(&stop, &signal);
  server.stop();
  serving.join();
  return 0;
}
