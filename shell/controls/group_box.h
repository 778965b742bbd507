// SPDX-License-Identifier: MIT
// The platform's etched frame with no caption, on white.
#pragma once

#include <QGroupBox>

namespace qirvo {

class GroupBox : public QGroupBox {
  Q_OBJECT
 public:
  explicit GroupBox(QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace qirvo
