// SPDX-License-Identifier: MIT
// Text over whatever lies beneath: no background of its own. Emits pressed() when the
// left button goes down over it, text or no text.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace qirvo {

class TransparentLabel : public QWidget {
  Q_OBJECT
 public:
  TransparentLabel(Qt::Alignment alignment, bool wrap, QWidget* parent);

  void SetText(const QString& text);
  QString Text() const { return text_; }
  void SetColour(QColor colour);
  QColor Colour() const { return colour_; }
  Qt::Alignment Alignment() const { return alignment_; }
  bool Wraps() const { return wrap_; }

 signals:
  void pressed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString text_;
  QColor colour_ = Qt::black;
  Qt::Alignment alignment_;
  bool wrap_;
};

}  // namespace qirvo
