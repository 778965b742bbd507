// SPDX-License-Identifier: MIT
#include "tests/shell/window_fixture.h"

#include <QApplication>
#include <chrono>
#include <thread>

#include "core/charset.h"
#include "shell/application.h"

namespace qirvo::test {

ServicesServer::ServicesServer() {
  server_ = std::make_unique<HttpServer>([this](httplib::Server& s) {
    s.Get("/", [](const auto&, auto& res) { res.set_content("home", "text/html"); });
    auto delayIfSlow = [this](const std::string& input) {
      if (!input.starts_with("slow")) return;
      const auto until = std::chrono::steady_clock::now() +
                         std::chrono::milliseconds(slowDelayMs.load());
      while (!releaseSlow && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    };
    s.Get("/today.asp", [this, delayIfSlow](const httplib::Request& req, httplib::Response& res) {
      ++pageRequests_;
      // Echo the input exactly as it came over the wire.
      const std::string ip = httplib::detail::decode_url(
          req.target.substr(req.target.find("ip=") + 3), false);
      delayIfSlow(ip);
      res.set_content(Gbk("<p>所查IP地址是：<span class=\"bred\">93.184.216.34</span>，&nbsp;属于："
                          "<span class=\"bred\">美国 ") +
                          ip + "</span></p>",
                      "text/html");
    });
    s.Get("/msn.asp", [this](const auto&, auto& res) {
      ++pageRequests_;
      res.set_content(Gbk("<p><span class=\"bred\">[吉]</span><span class=\"bblue\">顺</span>"
                          "</p>\r\n<p>好。</p>"),
                      "text/html");
    });
    s.Get("/cn2/login_limit/limit_detail_v2", [this](const auto&, auto& res) {
      ++pageRequests_;
      res.set_content("<p>请输入不能登录的帐号</p>", "text/html");
    });
  });
}

WindowTest::WindowTest() {
  WindowMover::SetSystemMove([this](QWindow*) {
    ++systemMoves_;
    return true;
  });
  const Services services = Services::At(services_.Base());
  window_ = std::make_unique<MainWindow>(services, std::make_shared<CurlNetwork>(services.probe));
  CentreOnScreen(window_.get());
  window_->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
}

WindowTest::~WindowTest() {
  window_.reset();
  WindowMover::SetSystemMove({});
}

QPoint WindowTest::CentreOf(const char* name) const {
  auto* w = window_->Control<QWidget>(QString::fromUtf8(name));
  return w->mapTo(window_.get(), w->rect().center());
}

void WindowTest::PressAt(QPoint windowPoint) const {
  QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {}, windowPoint);
  QTest::mouseRelease(window_->windowHandle(), Qt::LeftButton, {}, windowPoint);
}

bool WindowTest::WaitForLookups(int timeoutMs) const {
  return QTest::qWaitFor([this] { return window_->PendingLookups() == 0; }, timeoutMs);
}

}  // namespace qirvo::test
