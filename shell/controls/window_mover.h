// SPDX-License-Identifier: MIT
// Moves the top-level window while the left button is held, as a title bar would.
#pragma once

#include <QPoint>
#include <functional>

class QMouseEvent;
class QWidget;
class QWindow;

namespace qirvo {

class WindowMover {
 public:
  // Asks the window manager to run the move; false when it can't, and we move by hand.
  using SystemMove = std::function<bool(QWindow*)>;
  // For tests; an empty function puts the window manager back.
  static void SetSystemMove(SystemMove move);

  void Press(QWidget* widget, QMouseEvent* event);
  void Move(QMouseEvent* event);
  void Release();

 private:
  QWidget* window_ = nullptr;
  QPoint grabOffset_;
};

}  // namespace qirvo
