// Word texts, numbers and bit vectors: the conversions every instruction uses.
#include <string>
#include <utility>
#include <vector>

#include "instruction_fixture.h"
#include "instructions/bit_vector.h"
#include "instructions/word_arithmetic.h"

namespace casl2wb::instructiontest {
namespace {

class WordConversion : public InstructionFixture {};

BitVector onlyBits(std::initializer_list<int> elements) {
  BitVector v{};
  for (int k : elements) v[k] = 1;
  return v;
}

BitVector allSixteen() {
  BitVector v{};
  for (int k = 1; k <= 16; ++k) v[k] = 1;
  return v;
}

TEST_F(WordConversion, Hex4ReducesModulo65536AndLeavesTheTextInHexWork) {
  const std::vector<std::pair<std::int64_t, std::string>> cases = {
      {-1, "FFFF"},     {65535, "FFFF"}, {65536, "0000"}, {32768, "8000"},  {-32768, "8000"},
      {-32769, "7FFF"}, {0, "0000"},     {10, "000A"},    {131070, "FFFE"}, {-65536, "0000"}};
  for (const auto& [n, text] : cases) {
    EXPECT_EQ(hex4(m, n), text) << n;
    EXPECT_EQ(m.hexWork, text) << n;
  }
}

TEST_F(WordConversion, ZerofPadsOneToThreeCharactersOnly) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"A", "000A"},    {"1F", "001F"}, {"ABC", "0ABC"},    {" ", " "},
      {"    ", "    "}, {"", ""},       {"12345", "12345"}, {"8000", "8000"}};
  for (auto [text, expected] : cases) {
    zerof(text);
    EXPECT_EQ(text, expected);
  }
}

TEST_F(WordConversion, Keta4KeepsTheRightmostFour) {
  std::string longer = "12345";
  keta4(longer);
  EXPECT_EQ(longer, "2345");
  std::string four = "ABCD";
  keta4(four);
  EXPECT_EQ(four, "ABCD");
  std::string shorter = "AB";
  keta4(shorter);
  EXPECT_EQ(shorter, "AB");
}

TEST_F(WordConversion, SignedAndUnsignedValuesOfWords) {
  EXPECT_EQ(signedValue(MemoryWord::hex(0x8000)), -32768);
  EXPECT_EQ(signedValue(MemoryWord::hex(0xFFFF)), -1);
  EXPECT_EQ(signedValue(MemoryWord::hex(0x7FFF)), 32767);
  EXPECT_EQ(signedValue(MemoryWord::hex(0x0041)), 65);
  EXPECT_EQ(signedValue(MemoryWord::hex(0x0FFF)), 4095);
  EXPECT_EQ(signedValue(MemoryWord::blank()), 0);
  EXPECT_EQ(unsignedValue(MemoryWord::hex(0xFFFF)), 65535);
  EXPECT_EQ(unsignedValue(MemoryWord::hex(0x8000)), 32768);
  EXPECT_EQ(unsignedValue(MemoryWord::blank()), 0);
}

TEST_F(WordConversion, S102TakesTheLowSixteenTwosComplementBits) {
  BitVector v{};
  S102(-1, v);
  EXPECT_EQ(v, allSixteen());
  S102(-32768, v);
  EXPECT_EQ(v, onlyBits({16}));
  S102(65536, v);
  EXPECT_EQ(v, BitVector{});
  S102(32768, v);
  EXPECT_EQ(v, onlyBits({16}));
  S102(0x4001, v);
  EXPECT_EQ(v, onlyBits({1, 15}));
  S102(-65535, v);  // ...0001 modulo 65536
  EXPECT_EQ(v, onlyBits({1}));
}

TEST_F(WordConversion, S210GivesTheUnsignedValueOfTheBits) {
  for (std::int64_t n : {-65536LL, -32769LL, -32768LL, -1LL, 0LL, 1LL, 0x1234LL, 32767LL, 32768LL,
                         65535LL, 65536LL, 131070LL}) {
    BitVector v{};
    S102(n, v);
    std::int64_t back = -7;
    S210(back, v);
    EXPECT_EQ(back, ((n % 65536) + 65536) % 65536) << n;
  }
}

TEST_F(WordConversion, S162ReadsHexWorkAsASignedWord) {
  const std::vector<std::pair<std::string, std::int64_t>> cases = {
      {"8000", -32768}, {"FFFF", -1}, {"7FFF", 32767}, {"FFF", 4095}, {"    ", 0}, {"0041", 65}};
  for (const auto& [text, value] : cases) {
    m.hexWork = text;
    std::int64_t n = 0;
    BitVector v{};
    s162(m, n, v);
    EXPECT_EQ(n, value) << text;
    EXPECT_EQ(v[16], value < 0 ? 1 : 0) << text;
  }
}

TEST_F(WordConversion, CompIsComplementPlusOneAndMinasuItsNegation) {
  const std::vector<std::pair<std::string, std::int64_t>> compCases = {
      {"8000", 32768}, {"FFFF", 1}, {"7FFF", 32769}, {"0000", 65536}};
  for (const auto& [text, value] : compCases) {
    m.hexWork = text;
    std::int64_t n = 0;
    BitVector v{};
    comp(m, n, v);
    EXPECT_EQ(n, value) << text;
  }
  for (const auto& [text, value] : std::vector<std::pair<std::string, std::int64_t>>{
           {"8000", -32768}, {"FFFF", -1}, {"FFFE", -2}, {"C000", -16384}}) {
    m.hexWork = text;
    std::int64_t n = 0;
    BitVector v{};
    minasu(m, n, v);
    EXPECT_EQ(n, value) << text;
  }
}

TEST_F(WordConversion, SignedValueOfANumberAsAWord) {
  const std::vector<std::pair<std::int64_t, std::int64_t>> cases = {
      {32768, -32768}, {65535, -1}, {32767, 32767},   {-1, -1},     {65536, 0},
      {-32769, 32767}, {0, 0},      {-32768, -32768}, {131070, -2}, {1, 1}};
  for (const auto& [n, value] : cases) {
    const std::string word = wordOf(n).text();
    EXPECT_EQ(wordSignedValue(m, n), value) << n;
    EXPECT_EQ(m.hexWork, word) << n;
  }
}

}  // namespace
}  // namespace casl2wb::instructiontest
