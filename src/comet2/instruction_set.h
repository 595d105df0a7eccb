// The instruction set of COMET II as this workbench knows it: one row per
// instruction form, with its mnemonic, operation code, operand form, length
// in words, the operand rules the check applies, and what the execution
// loop does with it. The check, the translation, the execution loop and the
// mnemonic shown for a word all read this one table.
//
// The codes 90 to 96 are this system's own: IN, OUT, RPUSH, RPOP and DMP
// are marker words that the execution loop carries out as whole steps
// (MDMP, 94, is translated but never carried out; 92 is unused).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace casl2wb {

// How the operands are written and encoded.
enum class OperandForm : std::uint8_t {
  RegisterAddress,   // r,adr[,x]: code r x, then the address word
  RegisterRegister,  // r1,r2: one word, code r1 r2
  Address,           // adr[,x]: code 0 x, then the address word
  Register,          // r: one word, code r 0
  None,              // no operand: one word, code 00
  Macro,             // the system's own expansions (IN, OUT, RPUSH, RPOP, MDMP)
};

// The operand rules of the check, shared by every form of a mnemonic.
enum class Syntax {
  RegisterMemory,  // LD ADDA SUBA ADDL SUBL AND OR XOR CPA CPL
  StoreShift,      // ST LAD SLA SRA SLL SRL
  Branch,          // JPL JMI JNZ JZE JOV JUMP PUSH CALL SVC
  Pop,             // POP
  NoOperand,       // RET NOP RPUSH RPOP DMP MDMP
  InOut,           // IN OUT
};

// What the execution loop does with the instruction.
enum class Action : std::uint8_t {
  Load,
  Store,
  LoadAddress,
  AddArithmetic,
  AddLogical,
  SubtractArithmetic,
  SubtractLogical,
  And,
  Or,
  Xor,
  CompareArithmetic,
  CompareLogical,
  ShiftLeftArithmetic,
  ShiftRightArithmetic,
  ShiftLeftLogical,
  ShiftRightLogical,
  JumpOnMinus,
  JumpOnPlus,
  JumpOnNonZero,
  JumpOnZero,
  JumpOnOverflow,
  Jump,
  Push,
  PushRegisters,
  Pop,
  PopRegisters,
  Call,
  Return,
  Output,
  Input,
  NoOperation,
  SupervisorCall,
  Dump,
  MemoryDump,  // never carried out
};

// What the address check makes of the effective address (adr plus the
// index register) before the instruction runs.
enum class EffectiveAddressUse : std::uint8_t {
  None,     // the instruction has none; an address error shows 0000
  Shown,    // not checked (not a memory access), but shown by an address error
  Checked,  // must lie in the usable memory
};

struct Instruction {
  std::string_view mnemonic;
  std::uint8_t code;
  OperandForm form;
  int length;  // words at the statement's address, and the advance of PR
  Syntax syntax;
  Action action;
  EffectiveAddressUse effectiveAddress;

  constexpr bool isCarriedOut() const { return action != Action::MemoryDump; }
};

