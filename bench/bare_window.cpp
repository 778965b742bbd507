// SPDX-License-Identifier: MIT
// The reference: a bare Qt window of our window's size with one label.
#include <QLabel>

#include "bench/window_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(788, 469);
  QLabel label("VEXA Qirvo", &window);
  label.move(20, 20);
  if (!qirvo::bench::Arrange(&window, argc, argv)) return 2;
  window.show();
  return app.exec();
}
