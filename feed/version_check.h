// SPDX-License-Identifier: MIT
// The status line: the product, its address, the running version and the newest one published.
#pragma once

#include "core/network.h"
#include "lookups/services.h"

namespace qirvo {

// Everything up to and including "最新版本:".
Text StatusHead(const Services& services);
// The line as it stands until the check has finished.
Text StatusChecking(const Services& services);
// The line once the version file `info` (GBK, empty when nothing was fetched) is known.
Text VersionStatus(const Text& info, const Services& services);
// Fetches the version file and gives the line to show.
Text CheckVersion(Network& net, const Services& services);

}  // namespace qirvo
