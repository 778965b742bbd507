// SPDX-License-Identifier: MIT
#include "shell/controls/line_edit_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <limits>

#include "shell/controls/edit_box_style.h"

namespace qirvo {
namespace {

bool IsTyping(const QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty()) return false;
  if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  for (const QChar c : text)
    if (!c.isPrint()) return false;
  return true;
}

}  // namespace

LineEditBox::LineEditBox(InputMode mode, QWidget* parent) : QLineEdit(parent), mode_(mode) {
  StyleEditBox(this);
  setFrame(false);
  setMaxLength(std::numeric_limits<int>::max());  // no limit on what may be typed or pasted
  setReadOnly(mode == InputMode::ReadOnly);
}

QString LineEditBox::KeepDigits(const QString& typed) {
  QString kept;
  for (const QChar c : typed)
    if ((c >= u'0' && c <= u'9') || c == u'-') kept += c;
  return kept;
}

void LineEditBox::keyPressEvent(QKeyEvent* event) {
  if (mode_ != InputMode::DigitsOnly || !IsTyping(event)) return QLineEdit::keyPressEvent(event);
  const QString kept = KeepDigits(event->text());
  if (kept.size() == event->text().size()) return QLineEdit::keyPressEvent(event);
  if (!kept.isEmpty()) insert(kept);
  event->accept();
}

void LineEditBox::inputMethodEvent(QInputMethodEvent* event) {
  if (mode_ != InputMode::DigitsOnly || event->commitString().isEmpty())
    return QLineEdit::inputMethodEvent(event);
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(KeepDigits(event->commitString()), event->replacementStart(),
                           event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

}  // namespace qirvo
