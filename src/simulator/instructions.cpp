#include "simulator/instructions.h"

#include <algorithm>

namespace casl2wb {

namespace {

enum class Reading { Signed, Unsigned };

std::int64_t valueOf(const Word& word, Reading reading) {
  return reading == Reading::Signed ? word.signedValue() : word.unsignedValue();
}

const Word& instructionWord(const Machine& m) { return m.memory[m.pr]; }

// The second operand of an r,adr,x form (the word at eff) or of an r1,r2
// form (the register the x field names). None when the x field names no
// register, or PR + 1 or eff lies outside the memory image.
std::optional<Word> secondOperand(const Machine& m, OperandForm form) {
  if (form == OperandForm::RegisterRegister) {
    const auto r2 = registerOf(instructionWord(m).x());
    if (!r2) return std::nullopt;
    return m.registers[*r2];
  }
  if (!MemoryImage::contains(m.pr + 1)) return std::nullopt;
  const std::int64_t eff = effectiveAddress(m);
  if (!MemoryImage::contains(eff)) return std::nullopt;
  return m.memory[eff];
}

void load(Machine& m, int r, OperandForm form) {
  const auto word = secondOperand(m, form);
  if (!word) return;
  m.registers[r] = *word;  // a blank or empty word is copied as it is
  m.flags = flagsOfResult(word->signedValue(), OverflowRule::None);
}

void store(Machine& m, int r) {
  if (!MemoryImage::contains(m.pr + 1)) return;
  const std::int64_t eff = effectiveAddress(m);
  if (MemoryImage::contains(eff)) m.write(eff, m.registers[r]);
}

// Without an index register the address word itself, as it is; with one,
// adr plus the index modulo 65536. FR stays.
void loadAddress(Machine& m, int r) {
  if (!MemoryImage::contains(m.pr + 1)) return;
  if (!indexRegisterOf(instructionWord(m).x())) {
    m.registers[r] = m.memory[m.pr + 1];
    return;
  }
  m.registers[r] = Word::of(effectiveAddress(m));
}

void addOrSubtract(Machine& m, int r, OperandForm form, Reading reading, bool subtract,
                   OverflowRule rule) {
  const auto operand = secondOperand(m, form);
  if (!operand) return;
  const std::int64_t a = valueOf(m.registers[r], reading);
  const std::int64_t b = valueOf(*operand, reading);
  const std::int64_t result = subtract ? a - b : a + b;
  m.registers[r] = Word::of(result);
  m.flags = flagsOfResult(result, rule);
}

void logical(Machine& m, int r, OperandForm form, Action action) {
  const auto operand = secondOperand(m, form);
  if (!operand) return;
  const std::uint16_t a = m.registers[r].bits();
  const std::uint16_t b = operand->bits();
  const std::uint16_t result = action == Action::And ? a & b : action == Action::Or ? a | b : a ^ b;
  m.registers[r] = Word(result);
  m.flags = flagsOfBits(result, false);
}

void compare(Machine& m, int r, OperandForm form, Reading reading) {
  const auto operand = secondOperand(m, form);
  if (!operand) return;
  m.flags = flagsOfComparison(valueOf(m.registers[r], reading), valueOf(*operand, reading));
}

// A count of 0 or less moves no bit: the register keeps its word, and FR
// follows its bits with OF 0.
void shift(Machine& m, int r, Action action) {
  if (!MemoryImage::contains(m.pr + 1)) return;
  const std::int64_t count = effectiveAddress(m);
  const ShiftResult shifted = shiftBits(m.registers[r].bits(), count, action);
  if (count > 0) m.registers[r] = Word(shifted.bits);
  m.flags = flagsOfBits(shifted.bits, shifted.lastOut);
}

}  // namespace

std::optional<int> registerOf(int field) {
  if (field >= 0 && field <= 7) return field;
  return std::nullopt;
}

std::optional<int> indexRegisterOf(int field) {
  if (field >= 1 && field <= 7) return field;
  return std::nullopt;
}

std::int64_t effectiveAddress(const Machine& m) {
  std::int64_t eff = m.memory.at(m.pr + 1).signedValue();
  if (const auto x = indexRegisterOf(instructionWord(m).x())) eff += m.registers[*x].signedValue();
  return eff;
}

Flags flagsOfResult(std::int64_t result, OverflowRule rule) {
  const auto bits = static_cast<std::uint16_t>(result);
  Flags flags;
  flags.sign = (bits & 0x8000) != 0;
  flags.zero = bits == 0;
  if (rule == OverflowRule::Arithmetic) flags.overflow = result < -32768 || result > 32767;
  if (rule == OverflowRule::Logical) flags.overflow = result < 0 || result > 65535;
  return flags;
}

Flags flagsOfBits(std::uint16_t bits, bool overflow) {
  return Flags{overflow, (bits & 0x8000) != 0, bits == 0};
}

Flags flagsOfComparison(std::int64_t registerSide, std::int64_t operand) {
  return Flags{false, registerSide < operand, registerSide == operand};
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

void executeRegisterInstruction(Machine& m, const Instruction& instruction) {
  const auto r = registerOf(instructionWord(m).r());
  if (!r) return;
  const OperandForm form = instruction.form;
  switch (instruction.action) {
    case Action::Load:
      load(m, *r, form);
      break;
    case Action::Store:
      store(m, *r);
      break;
    case Action::LoadAddress:
      loadAddress(m, *r);
      break;
    case Action::AddArithmetic:
      addOrSubtract(m, *r, form, Reading::Signed, false, OverflowRule::Arithmetic);
      break;
    case Action::SubtractArithmetic:
      addOrSubtract(m, *r, form, Reading::Signed, true, OverflowRule::Arithmetic);
      break;
    case Action::AddLogical:
      addOrSubtract(m, *r, form, Reading::Unsigned, false, OverflowRule::Logical);
      break;
    case Action::SubtractLogical:
      addOrSubtract(m, *r, form, Reading::Unsigned, true, OverflowRule::Logical);
      break;
    case Action::And:
    case Action::Or:
    case Action::Xor:
      logical(m, *r, form, instruction.action);
      break;
    case Action::CompareArithmetic:
      compare(m, *r, form, Reading::Signed);
      break;
    case Action::CompareLogical:
      compare(m, *r, form, Reading::Unsigned);
      break;
    case Action::ShiftLeftArithmetic:
    case Action::ShiftRightArithmetic:
    case Action::ShiftLeftLogical:
    case Action::ShiftRightLogical:
      shift(m, *r, instruction.action);
      break;
    default:
      break;
  }
}

bool jumpTaken(Action jump, const Flags& flags) {
  switch (jump) {
    case Action::JumpOnMinus:
      return flags.sign;
    case Action::JumpOnPlus:
      return !flags.sign && !flags.zero;
    case Action::JumpOnNonZero:
      return !flags.zero;
    case Action::JumpOnZero:
      return flags.zero;
    case Action::JumpOnOverflow:
      return flags.overflow;
    default:
      return true;  // JUMP
  }
}

}  // namespace casl2wb
