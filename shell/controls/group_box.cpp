// SPDX-License-Identifier: MIT
#include "shell/controls/group_box.h"

#include <QMouseEvent>

namespace qirvo {

GroupBox::GroupBox(QWidget* parent) : QGroupBox(parent) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  setAutoFillBackground(true);
}

void GroupBox::mousePressEvent(QMouseEvent* event) { event->accept(); }

}  // namespace qirvo
