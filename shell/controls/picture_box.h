// SPDX-License-Identifier: MIT
// A picture on a fill colour, drawn at its natural size from the top-left or stretched.
// A left-button press on it moves the window.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "shell/controls/window_mover.h"

namespace qirvo {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  enum class Mode { TopLeft, Stretched };
  PictureBox(QColor fill, Mode mode, QWidget* parent);

  void SetImage(const QImage& image);
  // A picture carried by the program, decoded when the box is first drawn: most boxes sit
  // on pages that start hidden, and start-up need not pay for them.
  void SetImageFile(const QString& path);
  const QImage& Image() const;
  Mode DisplayMode() const { return mode_; }
  QColor Fill() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override { mover_.Press(this, e); }
  void mouseMoveEvent(QMouseEvent* e) override { mover_.Move(e); }
  void mouseReleaseEvent(QMouseEvent*) override { mover_.Release(); }

 private:
  QColor fill_;
  Mode mode_;
  mutable QImage image_;
  mutable QString pendingFile_;
  WindowMover mover_;
};

}  // namespace qirvo
