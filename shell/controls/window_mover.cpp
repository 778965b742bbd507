// SPDX-License-Identifier: MIT
#include "shell/controls/window_mover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace qirvo {
namespace {

WindowMover::SystemMove& CurrentSystemMove() {
  static WindowMover::SystemMove move = [](QWindow* w) { return w && w->startSystemMove(); };
  return move;
}

}  // namespace

void WindowMover::SetSystemMove(SystemMove move) { CurrentSystemMove() = std::move(move); }

void WindowMover::Press(QWidget* widget, QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  QWidget* top = widget->window();
  if (CurrentSystemMove()(top->windowHandle())) return;
  window_ = top;
  grabOffset_ = event->globalPosition().toPoint() - top->pos();
}

void WindowMover::Move(QMouseEvent* event) {
  if (window_ && (event->buttons() & Qt::LeftButton))
    window_->move(event->globalPosition().toPoint() - grabOffset_);
}

void WindowMover::Release() { window_ = nullptr; }

}  // namespace qirvo
