// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace qirvo {

// Black text on white in the default font, whatever the desktop's colour scheme; the
// selection shows only while the box has the focus.
void StyleEditBox(QWidget* box);

}  // namespace qirvo
