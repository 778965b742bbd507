// SPDX-License-Identifier: MIT
// main() for window tests: one QApplication for the whole program, on the X server that
// xvfb-run (or the desktop) provides.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <cstdlib>

#include "shell/application.h"

namespace {

bool FeedTasksRunning() {
  const QDir tasks("/proc/self/task");
  for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile comm(tasks.filePath(task + "/comm"));
    if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("qirvo-")) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();  // listing needs no display
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "window tests need an X server: run them under xvfb-run -a\n");
    return 1;
  }
  QApplication app(argc, argv);
  qirvo::PrepareApplication();
  const int result = RUN_ALL_TESTS();
  // The feed tasks run on detached threads that end soon after their downloads; let them,
  // so the leak checker does not stop the world while threads come and go.
  QElapsedTimer waited;
  waited.start();
  while (FeedTasksRunning() && waited.elapsed() < 5000) QThread::msleep(20);
  return result;
}
