// SPDX-License-Identifier: MIT
#include "feed/version_check.h"

#include "core/charset.h"
#include "core/extract.h"

namespace qirvo {
namespace {

struct Texts {
  Text head = Gbk("VEXA丶Qirvo - 官方网址:");
  Text tail = Gbk(" - 更新时间:2014-2-16 - 目前版本:1.0 - 最新版本:");
  Text checking = Gbk("正在检测中,请销等...");
  Text left = Gbk("软件（");
  Text right = Gbk("）版本");
  Text failed = Gbk("获取失败,请重新打开本软件！");
  Text current = Gbk(" - 目前是最新版本！");
  Text outdated = Gbk(" - 目前不是最新版本,请到官网下载！");
};

const Texts& T() { return Once<Texts>(); }

constexpr const char* kRunningVersion = "1.0";

}  // namespace

Text StatusHead(const Services& services) {
  return Concat(T().head, services.productSiteShown, T().tail);
}

Text StatusChecking(const Services& services) { return Concat(StatusHead(services), T().checking); }

Text VersionStatus(const Text& info, const Services& services) {
  const Texts& t = T();
  const Text latest = ExtractBetween(info, t.left, t.right);
  // A file without a version number in it (an error page, say) is a failed check, not
  // news of a version called "".
  if (info.empty() || latest.empty()) return Concat(StatusHead(services), t.failed);
  return Concat(StatusHead(services), latest,
                Equal(latest, kRunningVersion) ? t.current : t.outdated);
}

Text CheckVersion(Network& net, const Services& services) {
  return VersionStatus(FetchText(net, Concat(services.productSite, "/rjxx/qrvrjxx.txt")), services);
}

}  // namespace qirvo
