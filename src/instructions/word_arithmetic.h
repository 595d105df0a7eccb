// Conversions between word texts and numbers.
#pragma once

#include <cstdint>
#include <string>

#include "codegen/memory_image.h"
#include "machine/machine_state.h"

namespace casl2wb {

// The word of a number modulo 65536 (-1 gives FFFF, 65536 gives 0000).
MemoryWord wordOf(std::int64_t n);
// The word text of a number, also left in hexWork.
std::string hex4(MachineState& m, std::int64_t n);
// Pads a text of one to three characters with zeros on the left to four.
void zerof(std::string& text);
// Cuts a text longer than four characters to its rightmost four.
void keta4(std::string& text);

// The 16-bit two's-complement reading of a word; blank and empty words read 0.
std::int32_t signedValue(const MemoryWord& word);
// 4096 times the first digit plus the last three digits: 0 to 65535.
std::int32_t unsignedValue(const MemoryWord& word);

}  // namespace casl2wb
