#include "cli/execution_session.h"

namespace casl2wb::cli {

void printPanel(const RegisterPanel& panel, std::ostream& out) {
  out << "命令語：" << panel.mnemonic << '\n';
  out << "PR：" << panel.programRegister << '\n';
  out << "FR：" << panel.flags << '\n';
  out << "SP：" << panel.stackPointer << '\n';
  for (int n = 0; n < 8; ++n) out << "GR" << n << "：" << panel.registers[n] << '\n';
}

}  // namespace casl2wb::cli
