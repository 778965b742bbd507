// SPDX-License-Identifier: MIT
#include "core/charset.h"

#include <gtest/gtest.h>

#include "tests/support/by_name.h"

namespace qirvo {
namespace {

struct ConversionCase {
  const char* name;
  std::string in;
  std::string expected;
};

class Utf8ToGb2312Table : public testing::TestWithParam<ConversionCase> {};

TEST_P(Utf8ToGb2312Table, ConvertsAllOrNothing) {
  EXPECT_EQ(Utf8ToGb2312(GetParam().in), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ToGb2312Table,
    testing::Values(
        ConversionCase{"Ascii", "QQ 123", "QQ 123"},
        ConversionCase{"Chinese", "\xE4\xBD\xA0\xE5\xA5\xBD", "\xC4\xE3\xBA\xC3"},  // 你好
        ConversionCase{"Empty", "", ""},
        ConversionCase{"OutsideGb2312", "ok \xC2\xA9 2014", ""},   // ©
        ConversionCase{"InvalidUtf8", "ok \xFF ok", ""},
        ConversionCase{"CutOffSequence", "ok \xE4\xBD", ""}),
    test::ByName());

TEST(ConvertCharset, UnknownCharsetGivesEmpty) {
  EXPECT_EQ(ConvertCharset("abc", "UTF-8", "NO-SUCH-CHARSET"), "");
}

TEST(ConvertCharset, LargeInputGrowsTheOutput) {
  std::string in;
  for (int i = 0; i < 100000; ++i) in += "\xE4\xBD\xA0";
  const Bytes out = ConvertCharset(in, "UTF-8", "GBK");
  ASSERT_EQ(out.size(), 200000u);
  EXPECT_EQ(out.substr(0, 4), "\xC4\xE3\xC4\xE3");
}

class Utf8ToGbkTable : public testing::TestWithParam<ConversionCase> {};

TEST_P(Utf8ToGbkTable, ReplacesWhatGbkCannotHold) {
  EXPECT_EQ(Utf8ToGbk(GetParam().in), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ToGbkTable,
    testing::Values(
        ConversionCase{"Chinese", "\xE4\xBD\xA0" "a", "\xC4\xE3" "a"},
        ConversionCase{"Emoji", "a\xF0\x9F\x98\x80" "b", "a?b"},
        ConversionCase{"InvalidByte", "a\xFF" "b", "a?b"},
        ConversionCase{"CutOffAtEnd", "a\xE4\xBD", "a?"},
        ConversionCase{"Empty", "", ""}),
    test::ByName());

TEST(GbkToUtf8, ConvertsAndMarksBrokenBytes) {
  EXPECT_EQ(GbkToUtf8("\xC4\xE3\r\n"), "\xE4\xBD\xA0\r\n");
  EXPECT_EQ(GbkToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
}

TEST(Gbk, TurnsUtf8LiteralsIntoGbk) {
  EXPECT_EQ(Gbk("丶"), "\xD8\xBC");
  EXPECT_EQ(Gbk("错误,请重新查询！"), "\xB4\xED\xCE\xF3,\xC7\xEB\xD6\xD8\xD0\xC2\xB2\xE9\xD1\xAF\xA3\xA1");
}

}  // namespace
}  // namespace qirvo
