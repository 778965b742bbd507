// SPDX-License-Identifier: MIT
#include "core/text.h"

#include <cstring>
#include <vector>

namespace qirvo {
namespace {

constexpr unsigned char FoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

constexpr bool IsLeadByte(unsigned char c) { return (c & 0x80) != 0; }

// Next position not before `from` where the folded byte `first` could start a match.
size_t SkipTo(std::string_view hay, size_t from, unsigned char first, bool ignoreCase) {
  const bool letter = ignoreCase && first >= 'a' && first <= 'z';
  if (!letter) {
    const void* p = std::memchr(hay.data() + from, first, hay.size() - from);
    return p ? static_cast<size_t>(static_cast<const char*>(p) - hay.data()) : hay.size();
  }
  while (from < hay.size() && FoldAscii(static_cast<unsigned char>(hay[from])) != first) ++from;
  return from;
}

}  // namespace

Text BytesToText(const Bytes& b) { return Text(b.data(), ::strnlen(b.data(), b.size())); }

Text BytesToText(Bytes&& b) {
  b.resize(::strnlen(b.data(), b.size()));
  return std::move(b);
}

Bytes TextToBytes(const Text& t) { return t; }

int Length(std::string_view t) { return static_cast<int>(t.size()); }

bool Equal(std::string_view a, std::string_view b) { return a == b; }

// Knuth-Morris-Pratt over (optionally) case-folded bytes, so adversarial needles cost no
// rescanning; every occurrence is then checked against the character starts, which a
// second cursor walks forward only once.
int Find(std::string_view hay, std::string_view needle, bool ignoreCase) {
  const size_t n = hay.size();
  const size_t m = needle.size();
  if (m == 0) return n ? 1 : -1;
  if (m > n) return -1;

  std::vector<unsigned char> pat(needle.begin(), needle.end());
  if (ignoreCase)
    for (auto& c : pat) c = FoldAscii(c);
  std::vector<size_t> fail(m, 0);
  for (size_t i = 1, k = 0; i < m; ++i) {
    while (k > 0 && pat[i] != pat[k]) k = fail[k - 1];
    if (pat[i] == pat[k]) ++k;
    fail[i] = k;
  }

  size_t charStart = 0;
  size_t j = 0;
  for (size_t i = 0; i < n; ++i) {
    if (j == 0) {
      i = SkipTo(hay, i, pat[0], ignoreCase);
      if (i + m > n) return -1;
    }
    unsigned char c = static_cast<unsigned char>(hay[i]);
    if (ignoreCase) c = FoldAscii(c);
    while (j > 0 && c != pat[j]) j = fail[j - 1];
    if (c == pat[j]) ++j;
    if (j < m) continue;

    const size_t start = i + 1 - m;
    while (charStart < start)
      charStart += IsLeadByte(static_cast<unsigned char>(hay[charStart])) ? 2 : 1;
    if (charStart == start) return static_cast<int>(start + 1);
    j = fail[m - 1];
  }
  return -1;
}

Text Left(std::string_view t, int n) {
  if (n <= 0) return {};
  return Text(t.substr(0, static_cast<size_t>(n)));
}

Text Right(std::string_view t, int n) {
  if (n <= 0) return {};
  const size_t k = std::min(t.size(), static_cast<size_t>(n));
  return Text(t.substr(t.size() - k));
}

}  // namespace qirvo
