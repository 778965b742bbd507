// SPDX-License-Identifier: MIT
// Whatever page a service sends, every lookup answers with its own message or a result
// built from the input, and never crashes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/charset.h"
#include "lookups/ip_query.h"
#include "lookups/qq_fortune.h"
#include "lookups/qq_login_limit.h"

namespace {

// Every page request gets the fuzzer's bytes; the machine is online.
class PageNetwork : public qirvo::Network {
 public:
  explicit PageNetwork(std::string page) : page_(std::move(page)) {}
  qirvo::Bytes Fetch(const qirvo::Text&) override { return page_; }
  bool IsOnline() override { return true; }

 private:
  std::string page_;
};

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qirvo;
  PageNetwork net(std::string(reinterpret_cast<const char*>(data), size));
  const Services services = Services::At("http://127.0.0.1:1");
  static const Text domainHead = Gbk("所查域名：example.com\r\n\r\n所查IP：");
  static const Text ipHead = Gbk("所查IP：1.2.3.4\r\n\r\n地理位置：");
  static const Text domainMessages[] = {Gbk("错误,无效的域名无效的IP地址！"),
                                        Gbk("错误,该地址无法解析为Ip！")};
  static const Text ipMessages[] = {Gbk("错误,无效的IP地址！"), Gbk("错误,请重新查询！")};
  static const Text verdicts[] = {Gbk("查询完毕,你的QQ可以正常登录！"), Gbk("错误,你输入的QQ号不存在！"),
                                  Gbk("查询完毕,你的QQ号不能正常登录！"), Gbk("错误,请重新查询！")};

  const Text domain = LookupDomain("example.com", net, services);
  if (!StartsWith(domain, domainHead) && domain != domainMessages[0] && domain != domainMessages[1])
    std::abort();
  const Text ip = LookupIp("1.2.3.4", net, services);
  if (!StartsWith(ip, ipHead) && ip != ipMessages[0] && ip != ipMessages[1]) std::abort();
  const Text fortune = LookupQqFortune("12345", net, services);
  if (fortune.size() > 3 * size + 64) std::abort();  // made of fragments of the page
  const Text freeze = CheckQqLoginLimit("10001", net, services);
  if (freeze != verdicts[0] && freeze != verdicts[1] && freeze != verdicts[2] && freeze != verdicts[3])
    std::abort();
  return 0;
}
