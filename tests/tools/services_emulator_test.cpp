// SPDX-License-Identifier: MIT
// The emulator plays every outcome the README's demo table promises.
#include "tools/services_emulator.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/by_name.h"
#include "tools/query_cli.h"

namespace qirvo {
namespace {

struct DemoCase {
  const char* name;
  std::vector<std::string> command;
  std::string printed;
};

class DemoTable : public testing::TestWithParam<DemoCase> {
 protected:
  static void SetUpTestSuite() { emulator_ = new ServicesEmulator(); }
  static void TearDownTestSuite() { delete emulator_; }
  static ServicesEmulator* emulator_;
};
ServicesEmulator* DemoTable::emulator_ = nullptr;

TEST_P(DemoTable, ShowsItsOutcome) {
  std::vector<std::string> args = {"--services", emulator_->Base()};
  args.insert(args.end(), GetParam().command.begin(), GetParam().command.end());
  std::ostringstream out, err;
  EXPECT_EQ(RunQueryCli(args, out, err), 0);
  EXPECT_EQ(out.str(), GetParam().printed + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DemoTable,
    testing::Values(
        DemoCase{"Domain", {"domain", "www.qq.com"},
                 "所查域名：www.qq.com\r\n\r\n所查IP：183.3.226.35\r\n\r\n地理位置：广东省深圳市 电信"},
        DemoCase{"DomainUnknown", {"domain", "bogus.cn"}, "错误,无效的域名无效的IP地址！"},
        DemoCase{"DomainIsAnAddress", {"domain", "8.8.8.8"}, "错误,无效的域名无效的IP地址！"},
        DemoCase{"DomainUnresolvable", {"domain", "nowhere.test"}, "错误,该地址无法解析为Ip！"},
        DemoCase{"Ip", {"ip", "114.114.114.114"},
                 "所查IP：114.114.114.114\r\n\r\n地理位置：江苏省南京市 信风网络科技有限公司"},
        DemoCase{"IpInvalid", {"ip", "0.0.0.0"}, "错误,无效的IP地址！"},
        DemoCase{"Fortune", {"fortune", "12345"},
                 "凶吉：[凶] 波折重重！\r\n\r\n此数偏凶，宜守不宜攻，谨慎行事可保平安。"},
        DemoCase{"FreezeFine", {"freeze", "10001"}, "查询完毕,你的QQ可以正常登录！"},
        DemoCase{"FreezeBarred", {"freeze", "10004"}, "查询完毕,你的QQ号不能正常登录！"},
        DemoCase{"FreezeNoSuchAccount", {"freeze", "123"}, "错误,你输入的QQ号不存在！"}),
    test::ByName());

}  // namespace
}  // namespace qirvo
