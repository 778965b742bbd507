// SPDX-License-Identifier: MIT
// Single-line edit box: black on white, no border. In digits-only mode typed characters
// other than "0"-"9" and "-" are dropped, input-method commits included; pasted text is
// taken as it is.
#pragma once

#include <QLineEdit>

namespace qirvo {

enum class InputMode { Normal, ReadOnly, DigitsOnly };

class LineEditBox : public QLineEdit {
  Q_OBJECT
 public:
  LineEditBox(InputMode mode, QWidget* parent);
  InputMode Mode() const { return mode_; }

  // What typing `typed` may put into a digits-only box.
  static QString KeepDigits(const QString& typed);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  InputMode mode_;
};

}  // namespace qirvo
