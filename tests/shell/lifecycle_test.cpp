// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QProcess>
#include <QTimer>

#include "shell/application.h"
#include "shell/controls/line_edit_box.h"
#include "tests/shell/window_fixture.h"

namespace qirvo {
namespace {

using test::WindowTest;

TEST_F(WindowTest, CloseEndsTheProcessAtOnceWhileALookupStalls) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        services_.slowDelayMs = 60'000;
        window_->ShowPage(1);
        Get<LineEditBox>("编辑框_IP查询")->setText("slow");
        Press("asdas1");
        QTimer::singleShot(200, [this] { Press("关闭程序"); });
        ExecAndEnd();
      },
      testing::ExitedWithCode(0), "");
}

// Minimising needs a window manager; the test brings its own.
class WithWindowManager : public WindowTest {
 protected:
  void SetUp() override {
    wm_.start("openbox", {"--sm-disable"});
    ASSERT_TRUE(wm_.waitForStarted());
    QTest::qWait(500);
  }
  void TearDown() override {
    wm_.kill();
    wm_.waitForFinished();
  }
  bool Minimised() const { return window_->windowState() & Qt::WindowMinimized; }

  QProcess wm_;
};

TEST_F(WithWindowManager, MinimiseAndRestoreKeepPageAndSkin) {
  Press("按钮_冻结查询");
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    Press("最小化程序");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Minimised() && !window_->isActiveWindow(); }, 5000));
    window_->showNormal();  // what the task bar does
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Minimised(); }, 5000));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    EXPECT_EQ(window_->CurrentPage(), 3);
    EXPECT_EQ(window_->Skin(), 3);
  }
}

}  // namespace
}  // namespace qirvo
