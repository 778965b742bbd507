// SPDX-License-Identifier: MIT
// A main window wired to a loopback server that plays the outside services.
#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QTest>
#include <atomic>
#include <memory>

#include "shell/main_window.h"
#include "tests/support/loopback.h"

namespace qirvo::test {

// Serves the probe, and pages for the four lookups. An input starting with "slow" is
// answered after `slowDelayMs`, or as soon as `releaseSlow` is set.
class ServicesServer {
 public:
  ServicesServer();
  ~ServicesServer() { releaseSlow = true; }  // no held request outlives the test
  std::string Base() const { return server_->Base(); }
  int PageRequests() const { return pageRequests_; }

  std::atomic<int> pageRequests_ = 0;
  std::atomic<int> slowDelayMs = 1500;
  std::atomic<bool> releaseSlow = false;

 private:
  std::unique_ptr<HttpServer> server_;
};

class WindowTest : public testing::Test {
 protected:
  WindowTest();
  ~WindowTest() override;

  template <typename T>
  T* Get(const char* name) const {
    T* control = window_->Control<T>(QString::fromUtf8(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  // Where the centre of a control lies in the window.
  QPoint CentreOf(const char* name) const;
  // A left-button press (then release) at a point of the window, delivered as the
  // platform would: to the topmost control under it.
  void PressAt(QPoint windowPoint) const;
  void Press(const char* name) const { PressAt(CentreOf(name)); }
  bool WaitForLookups(int timeoutMs = 10000) const;

  ServicesServer services_;
  std::unique_ptr<MainWindow> window_;
  int systemMoves_ = 0;
};

}  // namespace qirvo::test
