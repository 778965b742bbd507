// SPDX-License-Identifier: MIT
#include "core/charset.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace qirvo {
namespace {

// One iconv descriptor per thread and direction, opened on first use: opening one costs
// more than converting a page, and every lookup converts.
iconv_t Descriptor(const char* from, const char* to) {
  struct Entry {
    std::string from, to;
    iconv_t cd;
  };
  struct Cache {
    std::vector<Entry> entries;
    ~Cache() {
      for (Entry& e : entries)
        if (e.cd != reinterpret_cast<iconv_t>(-1)) iconv_close(e.cd);
    }
  };
  thread_local Cache cache;
  for (Entry& e : cache.entries)
    if (e.from == from && e.to == to) {
      if (e.cd != reinterpret_cast<iconv_t>(-1)) iconv(e.cd, nullptr, nullptr, nullptr, nullptr);
      return e.cd;
    }
  cache.entries.push_back({from, to, iconv_open(to, from)});
  return cache.entries.back().cd;
}

class Converter {
 public:
  Converter(const char* from, const char* to) : cd_(Descriptor(from, to)) {}

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of `in` as it can, appending to `out`; returns errno of the stop, 0 at end.
  int Run(std::string_view& in, std::string& out) {
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    int err = 0;
    while (srcLeft > 0) {
      const size_t used = out.size();
      out.resize(used + srcLeft * 2 + 16);
      char* dst = out.data() + used;
      size_t dstLeft = out.size() - used;
      const size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.resize(out.size() - dstLeft);
      if (r != static_cast<size_t>(-1)) break;
      if (errno != E2BIG) {
        err = errno;
        break;
      }
    }
    in.remove_prefix(in.size() - srcLeft);
    return err;
  }

 private:
  iconv_t cd_;
};

size_t Utf8SequenceLength(std::string_view s) {
  const auto c = static_cast<unsigned char>(s[0]);
  size_t len = c < 0xC2 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : c < 0xF5 ? 4 : 1;
  if (len > s.size()) return 1;
  for (size_t i = 1; i < len; ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
  return len;
}

std::string ConvertLossy(std::string_view in, const char* from, const char* to,
                         std::string_view replacement, bool skipUtf8Character) {
  Converter conv(from, to);
  std::string out;
  if (!conv.ok()) return out;
  out.reserve(in.size());
  while (!in.empty()) {
    const int err = conv.Run(in, out);
    if (err == 0) break;
    out.append(replacement);
    if (err == EINVAL) break;  // a sequence cut off by the end of the input
    in.remove_prefix(skipUtf8Character ? Utf8SequenceLength(in) : 1);
  }
  return out;
}

}  // namespace

Bytes ConvertCharset(std::string_view in, const char* from, const char* to) {
  Converter conv(from, to);
  Bytes out;
  if (!conv.ok()) return out;
  out.reserve(in.size());
  if (conv.Run(in, out) != 0 || !in.empty()) return {};
  return out;
}

Bytes Utf8ToGb2312(std::string_view utf8) { return ConvertCharset(utf8, "UTF-8", "GB2312"); }

Text Utf8ToGbk(std::string_view utf8) { return ConvertLossy(utf8, "UTF-8", "GBK", "?", true); }

std::string GbkToUtf8(std::string_view gbk) {
  return ConvertLossy(gbk, "GBK", "UTF-8", "\xEF\xBF\xBD", false);
}

Text Gbk(std::string_view utf8Literal) {
  Text t = ConvertCharset(utf8Literal, "UTF-8", "GBK");
  if (t.empty() && !utf8Literal.empty()) {
    std::fprintf(stderr, "qirvo: literal not representable in GBK\n");
    std::abort();
  }
  return t;
}

}  // namespace qirvo
