#include "cli/execution_session.h"

#include "documents/cpu_panel_texts.h"

namespace casl2wb::cli {

void printPanel(const CpuPanel& values, std::ostream& out) {
  const CpuPanelTexts panel = cpuPanelTexts(values);
  out << "命令語：" << panel.mnemonic << '\n';
  out << "PR：" << panel.programRegister << '\n';
  out << "FR：" << panel.flags << '\n';
  out << "SP：" << panel.stackPointer << '\n';
  for (int n = 0; n < 8; ++n) out << "GR" << n << "：" << panel.registers[n] << '\n';
}

}  // namespace casl2wb::cli
