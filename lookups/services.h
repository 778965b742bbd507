// SPDX-License-Identifier: MIT
// The outside addresses, in one place.
#pragma once

#include "core/text.h"

namespace qirvo {

struct Services {
  Text ipLocation;   // serves /today.asp?ip=
  Text fortune;      // serves /msn.asp?qq=
  Text loginLimit;   // serves /cn2/login_limit/limit_detail_v2?account=
  Text productSite;  // serves /hdp/hdp_{1,2}.jpg and /rjxx/qrvrjxx.txt
  Text productSiteShown;  // the product's address as the status line shows it
  Text probe;             // home page asked by the online check

  static Services Production();
  // Every service at one base address, for a local mirror, the emulator or a test server.
  static Services At(const Text& base);
};

}  // namespace qirvo
