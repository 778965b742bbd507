// SPDX-License-Identifier: MIT
// Find and ExtractBetween against a slow, obviously correct reading of the same rules.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/extract.h"
#include "core/text.h"
#include "tests/support/find_model.h"

using qirvo::test::ModelExtract;
using qirvo::test::ModelFind;

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
