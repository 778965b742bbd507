// SPDX-License-Identifier: MIT
// What the start-up and memory measurements do with a window, the same for ours and for
// the bare reference: end right after its first frame is on screen, or after idling.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qirvo::bench {

class FirstFrameExit : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* e) override {
    // The whole window is painted and flushed in one pass; a zero timer runs after it.
    if (e->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
    return false;
  }
};

// argv: --first-frame | --idle MS. Returns false on a usage error.
inline bool Arrange(QWidget* window, int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--first-frame") == 0) {
    window->installEventFilter(new FirstFrameExit);
    return true;
  }
  if (argc >= 3 && std::strcmp(argv[1], "--idle") == 0) {
    QTimer::singleShot(std::atoi(argv[2]), [] { std::_Exit(0); });
    return true;
  }
  std::fprintf(stderr, "usage: %s --first-frame | --idle MS [SERVICES-URL]\n", argv[0]);
  return false;
}

}  // namespace qirvo::bench
