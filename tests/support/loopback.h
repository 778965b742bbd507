// SPDX-License-Identifier: MIT
// Real servers on 127.0.0.1 for tests: a well-behaved one (cpp-httplib) and a raw one that
// writes whatever bytes a test wants, to show what goes over the wire and how faults look.
#pragma once

#include <httplib.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qirvo::test {

class HttpServer {
 public:
  explicit HttpServer(const std::function<void(httplib::Server&)>& routes);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
};

// Accepts connections and hands each, with the request head it sent, to `reply`.
class RawServer {
 public:
  using Reply = std::function<void(int fd, const std::string& request)>;
  explicit RawServer(Reply reply);
  ~RawServer();
  RawServer(const RawServer&) = delete;
  RawServer& operator=(const RawServer&) = delete;

  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  std::vector<std::string> Requests() const;

  static void Send(int fd, std::string_view bytes);

 private:
  void Serve(int fd);

  Reply reply_;
  int listenFd_ = -1;
  int port_ = 0;
  bool stopping_ = false;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<std::thread> connections_;
  std::thread acceptor_;
};

// An HTTP/1.0 response with the given body, ready to send.
std::string HttpResponse(std::string_view body, std::string_view status = "200 OK",
                         std::string_view extraHeaders = "");

}  // namespace qirvo::test
