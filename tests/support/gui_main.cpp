// SPDX-License-Identifier: MIT
// main() for window tests: one QApplication for the whole program, on the X server that
// xvfb-run (or the desktop) provides.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();  // listing needs no display
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "window tests need an X server: run them under xvfb-run -a\n");
    return 1;
  }
  QApplication app(argc, argv);
  qirvo::PrepareApplication();
  return RUN_ALL_TESTS();
}
