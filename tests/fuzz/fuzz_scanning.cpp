// SPDX-License-Identifier: MIT
// Find and ExtractBetween against a slow, obviously correct reading of the same rules.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/extract.h"
#include "core/text.h"

namespace {

int ModelFind(const std::string& hay, const std::string& needle, bool ignoreCase) {
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

std::string ModelExtract(const std::string& text, const std::string& left, const std::string& right) {
  if (left.empty() || right.empty()) return {};
  const int a = ModelFind(text, left, true);
  if (a == -1) return {};
  const std::string rest = text.substr(static_cast<size_t>(a - 1) + left.size());
  const int c = ModelFind(rest, right, true);
  return c == -1 ? std::string() : rest.substr(0, static_cast<size_t>(c - 1));
}

}  // namespace

// Input: two length bytes, then the left marker, the right marker and the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  std::string in(reinterpret_cast<const char*>(data) + 2, size - 2);
  const size_t l = std::min<size_t>(data[0] % 16, in.size());
  const size_t r = std::min<size_t>(data[1] % 16, in.size() - l);
  const std::string left = in.substr(0, l), right = in.substr(l, r), text = in.substr(l + r);
  for (const bool ignoreCase : {false, true})
    if (qirvo::Find(text, left, ignoreCase) != ModelFind(text, left, ignoreCase)) std::abort();
  if (qirvo::ExtractBetween(text, left, right) != ModelExtract(text, left, right)) std::abort();
  return 0;
}
