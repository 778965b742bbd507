// SPDX-License-Identifier: MIT
#include "lookups/ip_query.h"

#include "core/charset.h"
#include "core/extract.h"

namespace qirvo {
namespace {

struct Texts {
  Text ipLeft = Gbk("所查IP地址是：<span class=\"bred\">");
  Text ipRight = Gbk("</span>，&nbsp;属于：<span class=\"bred\">");
  Text domainLocationLeft = Gbk("属于：<span class=\"bred\">");
  Text ipLocationLeft = Gbk("&nbsp;属于：<span class=\"bred\">");
  Text locationRight = Gbk("</span></p>");
  Text errorPage = Gbk("无效的域名</h1>无效的IP地址");
  Text unresolvable = Gbk("该地址无法解析为Ip");
  Text emptyDomain = Gbk("请输入网站域名地址！");
  Text emptyIp = Gbk("错误,请输入IP地址！");
  Text offline = Gbk("错误,请检查你的网络设置！");
  Text invalidDomain = Gbk("错误,无效的域名无效的IP地址！");
  Text unresolvableMessage = Gbk("错误,该地址无法解析为Ip！");
  Text invalidIp = Gbk("错误,无效的IP地址！");
  Text retry = Gbk("错误,请重新查询！");
  Text domainLabel = Gbk("所查域名：");
  Text ipLabel = Gbk("\r\n\r\n所查IP：");
  Text firstIpLabel = Gbk("所查IP：");
  Text locationLabel = Gbk("\r\n\r\n地理位置：");
};

const Texts& T() { return Once<Texts>(); }

Text FetchLocationPage(const Text& input, Network& net, const Services& services) {
  return FetchText(net, QueryUrl(services.ipLocation, "/today.asp?ip=", input));
}

}  // namespace

Text LookupDomain(const Text& domain, Network& net, const Services& services) {
  const Texts& t = T();
  if (domain.empty()) return t.emptyDomain;
  if (!net.IsOnline()) return t.offline;
  const Text page = FetchLocationPage(domain, net, services);
  const Text ip = ExtractBetween(page, t.ipLeft, t.ipRight);
  if (ip.empty()) return t.invalidDomain;
  if (Find(page, t.errorPage, false) != -1) return t.invalidDomain;
  if (Equal(ip, domain)) return t.invalidDomain;
  if (Equal(ip, t.unresolvable)) return t.unresolvableMessage;
  const Text location = ExtractBetween(page, t.domainLocationLeft, t.locationRight);
  return Concat(t.domainLabel, domain, t.ipLabel, ip, t.locationLabel, location);
}

Text LookupIp(const Text& address, Network& net, const Services& services) {
  const Texts& t = T();
  if (address.empty()) return t.emptyIp;
  if (!net.IsOnline()) return t.offline;
  const Text page = FetchLocationPage(address, net, services);
  // Nothing fetched at all is a failed query, not a location that happens to be empty.
  if (page.empty()) return t.retry;
  const Text location = ExtractBetween(page, t.ipLocationLeft, t.locationRight);
  if (Equal(location, "()")) return t.invalidIp;
  return Concat(t.firstIpLabel, address, t.locationLabel, location);
}

}  // namespace qirvo
