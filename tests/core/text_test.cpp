// SPDX-License-Identifier: MIT
#include "core/text.h"

#include <gtest/gtest.h>

#include "tests/support/by_name.h"
#include "tests/support/find_model.h"

#include <random>

namespace qirvo {
namespace {

struct FindCase {
  const char* name;
  std::string hay;
  std::string needle;
  bool ignoreCase;
  int expected;
};

class FindTable : public testing::TestWithParam<FindCase> {};

TEST_P(FindTable, GivesFirstMatchAtACharacterStart) {
  const FindCase& c = GetParam();
  EXPECT_EQ(Find(c.hay, c.needle, c.ignoreCase), c.expected);
}

// "\x81\x41" is one GBK character whose second byte is the letter "A".
INSTANTIATE_TEST_SUITE_P(
    Cases, FindTable,
    testing::Values(
        FindCase{"EmptyNeedleInText", "abc", "", false, 1},
        FindCase{"EmptyNeedleInEmpty", "", "", false, -1},
        FindCase{"NeedleInEmpty", "", "a", true, -1},
        FindCase{"IgnoreCaseFolds", "xABcx", "abc", true, 2},
        FindCase{"ExactDoesNotFold", "xABcx", "abc", false, -1},
        FindCase{"FoldsOnlyAsciiLetters", "[x]", "{X}", true, -1},
        FindCase{"NeedleLongerThanText", "ab", "abc", false, -1},
        FindCase{"MatchAtEnd", "xxabc", "abc", false, 3},
        FindCase{"TrailByteIsNotALetter", "\x81\x41", "A", false, -1},
        FindCase{"TrailByteNotFoldedEither", "\x81\x41", "a", true, -1},
        FindCase{"LetterAfterTwoByteChar", "\x81\x41" "A", "A", false, 3},
        FindCase{"StraddlingMatchSkipped", "\xB0\xA1\xB0\xA1", "\xA1\xB0", false, -1},
        FindCase{"TwoByteNeedle", "a\xB0\xA1", "\xB0\xA1", false, 2},
        FindCase{"LeadByteAtEndOfText", "ab\xB0", "\xB0", false, 3},
        FindCase{"OverlappingPrefix", "aaab", "aab", false, 2}),
    test::ByName());

using test::ModelFind;

TEST(Find, AgreesWithTheCharacterWalkOnRandomText) {
  std::mt19937 rng(7);
  const char alphabet[] = {'a', 'A', 'b', '\x81', '\xB0', 'a'};
  auto draw = [&](size_t max) {
    std::string s(rng() % (max + 1), ' ');
    for (char& c : s) c = alphabet[rng() % sizeof alphabet];
    return s;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::string hay = draw(24), needle = draw(4);
    const bool ignoreCase = rng() % 2;
    ASSERT_EQ(Find(hay, needle, ignoreCase), ModelFind(hay, needle, ignoreCase))
        << "hay=" << testing::PrintToString(hay) << " needle=" << testing::PrintToString(needle);
  }
}

TEST(Find, AdversarialInputsGiveTheRightAnswer) {
  const std::string flood(16u << 20, 'a');
  EXPECT_EQ(Find(flood, std::string(1000, 'a') + "b", false), -1);

  // Every odd position matches byte-wise but none is a character start, until the end.
  std::string pairs;
  for (int i = 0; i < 200000; ++i) pairs += "\x81" "a";
  std::string needle;
  for (int i = 0; i < 500; ++i) needle += "a\x81";
  EXPECT_EQ(Find(pairs, needle, false), -1);
  EXPECT_EQ(Find(pairs + "x" + needle, needle, false), static_cast<int>(pairs.size()) + 2);
}

TEST(Primitives, LeftAndRightClampTheirCount) {
  EXPECT_EQ(Left("abc", 0), "");
  EXPECT_EQ(Left("abc", -1), "");
  EXPECT_EQ(Left("abc", 2), "ab");
  EXPECT_EQ(Left("abc", 9), "abc");
  EXPECT_EQ(Right("abc", -1), "");
  EXPECT_EQ(Right("abc", 0), "");
  EXPECT_EQ(Right("abc", 2), "bc");
  EXPECT_EQ(Right("abc", 9), "abc");
}

TEST(Primitives, LengthEqualAndConcatWorkOnBytes) {
  EXPECT_EQ(Length("\xC4\xE3" "a"), 3);
  EXPECT_TRUE(Equal(Text(), ""));
  EXPECT_FALSE(Equal("a", "A"));
  EXPECT_EQ(Concat("a", Text("b"), std::string_view("c"), ""), "abc");
  EXPECT_EQ(Concat(), "");
}

TEST(Primitives, BytesToTextStopsAtTheFirstNul) {
  EXPECT_EQ(BytesToText(Bytes("ab\0cd", 5)), "ab");
  EXPECT_EQ(BytesToText(Bytes("abc")), "abc");
  EXPECT_EQ(BytesToText(Bytes()), "");
  EXPECT_EQ(TextToBytes("abc"), Bytes("abc"));
}

}  // namespace
}  // namespace qirvo
