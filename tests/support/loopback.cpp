// SPDX-License-Identifier: MIT
#include "tests/support/loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace qirvo::test {

HttpServer::HttpServer(const std::function<void(httplib::Server&)>& routes) {
  routes(server_);
  port_ = server_.bind_to_any_port("127.0.0.1");
  thread_ = std::thread([this] { server_.listen_after_bind(); });
  while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

HttpServer::~HttpServer() {
  server_.stop();
  thread_.join();
}

RawServer::RawServer(Reply reply) : reply_(std::move(reply)) {
  listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  ::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), len);
  ::listen(listenFd_, 16);
  ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  acceptor_ = std::thread([this] {
    for (;;) {
      pollfd p{listenFd_, POLLIN, 0};
      if (::poll(&p, 1, 20) <= 0) {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        continue;
      }
      const int fd = ::accept(listenFd_, nullptr, nullptr);
      if (fd < 0) continue;
      std::lock_guard lock(mutex_);
      connections_.emplace_back([this, fd] { Serve(fd); });
    }
  });
}

RawServer::~RawServer() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  acceptor_.join();
  for (auto& t : connections_) t.join();
  ::close(listenFd_);
}

void RawServer::Serve(int fd) {
  std::string request;
  char buf[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 2000) <= 0) break;
    const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
    if (n <= 0) break;
    request.append(buf, static_cast<size_t>(n));
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  reply_(fd, request);
  ::close(fd);
}

std::vector<std::string> RawServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void RawServer::Send(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

std::string HttpResponse(std::string_view body, std::string_view status,
                         std::string_view extraHeaders) {
  std::string r = "HTTP/1.0 ";
  r.append(status).append("\r\nContent-Type: text/html\r\nContent-Length: ");
  r.append(std::to_string(body.size())).append("\r\n").append(extraHeaders).append("\r\n");
  r.append(body);
  return r;
}

}  // namespace qirvo::test
