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

  bool isCarriedOut() const { return action != Action::MemoryDump; }
};

// The rows in the order in which a pass of the execution loop offers them
// the word at PR (MDMP, never carried out, last).
extern const std::array<Instruction, 44> instructionSet;

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
