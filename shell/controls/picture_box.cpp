// SPDX-License-Identifier: MIT
#include "shell/controls/picture_box.h"

#include <QPainter>

namespace qirvo {

PictureBox::PictureBox(QColor fill, Mode mode, QWidget* parent)
    : QWidget(parent), fill_(fill), mode_(mode) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetImage(const QImage& image) {
  pendingFile_.clear();
  image_ = image;
  update();
}

void PictureBox::SetImageFile(const QString& path) {
  pendingFile_ = path;
  image_ = QImage();
  update();
}

const QImage& PictureBox::Image() const {
  if (!pendingFile_.isEmpty()) {
    image_.load(pendingFile_);
    pendingFile_.clear();
  }
  return image_;
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), fill_);
  const QImage& image = Image();
  if (image.isNull()) return;
  // Smooth whenever the picture is scaled: stretched, or drawn on a high-density screen.
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (mode_ == Mode::Stretched) {
    p.drawImage(rect(), image);
  } else {
    p.drawImage(QPoint(0, 0), image);
  }
}

}  // namespace qirvo
