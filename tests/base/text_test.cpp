// The character-based text helpers and the UTF-8 conversions.
#include "base/text.h"

#include <gtest/gtest.h>

#include <string>

namespace casl2wb {
namespace {

using namespace std::string_literals;

TEST(TextHelpers, PrefixSuffixAndSearchCountCharacters) {
  EXPECT_TRUE(contains(U"GR1,='A B'", U"A B"));
  EXPECT_FALSE(contains(U"GR1,X", U"'"));
  EXPECT_TRUE(contains(U"abc", U""));
  EXPECT_TRUE(startsWith(U"=#0020", U"=#"));
  EXPECT_FALSE(startsWith(U"=", U"=#"));
  EXPECT_TRUE(endsWith(U"'漢字'", U"字'"));
  EXPECT_FALSE(endsWith(U"'", U"''"));
  EXPECT_TRUE(isOneOf(U"END", {U"START", U"END"}));
  EXPECT_FALSE(isOneOf(U"end", {U"START", U"END"}));
}

TEST(TextHelpers, CapitalLettersAreAToZOnly) {
  EXPECT_TRUE(hasCapitalLetter(U"12G4"));
  EXPECT_FALSE(hasCapitalLetter(U"1234"));
  EXPECT_FALSE(hasCapitalLetter(U"abc"));
  EXPECT_FALSE(hasCapitalLetter(U"ＡＢ"));  // double-width letters are not A-Z
}

TEST(TextHelpers, DropTrailingSpaceRemovesOneSpace) {
  for (const auto& [before, after] : {std::pair<Text, Text>{U"GR1  ", U"GR1 "},
                                      {U"GR1 ", U"GR1"},
                                      {U"GR1", U"GR1"},
                                      {U" ", U""},
                                      {U"", U""}}) {
    Text text = before;
    dropTrailingSpace(text);
    EXPECT_EQ(text, after) << toUtf8(before);
  }
}

TEST(Utf8, RoundTripsEveryPlane) {
  const Text text = U"A\0ｱ漢\U0001F600"s;
  EXPECT_EQ(toUtf8(text), "A\0\xEF\xBD\xB1\xE6\xBC\xA2\xF0\x9F\x98\x80"s);
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);
}

TEST(Utf8, BadBytesAndCodePointsBecomeReplacementCharacters) {
  EXPECT_EQ(fromUtf8("A\xFF"
                     "B"),
            U"A\uFFFDB");
  EXPECT_EQ(toUtf8(Text(1, char32_t{0x110000})), "\xEF\xBF\xBD");
}

TEST(Utf8, ValidityIsStrict) {
  EXPECT_TRUE(isValidUtf8("PRG START ;\xE3\x83\x86"));
  EXPECT_TRUE(isValidUtf8(""));
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(isValidUtf8("\xE3\x83"));          // cut off
}

}  // namespace
}  // namespace casl2wb
