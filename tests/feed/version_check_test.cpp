// SPDX-License-Identifier: MIT
#include "feed/version_check.h"

#include <gtest/gtest.h>

#include "core/charset.h"
#include "tests/support/by_name.h"
#include "tests/support/loopback.h"

namespace qirvo {
namespace {

struct VersionCase {
  const char* name;
  std::string file;  // UTF-8 here, GBK on the wire; empty: nothing can be fetched
  std::string ending;
};

class VersionTable : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionTable, EndsTheStatusLine) {
  const VersionCase& c = GetParam();
  test::HttpServer server([&](httplib::Server& s) {
    s.Get("/rjxx/qrvrjxx.txt",
          [&](const auto&, auto& res) { res.set_content(Gbk(c.file), "text/plain"); });
  });
  const Services services = Services::At(c.file.empty() ? "http://127.0.0.1:1" : server.Base());
  CurlNetwork net(services.probe);
  EXPECT_EQ(GbkToUtf8(CheckVersion(net, services)),
            "VEXA丶Qirvo - 官方网址:" + services.productSiteShown +
                " - 更新时间:2014-2-16 - 目前版本:1.0 - 最新版本:" + c.ending);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionTable,
    testing::Values(
        VersionCase{"SameVersion", "说明\r\n软件（1.0）版本\r\n", "1.0 - 目前是最新版本！"},
        VersionCase{"NewerVersion", "软件（1.1）版本", "1.1 - 目前不是最新版本,请到官网下载！"},
        VersionCase{"OlderVersion", "软件（0.9）版本", "0.9 - 目前不是最新版本,请到官网下载！"},
        VersionCase{"WrittenDifferently", "软件（1.00）版本",
                    "1.00 - 目前不是最新版本,请到官网下载！"},
        VersionCase{"NoMarker", "<html>404 Not Found</html>", "获取失败,请重新打开本软件！"},
        VersionCase{"EmptyNumber", "软件（）版本", "获取失败,请重新打开本软件！"},
        VersionCase{"NothingFetched", "", "获取失败,请重新打开本软件！"}),
    test::ByName());

TEST(StatusChecking, IsTheHeadAndTheCheckingRemark) {
  Services services = Services::Production();
  EXPECT_EQ(GbkToUtf8(StatusChecking(services)),
            "VEXA丶Qirvo - 官方网址:" + services.productSiteShown +
                " - 更新时间:2014-2-16 - 目前版本:1.0 - 最新版本:正在检测中,请销等...");
}

}  // namespace
}  // namespace qirvo
