// Constants as machine words: hex constants keep their last four digits and
// are zero-filled, decimal numbers wrap to sixteen bits.
#include "assembler/constant_word.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace casl2wb {
namespace {

TEST(ConstantWord, HexAndDecimalConstants) {
  const std::vector<std::pair<Text, std::string>> cases = {
      {U"#FF", "00FF"},    {U"#12345", "2345"}, {U"#ABCD", "ABCD"},  {U"#AB", "00AB"},
      {U"#A", "000A"},     {U"#0", "0000"},     {U"#1G", "0001"},    {U"10", "000A"},
      {U"-1", "FFFF"},     {U"65535", "FFFF"},  {U"65536", "0000"},  {U"70000", "1170"},
      {U"-65535", "0001"}, {U"+7", "0007"},     {U"-32768", "8000"}, {U"X", "0000"},
      {U"", "0000"},       {U"12AB", "000C"},   {U"#G1234", "1234"},
  };
  for (const auto& [constant, text] : cases) {
    EXPECT_EQ(constantWord(constant).text(), text) << toUtf8(constant);
  }
}

TEST(ConstantWord, DecimalWordBitsWrapLikeThirtyTwoBitNumbers) {
  EXPECT_EQ(decimalWordBits(U"65535"), 0xFFFF);
  EXPECT_EQ(decimalWordBits(U"-32768"), 0x8000);
  EXPECT_EQ(decimalWordBits(U"4294967297"), 0x0001);  // 2^32 + 1
  EXPECT_EQ(decimalWordBits(U"12 "), 12);
  EXPECT_EQ(decimalWordBits(U"GR1"), 0);
}

}  // namespace
}  // namespace casl2wb
