// SPDX-License-Identifier: MIT
// Charset conversion through iconv.
#pragma once

#include <string_view>

#include "core/text.h"

namespace qirvo {

// All or nothing: empty when any part of `in` is invalid in `from` or missing in `to`.
Bytes ConvertCharset(std::string_view in, const char* from, const char* to);

Bytes Utf8ToGb2312(std::string_view utf8);

// For text typed by people: a character GBK cannot hold becomes "?", as a Windows ANSI
// conversion would do; an invalid UTF-8 byte becomes "?" as well.
Text Utf8ToGbk(std::string_view utf8);
// For showing fetched text: bytes that are not GBK become U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

// A literal written in UTF-8 source as the GBK `Text` the program works with.
Text Gbk(std::string_view utf8Literal);

// A struct of such literals, converted once, on first use, for the life of the program.
template <typename Literals>
const Literals& Once() {
  static const Literals literals;
  return literals;
}

}  // namespace qirvo
