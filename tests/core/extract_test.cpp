// SPDX-License-Identifier: MIT
#include "core/extract.h"

#include <gtest/gtest.h>

#include "tests/support/by_name.h"

#include "core/charset.h"

namespace qirvo {
namespace {

struct ExtractCase {
  const char* name;
  std::string text, left, right, expected;
};

class ExtractTable : public testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractTable, CutsBetweenMarkers) {
  const ExtractCase& c = GetParam();
  EXPECT_EQ(ExtractBetween(c.text, c.left, c.right), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractTable,
    testing::Values(
        ExtractCase{"Simple", "abc[x]def", "[", "]", "x"},
        ExtractCase{"RightMissing", "abc[x]def", "[", ")", ""},
        ExtractCase{"FirstLeftNextRight", "[[x]]", "[", "]", "[x"},
        ExtractCase{"CaseOfTagsIgnored", "<P><SPAN>v</SPAN>", "<p><span>", "</span>", "v"},
        ExtractCase{"EmptyLeft", "a[x]", "", "]", ""},
        ExtractCase{"EmptyRight", "a[x]", "[", "", ""},
        ExtractCase{"LeftAtEnd", "abc[", "[", "]", ""},
        ExtractCase{"Adjacent", "a[]b", "[", "]", ""},
        ExtractCase{"RightOnlyBeforeLeft", "]a[b", "[", "]", ""},
        ExtractCase{"LaterLeftNotTried", "[a(b[c]", "[", "]", "a(b[c"},
        ExtractCase{"LeftMissing", "abc]", "[", "]", ""}),
    test::ByName());

TEST(ExtractBetween, ComparesChineseMarkersExactly) {
  const Text page = Gbk("所查IP地址是：<span class=\"bred\">1.2.3.4</span>");
  EXPECT_EQ(ExtractBetween(page, Gbk("IP地址是：<SPAN CLASS=\"BRED\">"), "</span>"), "1.2.3.4");
  EXPECT_EQ(ExtractBetween(page, Gbk("ip地址是：<span class=\"bred\">"), "</span>"), "1.2.3.4");
}

TEST(ExtractBetween, RightMarkerIsNotFoundInsideATwoByteCharacter) {
  // "\xB0\x5D" is one character whose second byte is "]".
  EXPECT_EQ(ExtractBetween("[a\xB0]b]", "[", "]"), "a\xB0]b");
}

}  // namespace
}  // namespace qirvo
