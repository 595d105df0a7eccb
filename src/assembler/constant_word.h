// Constants written as machine words: "#" with hex digits, or a decimal number.
#pragma once

#include "base/text.h"
#include "comet2/word.h"

namespace casl2wb {

// "#" followed by hex digits: those digits reduced to the last four and
// zero-filled (#FF gives 00FF, #12345 gives 2345). Otherwise an optionally
// signed decimal number: the last four hex digits of its 32-bit two's
// complement (10 gives 000A, -1 gives FFFF, 65535 gives FFFF). Text that is
// no number reads as 0, and hex digits read up to the first character that
// is not one.
Word constantWord(TextView text);

// The low 16 bits of an optionally signed decimal number at the start of
// the text (0 when there is none), with 32-bit wrap-around.
std::uint16_t decimalWordBits(TextView text);

}  // namespace casl2wb
