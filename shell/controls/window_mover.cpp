// SPDX-License-Identifier: MIT
#include "shell/controls/window_mover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace qirvo {
namespace {

bool AskWindowManager(QWindow* w) { return w && w->startSystemMove(); }

WindowMover::SystemMove& CurrentSystemMove() {
  static WindowMover::SystemMove move = AskWindowManager;
  return move;
}

}  // namespace

void WindowMover::SetSystemMove(SystemMove move) {
  CurrentSystemMove() = move ? std::move(move) : AskWindowManager;
}

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
