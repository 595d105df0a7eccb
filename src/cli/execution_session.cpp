#include "cli/execution_session.h"

namespace casl2wb::cli {

void printPanel(const RegisterPanel& panel, std::ostream& out) {
  out << "命令語：" << panel.comand << '\n';
  out << "PR：" << panel.pr << '\n';
  out << "FR：" << panel.fr << '\n';
  out << "SP：" << panel.sp << '\n';
  for (int n = 0; n < 8; ++n) out << "GR" << n << "：" << panel.gr[n] << '\n';
}

}  // namespace casl2wb::cli
