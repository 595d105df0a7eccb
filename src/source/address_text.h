// Address texts: numbers shown as four upper-case hex digits.
#pragma once

#include <cstdint>
#include <string>

#include "source/text.h"

namespace casl2wb {

// A text longer than 4 characters becomes its rightmost 4; shorter ones stay.
std::string keepRight4(const std::string& text);
// " " stays " "; 1 to 3 characters get zeros in front up to 4; others stay.
std::string zeroFill4(const std::string& text);
// Hex digits of the value (negative values in 32-bit two's complement),
// then keepRight4 and zeroFill4: 10 gives 000A, -10 gives FFF6, 65536 gives 0000.
std::string toAddressText(std::int64_t value);
// The value of an address text (hex digits; anything else, such as the
// " " of a line without an address, counts as nothing).
std::uint16_t addressTextValue(TextView text);
// The four hex digits of a 16-bit word.
std::string hexWordText(std::uint16_t bits);

}  // namespace casl2wb
