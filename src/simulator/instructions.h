// What the load, store, address, arithmetic, logical, compare and shift
// instructions do to the machine: the registers, FR and the memory word at
// the effective address. Each routine reads the instruction word at PR and
// leaves PR alone; the execution loop has already checked the addresses
// against the usable memory and records the step afterwards. The routines
// are inline: they are the inner loop of every run.
#pragma once

#include <cstdint>

#include "comet2/flags.h"
#include "comet2/instruction_set.h"
#include "simulator/cpu_state.h"
#include "simulator/run_record.h"

namespace casl2wb {

// adr (the signed value of the word at PR + 1, 0 outside the image) plus
// the value of the index register the x field names. Not reduced modulo
// 65536: an address error shows it as it is.
inline std::int64_t effectiveAddress(const CpuState& cpu) {
  std::int64_t eff = cpu.memory.at(cpu.pr + 1).signedValue();
  const int x = cpu.memory.at(cpu.pr).x();
  if (x >= 1 && x <= 7) eff += cpu.registers[static_cast<std::size_t>(x)].signedValue();
  return eff;
}

// How an addition or subtraction sets OF.
enum class OverflowRule {
  None,        // LD: never
  Arithmetic,  // ADDA, SUBA: a true result outside -32768 to 32767
  Logical,     // ADDL, SUBL: a true result outside 0 to 65535
};
// FR after a load, an addition or a subtraction whose true result is
// `result`: SF from bit 15 of its word, ZF when that word is 0 (and SF not
// set), OF by the rule.
inline Flags flagsOfResult(std::int64_t result, OverflowRule rule) {
  const auto bits = static_cast<std::uint16_t>(result);
  const bool overflow = rule == OverflowRule::Arithmetic ? result < -32768 || result > 32767
                        : rule == OverflowRule::Logical  ? result < 0 || result > 65535
                                                         : false;
  return Flags(overflow, (bits & 0x8000) != 0, bits == 0);
}
// FR after AND, OR, XOR and the shifts: SF from bit 15, ZF when all bits are
// 0, OF as given (the bit a shift moved out last; 0 for the logical group).
inline Flags flagsOfBits(std::uint16_t bits, bool overflow) {
  return Flags(overflow, (bits & 0x8000) != 0, bits == 0);
}
// FR after a comparison of the register side with the operand.
inline Flags flagsOfComparison(std::int64_t registerSide, std::int64_t operand) {
  return Flags(false, registerSide < operand, registerSide == operand);
}

struct ShiftResult {
  std::uint16_t bits;
  bool lastOut;  // the bit that left in the last step; false without a step
};
// Shifts the word `count` positions (none for a count of 0 or less); the
// arithmetic shifts keep bit 15. Each step moves one bit out; after 16 steps
// every shift has reached a word that a further step leaves as it is, so
// from the 17th step on the word and the bit that leaves repeat.
inline ShiftResult shiftBits(std::uint16_t bits, std::int64_t count, Action shift) {
  if (count <= 0) return {bits, false};
  const int n = count < 17 ? static_cast<int>(count) : 17;
  const std::uint32_t word = bits;
  switch (shift) {
    case Action::ShiftLeftArithmetic:  // bits 14 down to 0 leave, then zeros
      return {static_cast<std::uint16_t>((word & 0x8000) | ((word << n) & 0x7FFF)),
              n <= 15 && ((word >> (15 - n)) & 1) != 0};
    case Action::ShiftRightArithmetic: {  // bit 15 comes in as often as it is needed
      const std::int32_t extended = static_cast<std::int16_t>(bits);
      return {static_cast<std::uint16_t>(extended >> n), ((extended >> (n - 1)) & 1) != 0};
    }
    case Action::ShiftLeftLogical:  // bits 15 down to 0 leave, then zeros
      return {static_cast<std::uint16_t>(word << n), n <= 16 && ((word >> (16 - n)) & 1) != 0};
    default:  // ShiftRightLogical: bits 0 up to 15 leave, then zeros
      return {static_cast<std::uint16_t>(word >> n), ((word >> (n - 1)) & 1) != 0};
  }
}

// Whether a conditional jump is taken with the flags as they are.
inline bool jumpTaken(Action jump, const Flags& flags) {
  switch (jump) {
    case Action::JumpOnMinus:
      return flags.sign();
    case Action::JumpOnPlus:
      return !flags.sign() && !flags.zero();
    case Action::JumpOnNonZero:
      return !flags.zero();
    case Action::JumpOnZero:
      return flags.zero();
    case Action::JumpOnOverflow:
      return flags.overflow();
    default:
      return true;  // JUMP
  }
}

namespace routines {

// The second operand of an r,adr,x form (the word at eff) or of an r1,r2
// form (the register the x field names). None when the x field names no
// register.
template <OperandForm form>
inline const Word* operandWord(const CpuState& cpu, int x, std::int64_t eff) {
  if constexpr (form == OperandForm::RegisterRegister) {
    return x <= 7 ? &cpu.registers[static_cast<std::size_t>(x)] : nullptr;
  } else {
    return &cpu.memory[eff];
  }
}

inline std::int64_t valueOf(const Word& word, bool asSigned) {
  return asSigned ? word.signedValue() : word.unsignedValue();
}

// A count of 0 or less moves no bit: the register keeps its word, and FR
// follows its bits with OF 0.
[[gnu::always_inline]] inline void shift(CpuState& cpu, std::size_t r, std::int64_t count,
                                         Action action) {
  const ShiftResult shifted = shiftBits(cpu.registers[r].bits(), count, action);
  if (count > 0) cpu.registers[r] = Word(shifted.bits);
  cpu.flags = flagsOfBits(shifted.bits, shifted.lastOut);
}

}  // namespace routines

// One of the loads, stores, arithmetic, logical, compare and shift actions
// of the instruction word `word` at `pr`, in the operand form `form` (r1,r2
// or r,adr,x), with its effective address `eff`; a store is journalled in
// the run's record under history slot `slot`. A register field that names no register leaves
// everything unchanged. The form is a template argument so that the length
// of the instruction is known where the execution loop moves PR on. A pass
// has checked that PR + 1 lies within the memory, and eff too where the
// instruction reads or writes memory.
template <Action action, OperandForm form>
inline void carryOutRegisterAction(CpuState& cpu, RunRecord& record, std::int64_t pr, Word word,
                                   std::int64_t eff, int slot) {
  using namespace routines;
  const int field = word.r();
  if (field > 7) return;
  const auto r = static_cast<std::size_t>(field);
  Word& target = cpu.registers[r];
  if constexpr (action == Action::Load) {
    const Word* operand = operandWord<form>(cpu, word.x(), eff);
    if (operand == nullptr) return;
    target = *operand;  // a blank or empty word is copied as it is
    cpu.flags = flagsOfResult(operand->signedValue(), OverflowRule::None);
  } else if constexpr (action == Action::Store) {
    record.write(cpu.memory, slot, eff, target);
  } else if constexpr (action == Action::LoadAddress) {
    // Without an index register the address word itself, as it is; with
    // one, adr plus the index modulo 65536. FR stays.
    const int x = word.x();
    target = x >= 1 && x <= 7 ? Word::of(eff) : cpu.memory[pr + 1];
  } else if constexpr (action == Action::AddArithmetic || action == Action::SubtractArithmetic ||
                       action == Action::AddLogical || action == Action::SubtractLogical) {
    const Word* operand = operandWord<form>(cpu, word.x(), eff);
    if (operand == nullptr) return;
    constexpr bool arithmetic =
        action == Action::AddArithmetic || action == Action::SubtractArithmetic;
    const std::int64_t a = valueOf(target, arithmetic);
    const std::int64_t b = valueOf(*operand, arithmetic);
    const std::int64_t result =
        action == Action::AddArithmetic || action == Action::AddLogical ? a + b : a - b;
    target = Word::of(result);
    cpu.flags =
        flagsOfResult(result, arithmetic ? OverflowRule::Arithmetic : OverflowRule::Logical);
  } else if constexpr (action == Action::And || action == Action::Or || action == Action::Xor) {
    const Word* operand = operandWord<form>(cpu, word.x(), eff);
    if (operand == nullptr) return;
    const std::uint16_t a = target.bits();
    const std::uint16_t b = operand->bits();
    const std::uint16_t result = action == Action::And  ? a & b
                                 : action == Action::Or ? a | b
                                                        : a ^ b;
    target = Word(result);
    cpu.flags = flagsOfBits(result, false);
  } else if constexpr (action == Action::CompareArithmetic || action == Action::CompareLogical) {
    const Word* operand = operandWord<form>(cpu, word.x(), eff);
    if (operand == nullptr) return;
    constexpr bool arithmetic = action == Action::CompareArithmetic;
    cpu.flags = flagsOfComparison(valueOf(target, arithmetic), valueOf(*operand, arithmetic));
  } else {
    shift(cpu, r, eff, action);
  }
}

}  // namespace casl2wb
