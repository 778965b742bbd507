// SPDX-License-Identifier: MIT
#include "core/system_online.h"

#include <ifaddrs.h>
#include <net/if.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace qirvo {
namespace {

constexpr unsigned long kRouteUp = 0x1;

std::string ReadFile(const char* path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::vector<std::string>> Rows(std::string_view table) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines{std::string(table)};
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    rows.emplace_back(std::istream_iterator<std::string>(words),
                      std::istream_iterator<std::string>());
  }
  return rows;
}

unsigned long Hex(const std::string& s) { return std::strtoul(s.c_str(), nullptr, 16); }

bool AnyInterfaceUp() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return false;
  bool up = false;
  for (ifaddrs* i = list; i && !up; i = i->ifa_next) {
    const unsigned flags = i->ifa_flags;
    up = (flags & IFF_UP) && (flags & IFF_RUNNING) && !(flags & IFF_LOOPBACK);
  }
  freeifaddrs(list);
  return up;
}

}  // namespace

bool HasDefaultRoute(std::string_view ipv4Routes, std::string_view ipv6Routes) {
  // Iface Destination Gateway Flags RefCnt Use Metric Mask ...
  for (const auto& r : Rows(ipv4Routes))
    if (r.size() >= 8 && r[0] != "Iface" && r[0] != "lo" && r[1] == "00000000" &&
        r[7] == "00000000" && (Hex(r[3]) & kRouteUp))
      return true;
  // Destination PrefixLength Source SourcePrefix NextHop Metric RefCnt Use Flags Iface
  for (const auto& r : Rows(ipv6Routes))
    if (r.size() >= 10 && r[9] != "lo" && r[1] == "00" &&
        r[0].find_first_not_of('0') == std::string::npos && (Hex(r[8]) & kRouteUp))
      return true;
  return false;
}

bool SystemReportsOnline() {
  return AnyInterfaceUp() &&
         HasDefaultRoute(ReadFile("/proc/net/route"), ReadFile("/proc/net/ipv6_route"));
}

bool IsLoopbackUrl(std::string_view url) {
  const size_t scheme = url.find("://");
  if (scheme == std::string_view::npos) return false;
  std::string_view host = url.substr(scheme + 3);
  host = host.substr(0, host.find_first_of("/?#"));
  if (const size_t at = host.rfind('@'); at != std::string_view::npos) host.remove_prefix(at + 1);
  if (host.starts_with("[")) return host.starts_with("[::1]");
  host = host.substr(0, host.find(':'));
  return host == "localhost" ||
         (host.starts_with("127.") && host.find_first_not_of("0123456789.") == std::string_view::npos);
}

}  // namespace qirvo
