// The flag register FR: overflow, sign and zero.
#pragma once

#include <cstdint>
#include <string>

namespace casl2wb {

class Flags {
 public:
  constexpr Flags() = default;  // no flag set
  constexpr Flags(bool overflow, bool sign, bool zero)
      : bits_(static_cast<std::uint8_t>((overflow ? overflowBit : 0) | (sign ? signBit : 0) |
                                        (zero ? zeroBit : 0))) {}

  constexpr bool overflow() const { return (bits_ & overflowBit) != 0; }
  constexpr bool sign() const { return (bits_ & signBit) != 0; }
  constexpr bool zero() const { return (bits_ & zeroBit) != 0; }

  // "0"/"1" for OF, SF and ZF in this order, as FR is shown ("010": SF set).
  std::string text() const {
    char digits[3];
    return {digits, writeText(digits)};
  }
  // The same three digits written at `out`; returns their end.
  constexpr char* writeText(char* out) const {
    *out++ = overflow() ? '1' : '0';
    *out++ = sign() ? '1' : '0';
    *out++ = zero() ? '1' : '0';
    return out;
  }
  constexpr bool operator==(const Flags&) const = default;

 private:
  // One byte, so that FR is written and read in one piece.
  static constexpr std::uint8_t overflowBit = 4;
  static constexpr std::uint8_t signBit = 2;
  static constexpr std::uint8_t zeroBit = 1;
  std::uint8_t bits_ = 0;
};

}  // namespace casl2wb
