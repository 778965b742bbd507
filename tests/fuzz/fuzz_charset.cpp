// SPDX-License-Identifier: MIT
// The conversions never crash, never half-convert, and what they write is valid.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/charset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string in(reinterpret_cast<const char*>(data), size);
  using qirvo::ConvertCharset;

  // Strict: all or nothing, and what comes out goes back to exactly what went in.
  for (const char* to : {"GB2312", "GB18030", "GBK"}) {
    const std::string out = ConvertCharset(in, "UTF-8", to);
    if (!out.empty() && ConvertCharset(out, to, "UTF-8") != in) std::abort();
  }
  // Lossy, towards GBK: always valid GBK, and as long as the input has characters.
  const std::string gbk = qirvo::Utf8ToGbk(in);
  if (!gbk.empty() && ConvertCharset(gbk, "GBK", "UTF-8").empty()) std::abort();
  // Lossy, towards UTF-8: always valid UTF-8 whatever the bytes.
  const std::string utf8 = qirvo::GbkToUtf8(in);
  if (!utf8.empty() && ConvertCharset(utf8, "UTF-8", "UTF-16LE").empty()) std::abort();
  if (!in.empty() && utf8.empty()) std::abort();
  return 0;
}
