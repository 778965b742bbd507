// SPDX-License-Identifier: MIT
#include "shell/controls/picture_box.h"

#include <QPainter>

namespace qirvo {

PictureBox::PictureBox(QColor fill, Mode mode, QWidget* parent)
    : QWidget(parent), fill_(fill), mode_(mode) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetImage(const QImage& image) {
  image_ = image;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), fill_);
  if (image_.isNull()) return;
  if (mode_ == Mode::Stretched) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), image_);
  } else {
    p.drawImage(QPoint(0, 0), image_);
  }
}

}  // namespace qirvo
