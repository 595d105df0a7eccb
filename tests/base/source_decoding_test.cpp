// Decoding source bytes and cutting texts into lines.
#include <gtest/gtest.h>

#include <string>

#include "base/source_file.h"

namespace casl2wb {
namespace {

using namespace std::string_literals;

TEST(DecodeSourceBytes, AsciiIsKeptAsIs) {
  EXPECT_EQ(decodeSourceBytes("PRG START ;x\t"), U"PRG START ;x\t");
}

TEST(DecodeSourceBytes, DecodesUtf8) {
  EXPECT_EQ(decodeSourceBytes("\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC\xE6\xBC\xA2"), U"エラー漢");
  EXPECT_EQ(decodeSourceBytes("\xEF\xBD\xB4\xEF\xBE\x97-"), U"ｴﾗ-");
  EXPECT_EQ(decodeSourceBytes("\xF0\x9F\x98\x80"), U"\U0001F600");
}

TEST(DecodeSourceBytes, DropsOneLeadingByteOrderMark) {
  EXPECT_EQ(decodeSourceBytes("\xEF\xBB\xBFSTART"), U"START");
  EXPECT_EQ(decodeSourceBytes("\xEF\xBB\xBF"), U"");
  EXPECT_EQ(decodeSourceBytes("\xEF\xBB\xBF\xEF\xBB\xBFX"), U"\uFEFFX");
  EXPECT_EQ(decodeSourceBytes("A\xEF\xBB\xBF"), U"A\uFEFF");
}

TEST(DecodeSourceBytes, DecodesCp932HalfWidthKatakana) {
  EXPECT_EQ(decodeSourceBytes("\xB4\xD7-"), U"ｴﾗ-");
}

TEST(DecodeSourceBytes, DecodesCp932Kanji) {
  EXPECT_EQ(decodeSourceBytes("LD ;\x8A\xBF\x8E\x9A"), U"LD ;漢字");
  EXPECT_EQ(decodeSourceBytes("\x83\x47\x83\x89\x81\x5B"), U"エラー");
}

TEST(DecodeSourceBytes, Cp932BackslashStaysBackslash) {
  EXPECT_EQ(decodeSourceBytes("\xB4\\"), U"ｴ\\");
}

TEST(DecodeSourceBytes, OverlongUtf8IsReadAsCp932) {
  // Each of these would be an overlong "/" in UTF-8.
  EXPECT_EQ(decodeSourceBytes("\xC0\xAF"), U"ﾀｯ");
  EXPECT_EQ(decodeSourceBytes("\xE0\x80\xAF"), U"\u70D9ｯ");
  EXPECT_EQ(decodeSourceBytes("\xF0\x80\x80\xAF"), U"\uE03F\uFFFDｯ");
}

TEST(DecodeSourceBytes, EncodedSurrogateIsNotUtf8) {
  const Text text = decodeSourceBytes("\xED\xA0\x80");
  EXPECT_EQ(text, U"\u605D\uFFFD");
}

TEST(DecodeSourceBytes, CodePointAbove10FFFFIsNotUtf8) {
  const Text text = decodeSourceBytes("\xF4\x90\x80\x80");
  EXPECT_EQ(text, U"\uE33F\uFFFD\uFFFD");
}

TEST(DecodeSourceBytes, BytesInvalidInBothBecomeReplacementCharacters) {
  EXPECT_EQ(decodeSourceBytes("\x80"), U"\uFFFD");
  EXPECT_EQ(decodeSourceBytes("A\xFF\xFE"
                              "B"),
            U"A\uFFFD\uFFFDB");
  EXPECT_EQ(decodeSourceBytes("\x82 X"), U"\uFFFD X");
  // A lead byte cut off by the end of the file.
  EXPECT_EQ(decodeSourceBytes("AB\x82"), U"AB\uFFFD");
  EXPECT_EQ(decodeSourceBytes("\xB4\x80\xB4"), U"ｴ\uFFFDｴ");
}

TEST(DecodeSourceBytes, KeepsNulBytes) {
  EXPECT_EQ(decodeSourceBytes("A\0B"s), U"A\0B"s);
  EXPECT_EQ(decodeSourceBytes("\0\xB4\0"s), U"\0ｴ\0"s);
}

TEST(DecodeSourceBytes, EmptyInputGivesEmptyText) { EXPECT_EQ(decodeSourceBytes(""), U""); }

TEST(DecodeSourceBytes, EveryTwoByteInputDecodesToOneOrTwoCharacters) {
  for (int first = 0; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
      const Text text = decodeSourceBytes(bytes);
      ASSERT_GE(text.size(), 1u) << first << ' ' << second;
      ASSERT_LE(text.size(), 2u) << first << ' ' << second;
      for (char32_t c : text) ASSERT_LE(c, U'\U0010FFFF');
    }
  }
}

TEST(DecodeSourceBytes, LongCp932TextIsDecodedCompletely) {
  std::string bytes;
  Text expected;
  for (int i = 0; i < 100000; ++i) {
    bytes +=
        "\x8A\xBF"
        "A\xFF";
    expected += U"漢A\uFFFD";
  }
  EXPECT_EQ(decodeSourceBytes(bytes), expected);
}

TEST(SplitSourceLines, EmptyTextHasNoLines) { EXPECT_TRUE(splitSourceLines(U"").empty()); }

TEST(SplitSourceLines, LastLineWithoutLineEndIsALine) {
  EXPECT_EQ(splitSourceLines(U"A"), std::vector<Text>({U"A"}));
  EXPECT_EQ(splitSourceLines(U"A\nB"), std::vector<Text>({U"A", U"B"}));
}

TEST(SplitSourceLines, FinalLineEndAddsNoEmptyLine) {
  EXPECT_EQ(splitSourceLines(U"A\n"), std::vector<Text>({U"A"}));
  EXPECT_EQ(splitSourceLines(U"A\r\n"), std::vector<Text>({U"A"}));
  EXPECT_EQ(splitSourceLines(U"A\r"), std::vector<Text>({U"A"}));
}

TEST(SplitSourceLines, MixedLineEnds) {
  EXPECT_EQ(splitSourceLines(U"A\r\nB\nC\rD"), std::vector<Text>({U"A", U"B", U"C", U"D"}));
}

TEST(SplitSourceLines, EmptyLines) {
  EXPECT_EQ(splitSourceLines(U"\r\n"), std::vector<Text>({U""}));
  EXPECT_EQ(splitSourceLines(U"\n\n"), std::vector<Text>({U"", U""}));
  // A lone CR followed by CR LF, and LF followed by a lone CR, are two line ends.
  EXPECT_EQ(splitSourceLines(U"\r\r\n"), std::vector<Text>({U"", U""}));
  EXPECT_EQ(splitSourceLines(U"\n\r"), std::vector<Text>({U"", U""}));
  EXPECT_EQ(splitSourceLines(U"A\n\nB"), std::vector<Text>({U"A", U"", U"B"}));
}

TEST(SplitSourceLines, OtherCharactersStayInTheLine) {
  const Text line = U" LD\tGR1,X\v\f\u2028;\0z"s;
  EXPECT_EQ(splitSourceLines(line + U"\r\n"), std::vector<Text>({line}));
}

}  // namespace
}  // namespace casl2wb
