// SPDX-License-Identifier: MIT
// The number fortune page: the reading a fortune site publishes for a QQ number.
#pragma once

#include "core/network.h"
#include "lookups/services.h"

namespace qirvo {

Text LookupQqFortune(const Text& number, Network& net, const Services& services);

}  // namespace qirvo
