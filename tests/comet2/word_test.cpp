// Machine words: the word of a number, its texts, its two readings and its
// instruction fields; and the text of FR.
#include "comet2/word.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "comet2/flags.h"

namespace casl2wb {
namespace {

struct NumberCase {
  std::int64_t number;
  std::uint16_t bits;
  std::string text;
  std::int32_t signedValue;
};

// Every number is taken modulo 65536.
const std::vector<NumberCase> numberCases = {
    {-1, 0xFFFF, "FFFF", -1},         {65535, 0xFFFF, "FFFF", -1},
    {65536, 0x0000, "0000", 0},       {32768, 0x8000, "8000", -32768},
    {-32768, 0x8000, "8000", -32768}, {-32769, 0x7FFF, "7FFF", 32767},
    {0, 0x0000, "0000", 0},           {10, 0x000A, "000A", 10},
    {131070, 0xFFFE, "FFFE", -2},     {-65536, 0x0000, "0000", 0},
    {-65535, 0x0001, "0001", 1},      {0x4001, 0x4001, "4001", 0x4001},
    {32767, 0x7FFF, "7FFF", 32767},   {1, 0x0001, "0001", 1},
    {0x1234, 0x1234, "1234", 0x1234}, {std::int64_t{1} << 40, 0x0000, "0000", 0},
};

TEST(Word, OfANumberKeepsItsLowSixteenBits) {
  for (const NumberCase& c : numberCases) {
    SCOPED_TRACE(c.number);
    const Word word = Word::of(c.number);
    EXPECT_TRUE(word.hasValue());
    EXPECT_EQ(word.bits(), c.bits);
    EXPECT_EQ(word.text(), c.text);
    EXPECT_EQ(word.signedValue(), c.signedValue);
    EXPECT_EQ(word.unsignedValue(), ((c.number % 65536) + 65536) % 65536);
  }
}

TEST(Word, HexTextIsFourUpperCaseDigitsWithLeadingZeros) {
  for (const auto& [value, text] : std::vector<std::pair<std::uint16_t, std::string>>{
           {0xA, "000A"}, {0x1F, "001F"}, {0xABC, "0ABC"}, {0x8000, "8000"}, {0, "0000"}}) {
    EXPECT_EQ(hexText(value), text);
    EXPECT_EQ(Word(value).text(), text);
  }
}

TEST(Word, SignedAndUnsignedReadings) {
  struct Case {
    std::uint16_t bits;
    std::int32_t signedValue;
    std::int32_t unsignedValue;
  };
  for (const Case& c : std::vector<Case>{{0x8000, -32768, 32768},
                                         {0xFFFF, -1, 65535},
                                         {0xFFFE, -2, 65534},
                                         {0xC000, -16384, 49152},
                                         {0x7FFF, 32767, 32767},
                                         {0x0FFF, 4095, 4095},
                                         {0x0041, 65, 65},
                                         {0x0000, 0, 0}}) {
    SCOPED_TRACE(c.bits);
    EXPECT_EQ(Word(c.bits).signedValue(), c.signedValue);
    EXPECT_EQ(Word(c.bits).unsignedValue(), c.unsignedValue);
    // Bit 15 is the sign of the signed reading.
    EXPECT_EQ((c.bits & 0x8000) != 0, c.signedValue < 0);
  }
}

TEST(Word, BlankAndEmptyWordsShowTheirStateAndReadAsZero) {
  const Word blank = Word::blank();
  const Word empty;
  EXPECT_EQ(blank.text(), "    ");
  EXPECT_EQ(empty.text(), "");
  EXPECT_EQ(Word::empty(), empty);
  for (const Word& word : {blank, empty}) {
    EXPECT_FALSE(word.hasValue());
    EXPECT_EQ(word.bits(), 0);
    EXPECT_EQ(word.signedValue(), 0);
    EXPECT_EQ(word.unsignedValue(), 0);
  }
  EXPECT_TRUE(blank.isBlank());
  EXPECT_TRUE(empty.isEmpty());
  // A word of 0000 is neither, and the three differ.
  EXPECT_NE(Word(0), blank);
  EXPECT_NE(Word(0), empty);
  EXPECT_NE(blank, empty);
}

TEST(Word, InstructionFieldsAreTheCodeByteAndTheTwoLastDigits) {
  EXPECT_EQ(Word(0x5035).code(), 0x50);
  EXPECT_EQ(Word(0x5035).r(), 3);
  EXPECT_EQ(Word(0x5035).x(), 5);
  EXPECT_EQ(Word(0xF0AB).code(), 0xF0);
  EXPECT_EQ(Word(0xF0AB).r(), 0xA);
  EXPECT_EQ(Word(0xF0AB).x(), 0xB);
}

TEST(Flags, TextIsOverflowSignZero) {
  EXPECT_EQ(Flags{}.text(), "000");
  EXPECT_EQ((Flags{true, false, false}).text(), "100");
  EXPECT_EQ((Flags{false, true, false}).text(), "010");
  EXPECT_EQ((Flags{false, false, true}).text(), "001");
  EXPECT_EQ((Flags{true, true, true}).text(), "111");
}

}  // namespace
}  // namespace casl2wb
