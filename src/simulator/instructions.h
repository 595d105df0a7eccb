// What the load, store, address, arithmetic, logical, compare and shift
// instructions do to the machine: the registers, FR and the memory word at
// the effective address. Each routine reads the instruction word at PR and
// leaves PR alone; the execution loop has already checked the addresses
// against the usable memory and records the step afterwards.
#pragma once

#include <cstdint>
#include <optional>

#include "comet2/flags.h"
#include "comet2/instruction_set.h"
#include "simulator/machine.h"

namespace casl2wb {

// The register an instruction field names: 0 to 7 (8 to F name none).
std::optional<int> registerOf(int field);
// GR1 to GR7 as index register; 0 and 8 to F mean no index.
std::optional<int> indexRegisterOf(int field);

// adr (the signed value of the word at PR + 1, 0 outside the image) plus
// the value of the index register the x field names. Not reduced modulo
// 65536: an address error shows it as it is.
std::int64_t effectiveAddress(const Machine& machine);

// How an addition or subtraction sets OF.
enum class OverflowRule {
  None,        // LD: never
  Arithmetic,  // ADDA, SUBA: a true result outside -32768 to 32767
  Logical,     // ADDL, SUBL: a true result outside 0 to 65535
};
// FR after a load, an addition or a subtraction whose true result is
// `result`: SF from bit 15 of its word, ZF when that word is 0 (and SF not
// set), OF by the rule.
Flags flagsOfResult(std::int64_t result, OverflowRule rule);
// FR after AND, OR, XOR and the shifts: SF from bit 15, ZF when all bits are
// 0, OF as given (the bit a shift moved out last; 0 for the logical group).
Flags flagsOfBits(std::uint16_t bits, bool overflow);
// FR after a comparison of the register side with the operand.
Flags flagsOfComparison(std::int64_t registerSide, std::int64_t operand);

struct ShiftResult {
  std::uint16_t bits;
  bool lastOut;  // the bit that left in the last step; false without a step
};
// Shifts the word `count` positions (none for a count of 0 or less); the
// arithmetic shifts keep bit 15.
ShiftResult shiftBits(std::uint16_t bits, std::int64_t count, Action shift);

// Carries out the instruction at PR whose row is `instruction`: one of the
// loads, stores, arithmetic, logical, compare and shift actions. A register
// field that names no register leaves everything unchanged.
void executeRegisterInstruction(Machine& machine, const Instruction& instruction);

// Whether a conditional jump is taken with the flags as they are.
bool jumpTaken(Action jump, const Flags& flags);

}  // namespace casl2wb
