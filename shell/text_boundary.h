// SPDX-License-Identifier: MIT
// The one place where widget text and GBK `Text` meet.
#pragma once

#include <QString>

#include "core/text.h"

namespace qirvo {

// A character GBK cannot hold becomes "?".
Text ToText(const QString& s);
QString FromText(const Text& t);

}  // namespace qirvo
