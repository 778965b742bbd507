// SPDX-License-Identifier: MIT
// Multi-line edit box: word-wrapped at its width, scrolls with the caret, no scroll bars.
#pragma once

#include <QPlainTextEdit>

#include "shell/controls/line_edit_box.h"

namespace qirvo {

class TextEditBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  TextEditBox(InputMode mode, QWidget* parent);
  InputMode Mode() const { return mode_; }

 private:
  InputMode mode_;
};

}  // namespace qirvo
