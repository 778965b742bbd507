// SPDX-License-Identifier: MIT
#include "shell/controls/text_edit_box.h"

#include "shell/controls/edit_box_style.h"

namespace qirvo {

TextEditBox::TextEditBox(InputMode mode, QWidget* parent) : QPlainTextEdit(parent), mode_(mode) {
  StyleEditBox(this);
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setTabChangesFocus(true);
  if (mode == InputMode::ReadOnly) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
}

}  // namespace qirvo
