#include "comet2/instruction_set.h"

namespace casl2wb {

namespace {

bool sameMnemonic(std::string_view ascii, std::u32string_view text) {
  if (ascii.size() != text.size()) return false;
  for (std::size_t i = 0; i < ascii.size(); ++i) {
    if (static_cast<char32_t>(static_cast<unsigned char>(ascii[i])) != text[i]) return false;
  }
  return true;
}

}  // namespace

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
