#include "assembler/constant_word.h"

namespace casl2wb {

namespace {

int hexDigitValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
  if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
  return -1;
}

std::uint16_t hexWordBits(TextView digits) {
  if (digits.size() > 4) digits = digits.substr(digits.size() - 4);
  std::uint16_t bits = 0;
  for (char32_t c : digits) {
    const int value = hexDigitValue(c);
    if (value < 0) break;
    bits = static_cast<std::uint16_t>(bits << 4 | value);
  }
  return bits;
}

}  // namespace

std::uint16_t decimalWordBits(TextView text) {
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == U'+' || text[at] == U'-')) {
    negative = text[at] == U'-';
    ++at;
  }
  std::uint32_t value = 0;
  for (; at < text.size() && text[at] >= U'0' && text[at] <= U'9'; ++at) {
    value = value * 10 + static_cast<std::uint32_t>(text[at] - U'0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::uint16_t>(value);
}

Word constantWord(TextView text) {
  if (startsWith(text, U"#")) return Word(hexWordBits(text.substr(1)));
  return Word(decimalWordBits(text));
}

}  // namespace casl2wb
