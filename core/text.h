// SPDX-License-Identifier: MIT
// Byte strings in GBK and the primitives every page scraper is built from.
#pragma once

#include <string>
#include <string_view>

namespace qirvo {

// GBK bytes without NUL. Positions are 1-based byte positions; -1 means "not found".
using Text = std::string;
// A counted buffer that may hold NUL bytes; empty means nothing was obtained.
using Bytes = std::string;

Text BytesToText(const Bytes& b);
Text BytesToText(Bytes&& b);
Bytes TextToBytes(const Text& t);

int Length(std::string_view t);
bool Equal(std::string_view a, std::string_view b);
// Matches only at character starts: the byte after a lead byte (high bit set) is skipped.
int Find(std::string_view hay, std::string_view needle, bool ignoreCase);
Text Left(std::string_view t, int n);
Text Right(std::string_view t, int n);

template <typename... Parts>
Text Concat(const Parts&... parts) {
  Text out;
  out.reserve((std::string_view(parts).size() + ... + 0));
  (out.append(std::string_view(parts)), ...);
  return out;
}

}  // namespace qirvo