// The table, with short names for the values of its columns.
namespace instruction_rows {

using A = Action;
using S = Syntax;
inline constexpr auto registerAddress = OperandForm::RegisterAddress;
inline constexpr auto registerRegister = OperandForm::RegisterRegister;
inline constexpr auto address = OperandForm::Address;
inline constexpr auto register_ = OperandForm::Register;
inline constexpr auto noOperand = OperandForm::None;
inline constexpr auto macro = OperandForm::Macro;
inline constexpr auto noEff = EffectiveAddressUse::None;
inline constexpr auto shown = EffectiveAddressUse::Shown;
inline constexpr auto checked = EffectiveAddressUse::Checked;

inline constexpr auto instructionRows = std::to_array<Instruction>({
    {"LD", 0x10, registerAddress, 2, S::RegisterMemory, A::Load, checked},
    {"LD", 0x14, registerRegister, 1, S::RegisterMemory, A::Load, noEff},
    {"ST", 0x11, registerAddress, 2, S::StoreShift, A::Store, checked},
    {"LAD", 0x12, registerAddress, 2, S::StoreShift, A::LoadAddress, shown},
    {"ADDA", 0x20, registerAddress, 2, S::RegisterMemory, A::AddArithmetic, checked},
    {"ADDA", 0x24, registerRegister, 1, S::RegisterMemory, A::AddArithmetic, noEff},
    {"ADDL", 0x22, registerAddress, 2, S::RegisterMemory, A::AddLogical, checked},
    {"ADDL", 0x26, registerRegister, 1, S::RegisterMemory, A::AddLogical, noEff},
    {"SUBA", 0x21, registerAddress, 2, S::RegisterMemory, A::SubtractArithmetic, checked},
    {"SUBA", 0x25, registerRegister, 1, S::RegisterMemory, A::SubtractArithmetic, noEff},
    {"SUBL", 0x23, registerAddress, 2, S::RegisterMemory, A::SubtractLogical, checked},
    {"SUBL", 0x27, registerRegister, 1, S::RegisterMemory, A::SubtractLogical, noEff},
    {"AND", 0x30, registerAddress, 2, S::RegisterMemory, A::And, checked},
    {"OR", 0x31, registerAddress, 2, S::RegisterMemory, A::Or, checked},
    {"XOR", 0x32, registerAddress, 2, S::RegisterMemory, A::Xor, checked},
    {"AND", 0x34, registerRegister, 1, S::RegisterMemory, A::And, noEff},
    {"OR", 0x35, registerRegister, 1, S::RegisterMemory, A::Or, noEff},
    {"XOR", 0x36, registerRegister, 1, S::RegisterMemory, A::Xor, noEff},
    {"CPA", 0x40, registerAddress, 2, S::RegisterMemory, A::CompareArithmetic, checked},
    {"CPA", 0x44, registerRegister, 1, S::RegisterMemory, A::CompareArithmetic, noEff},
    {"CPL", 0x41, registerAddress, 2, S::RegisterMemory, A::CompareLogical, checked},
    {"CPL", 0x45, registerRegister, 1, S::RegisterMemory, A::CompareLogical, noEff},
    {"SLA", 0x50, registerAddress, 2, S::StoreShift, A::ShiftLeftArithmetic, shown},
    {"SRA", 0x51, registerAddress, 2, S::StoreShift, A::ShiftRightArithmetic, shown},
    {"SLL", 0x52, registerAddress, 2, S::StoreShift, A::ShiftLeftLogical, shown},
    {"SRL", 0x53, registerAddress, 2, S::StoreShift, A::ShiftRightLogical, shown},
    {"JMI", 0x61, address, 2, S::Branch, A::JumpOnMinus, checked},
    {"JPL", 0x65, address, 2, S::Branch, A::JumpOnPlus, checked},
    {"JNZ", 0x62, address, 2, S::Branch, A::JumpOnNonZero, checked},
    {"JZE", 0x63, address, 2, S::Branch, A::JumpOnZero, checked},
    {"JOV", 0x66, address, 2, S::Branch, A::JumpOnOverflow, checked},
    {"JUMP", 0x64, address, 2, S::Branch, A::Jump, checked},
    {"PUSH", 0x70, address, 2, S::Branch, A::Push, shown},
    {"RPUSH", 0x95, macro, 15, S::NoOperand, A::PushRegisters, noEff},
    {"POP", 0x71, register_, 1, S::Pop, A::Pop, noEff},
    {"RPOP", 0x96, macro, 8, S::NoOperand, A::PopRegisters, noEff},
    {"CALL", 0x80, address, 2, S::Branch, A::Call, checked},
    {"RET", 0x81, noOperand, 1, S::NoOperand, A::Return, noEff},
    {"OUT", 0x91, macro, 3, S::InOut, A::Output, noEff},
    {"IN", 0x90, macro, 3, S::InOut, A::Input, noEff},
    {"NOP", 0x00, noOperand, 1, S::NoOperand, A::NoOperation, noEff},
    {"SVC", 0xF0, address, 2, S::Branch, A::SupervisorCall, shown},
    {"DMP", 0x93, noOperand, 1, S::NoOperand, A::Dump, noEff},
    {"MDMP", 0x94, macro, 2, S::NoOperand, A::MemoryDump, noEff},
});

}  // namespace instruction_rows

// The rows in the order in which a pass of the execution loop offers them
// the word at PR (MDMP, never carried out, last). Known at compile time, so
// that the execution loop can be made from the rows.
inline constexpr const auto& instructionSet = instruction_rows::instructionRows;

// The length of every row but the macros follows from its operand form: two
// words for r,adr,x and adr,x, one for the others.
static_assert([] {
  for (const Instruction& instruction : instructionSet) {
    const int formLength =
        instruction.form == OperandForm::RegisterAddress || instruction.form == OperandForm::Address
            ? 2
            : 1;
    if (instruction.form != OperandForm::Macro && instruction.length != formLength) return false;
  }
  return true;
}());

// The operation code of the address or single form of the row that carries
// `action` out (the macros expand into such rows).
constexpr std::uint8_t codeOf(Action action) {
  for (const Instruction& instruction : instructionSet) {
    if (instruction.action == action && instruction.form != OperandForm::RegisterRegister) {
      return instruction.code;
    }
  }
  return 0;
}

// The row of an operation code, or nullptr for a code no row has.
const Instruction* instructionWithCode(int code);

// The rows of a mnemonic (exact, upper case): its address or single form
// (RegisterAddress, Address, Register, None or Macro) and, for the ten
// register-memory mnemonics, its register form. Both nullptr when the
// mnemonic is no instruction.
struct InstructionForms {
  const Instruction* main = nullptr;
  const Instruction* registerForm = nullptr;
};
InstructionForms instructionForms(std::u32string_view mnemonic);

}  // namespace casl2wb
