#include "simulator/register_panel.h"

#include <cstdio>

#include "comet2/instruction_set.h"

namespace casl2wb {

std::string programRegisterText(std::int64_t pr) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%X", static_cast<std::uint32_t>(pr));
  return digits;
}

std::string mnemonicAt(const MemoryImage& memory, std::int64_t address) {
  const Word word = memory.at(address);
  if (!word.hasValue()) return "";
  const Instruction* instruction = instructionWithCode(word.code());
  return instruction != nullptr ? std::string(instruction->mnemonic) : "";
}

RegisterPanel panelOf(const MemoryImage& memory, std::int64_t pr,
                      const std::array<Word, 8>& registers, const Flags& flags, std::int64_t sp) {
  RegisterPanel panel;
  panel.mnemonic = mnemonicAt(memory, pr);
  panel.programRegister = programRegisterText(pr);
  for (int n = 0; n < 8; ++n) panel.registers[n] = registers[n].text();
  panel.stackPointer = Word::of(sp).text();
  panel.flags = flags.text();
  return panel;
}

}  // namespace casl2wb
