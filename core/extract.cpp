// SPDX-License-Identifier: MIT
#include "core/extract.h"

namespace qirvo {

Text ExtractBetween(std::string_view text, std::string_view left, std::string_view right) {
  if (left.empty() || right.empty()) return {};
  const int a = Find(text, left, true);
  if (a == -1) return {};
  // The right marker is searched in what follows the left one, with character starts
  // counted afresh from there, exactly as a search of the cut-off rest would.
  const std::string_view rest = text.substr(static_cast<size_t>(a - 1) + left.size());
  const int c = Find(rest, right, true);
  if (c == -1) return {};
  return Left(rest, c - 1);
}

}  // namespace qirvo
