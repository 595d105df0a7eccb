// The browser edition's CP932 tables against the C library's converter that
// the desktop uses: every byte, every byte pair and every character of the
// Basic Multilingual Plane must come out the same.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/cp932.h"
#include "base/cp932_table.h"

namespace casl2wb {
namespace {

TEST(Cp932Table, DecodesEveryByteAndPairAsTheConverter) {
  for (unsigned code = 0; code <= 0xFFFF; ++code) {
    std::string bytes;
    if (code > 0xFF) bytes += static_cast<char>(code >> 8);
    bytes += static_cast<char>(code & 0xFF);
    ASSERT_EQ(cp932table::decode(bytes), decodeCp932(bytes)) << std::hex << code;
  }
}

TEST(Cp932Table, DecodesMixedRunsAsTheConverter) {
  // Lead bytes, trail bytes and ASCII mixed: cut pairs, a lead at the end,
  // a pair that resumes after an undecodable byte.
  const std::string alphabet = "A\x81\x82\x40\x9F\xE0\xFC\xFD\x80\xA0\xB1\x7F\x5C\xEE\xFA\xF0\x00";
  std::mt19937 random(2026);
  for (int run = 0; run < 20000; ++run) {
    std::string bytes;
    const int length = 1 + static_cast<int>(random() % 7);
    for (int i = 0; i < length; ++i) bytes += alphabet[random() % alphabet.size()];
    ASSERT_EQ(cp932table::decode(bytes), decodeCp932(bytes)) << ::testing::PrintToString(bytes);
  }
}

TEST(Cp932Table, EncodesEveryCharacterAsTheConverter) {
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    ASSERT_EQ(cp932table::code(c), cp932Code(c)) << std::hex << static_cast<unsigned>(c);
  }
  for (char32_t c : {U'\U00010000', U'\U0001F600', U'\U0010FFFF'}) {
    EXPECT_EQ(cp932table::code(c), 0x3F);
    EXPECT_EQ(cp932Code(c), 0x3F);
  }
}

}  // namespace
}  // namespace casl2wb
