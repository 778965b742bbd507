// SPDX-License-Identifier: MIT
// The freeze page: whether the QQ security centre lets an account log in.
#pragma once

#include "core/network.h"
#include "lookups/services.h"

namespace qirvo {

Text CheckQqLoginLimit(const Text& account, Network& net, const Services& services);

}  // namespace qirvo
