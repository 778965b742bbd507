// SPDX-License-Identifier: MIT
// The kernel's view of the network: an interface up and a default route.
#pragma once

#include <string_view>

namespace qirvo {

// Reads the interfaces and /proc/net/{route,ipv6_route}; no helper process.
bool SystemReportsOnline();

// True when the routing tables hold a default route; the arguments are the texts of
// /proc/net/route and /proc/net/ipv6_route.
bool HasDefaultRoute(std::string_view ipv4Routes, std::string_view ipv6Routes);

// True for an address whose host is loopback: such a server is reachable without any network.
bool IsLoopbackUrl(std::string_view url);

}  // namespace qirvo
