#include "comet2/instruction_set.h"

namespace casl2wb {

namespace {

using A = Action;
using S = Syntax;
constexpr auto registerAddress = OperandForm::RegisterAddress;
constexpr auto registerRegister = OperandForm::RegisterRegister;
constexpr auto address = OperandForm::Address;
constexpr auto register_ = OperandForm::Register;
constexpr auto noOperand = OperandForm::None;
constexpr auto macro = OperandForm::Macro;
constexpr auto noEff = EffectiveAddressUse::None;
constexpr auto shown = EffectiveAddressUse::Shown;
constexpr auto checked = EffectiveAddressUse::Checked;

bool sameMnemonic(std::string_view ascii, std::u32string_view text) {
  if (ascii.size() != text.size()) return false;
  for (std::size_t i = 0; i < ascii.size(); ++i) {
    if (static_cast<char32_t>(static_cast<unsigned char>(ascii[i])) != text[i]) return false;
  }
  return true;
}

}  // namespace

const std::array<Instruction, 44> instructionSet = {{
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
}};

const Instruction* instructionWithCode(int code) {
  static const std::array<const Instruction*, 256> byCode = [] {
    std::array<const Instruction*, 256> table{};
    for (const Instruction& instruction : instructionSet) table[instruction.code] = &instruction;
    return table;
  }();
  return code >= 0 && code < 256 ? byCode[static_cast<std::size_t>(code)] : nullptr;
}

InstructionForms instructionForms(std::u32string_view mnemonic) {
  InstructionForms forms;
  for (const Instruction& instruction : instructionSet) {
    if (!sameMnemonic(instruction.mnemonic, mnemonic)) continue;
    if (instruction.form == OperandForm::RegisterRegister) {
      forms.registerForm = &instruction;
    } else {
      forms.main = &instruction;
    }
  }
  return forms;
}

}  // namespace casl2wb
