// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "core/text.h"

namespace qirvo {

// The bytes between the first `left` (ASCII case ignored) and the next `right` after it;
// empty when either marker is empty or missing.
Text ExtractBetween(std::string_view text, std::string_view left, std::string_view right);

}  // namespace qirvo
