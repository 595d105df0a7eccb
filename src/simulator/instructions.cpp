#include "simulator/instructions.h"

#include <algorithm>

namespace casl2wb {

std::optional<int> registerOf(int field) {
  if (field >= 0 && field <= 7) return field;
  return std::nullopt;
}

std::optional<int> indexRegisterOf(int field) {
  if (field >= 1 && field <= 7) return field;
  return std::nullopt;
}

ShiftResult shiftBits(std::uint16_t bits, std::int64_t count, Action shift) {
  // After 16 steps every shift has reached a word that a further step leaves
  // as it is, so from the 17th step on the word and the bit that leaves repeat.
  const std::int64_t steps = std::min<std::int64_t>(count, 17);
  ShiftResult result{bits, false};
  for (std::int64_t step = 1; step <= steps; ++step) {
    const unsigned word = result.bits;
    switch (shift) {
      case Action::ShiftLeftArithmetic:
        result.lastOut = (word >> 14) & 1;
        result.bits = static_cast<std::uint16_t>((word & 0x8000) | ((word << 1) & 0x7FFF));
        break;
      case Action::ShiftRightArithmetic:
        result.lastOut = word & 1;
        result.bits = static_cast<std::uint16_t>((word & 0x8000) | (word >> 1));
        break;
      case Action::ShiftLeftLogical:
        result.lastOut = (word >> 15) & 1;
        result.bits = static_cast<std::uint16_t>(word << 1);
        break;
      default:  // ShiftRightLogical
        result.lastOut = word & 1;
        result.bits = static_cast<std::uint16_t>(word >> 1);
        break;
    }
  }
  return result;
}

namespace routines {

// A count of 0 or less moves no bit: the register keeps its word, and FR
// follows its bits with OF 0.
void shift(Machine& m, std::int64_t pr, std::size_t r, std::int64_t count, Action action) {
  if (!MemoryImage::contains(pr + 1)) return;
  const ShiftResult shifted = shiftBits(m.registers[r].bits(), count, action);
  if (count > 0) m.registers[r] = Word(shifted.bits);
  m.flags = flagsOfBits(shifted.bits, shifted.lastOut);
}

}  // namespace routines

}  // namespace casl2wb
