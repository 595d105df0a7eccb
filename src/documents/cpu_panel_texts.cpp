#include "documents/cpu_panel_texts.h"

#include <cstdio>

namespace casl2wb {

std::string programRegisterText(std::int64_t pr) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%X", static_cast<std::uint32_t>(pr));
  return digits;
}

CpuPanelTexts cpuPanelTexts(const CpuPanel& panel) {
  CpuPanelTexts texts;
  if (panel.instruction != nullptr) texts.mnemonic = std::string(panel.instruction->mnemonic);
  texts.programRegister = programRegisterText(panel.pr);
  for (std::size_t n = 0; n < texts.registers.size(); ++n) {
    texts.registers[n] = panel.registers[n].text();
  }
  texts.stackPointer = Word::of(panel.sp).text();
  texts.flags = panel.flags.text();
  return texts;
}

}  // namespace casl2wb
