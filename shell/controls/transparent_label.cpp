// SPDX-License-Identifier: MIT
#include "shell/controls/transparent_label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace qirvo {
namespace {

// A label given an accessible name takes presses: screen readers see a button they can
// press. Other labels read as their text.
class LabelAccessible : public QAccessibleWidget {
 public:
  explicit LabelAccessible(TransparentLabel* label)
      : QAccessibleWidget(label, label->accessibleName().isEmpty() ? QAccessible::StaticText
                                                                    : QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return static_cast<TransparentLabel*>(widget())->Text();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    return role() == QAccessible::Button ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& action) override {
    if (role() == QAccessible::Button && action == pressAction())
      emit static_cast<TransparentLabel*>(widget())->pressed();
  }
};

QAccessibleInterface* MakeLabelAccessible(const QString&, QObject* object) {
  auto* label = qobject_cast<TransparentLabel*>(object);
  return label ? new LabelAccessible(label) : nullptr;
}

}  // namespace

TransparentLabel::TransparentLabel(Qt::Alignment alignment, bool wrap, QWidget* parent)
    : QWidget(parent), alignment_(alignment), wrap_(wrap) {
  static const bool installed = (QAccessible::installFactory(MakeLabelAccessible), true);
  (void)installed;
}

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
