#include "comet2/word.h"

namespace casl2wb {

std::string hexText(std::uint16_t value) {
  static constexpr char digits[] = "0123456789ABCDEF";
  return {digits[value >> 12], digits[(value >> 8) & 0xF], digits[(value >> 4) & 0xF],
          digits[value & 0xF]};
}

std::string Word::text() const {
  switch (state()) {
    case State::Empty:
      return "";
    case State::Blank:
      return "    ";
    case State::Value:
      break;
  }
  return hexText(bits());
}

}  // namespace casl2wb
