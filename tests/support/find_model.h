// SPDX-License-Identifier: MIT
// The obviously correct reading of the search rules, for checking the fast ones: walk the
// character starts, compare byte by byte.
#pragma once

#include <string>

namespace qirvo::test {

inline int ModelFind(const std::string& hay, const std::string& needle, bool ignoreCase) {
  if (needle.empty()) return hay.empty() ? -1 : 1;
  auto fold = [&](unsigned char c) { return ignoreCase && c >= 'A' && c <= 'Z' ? c + 32 : c; };
  for (size_t p = 0; p + needle.size() <= hay.size();
       p += (static_cast<unsigned char>(hay[p]) & 0x80) ? 2 : 1) {
    size_t k = 0;
    while (k < needle.size() && fold(hay[p + k]) == fold(needle[k])) ++k;
    if (k == needle.size()) return static_cast<int>(p + 1);
  }
  return -1;
}

inline std::string ModelExtract(const std::string& text, const std::string& left,
                                const std::string& right) {
  if (left.empty() || right.empty()) return {};
  const int a = ModelFind(text, left, true);
  if (a == -1) return {};
  const std::string rest = text.substr(static_cast<size_t>(a - 1) + left.size());
  const int c = ModelFind(rest, right, true);
  return c == -1 ? std::string() : rest.substr(0, static_cast<size_t>(c - 1));
}

}  // namespace qirvo::test
