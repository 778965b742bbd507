// SPDX-License-Identifier: MIT
#include "shell/controls/transparent_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace qirvo {

TransparentLabel::TransparentLabel(Qt::Alignment alignment, bool wrap, QWidget* parent)
    : QWidget(parent), alignment_(alignment), wrap_(wrap) {}

void TransparentLabel::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();  // not opaque: Qt repaints what lies beneath first
}

void TransparentLabel::SetColour(QColor colour) {
  colour_ = colour;
  update();
}

void TransparentLabel::paintEvent(QPaintEvent*) {
  if (text_.isEmpty()) return;
  QPainter p(this);
  p.setPen(colour_);
  p.setFont(font());
  const int flags = wrap_ ? int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap)
                          : int(alignment_ | Qt::AlignVCenter | Qt::TextSingleLine);
  // CR LF is one line break; a lone CR would otherwise count as a second one.
  QString shown = text_;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  p.drawText(rect(), flags, shown);
}

void TransparentLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();  // a press on a label never moves the window
  if (event->button() == Qt::LeftButton) emit pressed();
}

}  // namespace qirvo
