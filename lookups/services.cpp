// SPDX-License-Identifier: MIT
#include "lookups/services.h"

namespace qirvo {

Services Services::Production() {
  return {
      .ipLocation = "http://www.ip138.com",
      .fortune = "http://www.qqju.com",
      .loginLimit = "http://aq.qq.com",
      .productSite = "http://www.qirvo.com",
      .productSiteShown = "www.qirvo.com",
      .probe = "http://www.baidu.com/",
  };
}

Services Services::At(const Text& base) {
  Text root = base;
  while (!root.empty() && root.back() == '/') root.pop_back();
  return {root, root, root, root, root, root + "/"};
}

}  // namespace qirvo
