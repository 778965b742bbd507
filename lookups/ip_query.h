// SPDX-License-Identifier: MIT
// The IP query page: a domain to its address and location, an address to its location.
#pragma once

#include "core/network.h"
#include "lookups/services.h"

namespace qirvo {

Text LookupDomain(const Text& domain, Network& net, const Services& services);
Text LookupIp(const Text& address, Network& net, const Services& services);

}  // namespace qirvo
