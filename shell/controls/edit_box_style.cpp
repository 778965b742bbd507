// SPDX-License-Identifier: MIT
#include "shell/controls/edit_box_style.h"

#include <QPalette>
#include <QWidget>

namespace qirvo {

void StyleEditBox(QWidget* box) {
  QPalette pal = box->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::Base, Qt::white);
    pal.setColor(group, QPalette::Text, Qt::black);
  }
  pal.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
  pal.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
  box->setPalette(pal);
  box->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace qirvo
