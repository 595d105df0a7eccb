#include "source/address_text.h"

#include <cstdio>

namespace casl2wb {

std::string keepRight4(const std::string& text) {
  return text.size() > 4 ? text.substr(text.size() - 4) : text;
}

std::string zeroFill4(const std::string& text) {
  if (text == " " || text.empty() || text.size() >= 4) return text;
  return std::string(4 - text.size(), '0') + text;
}

std::string toAddressText(std::int64_t value) {
  // Numbers past 32 bits keep only their low 32 bits, like the 32-bit hex text.
  char digits[16];
  std::snprintf(digits, sizeof digits, "%X", static_cast<std::uint32_t>(value));
  return zeroFill4(keepRight4(digits));
}

std::uint16_t addressTextValue(TextView text) {
  std::uint16_t value = 0;
  for (char32_t c : text) {
    if (c >= U'0' && c <= U'9') {
      value = static_cast<std::uint16_t>(value << 4 | (c - U'0'));
    } else if (c >= U'A' && c <= U'F') {
      value = static_cast<std::uint16_t>(value << 4 | (c - U'A' + 10));
    }
  }
  return value;
}

std::string hexWordText(std::uint16_t bits) {
  static constexpr char digits[] = "0123456789ABCDEF";
  return {digits[bits >> 12], digits[(bits >> 8) & 0xF], digits[(bits >> 4) & 0xF],
          digits[bits & 0xF]};
}

}  // namespace casl2wb
