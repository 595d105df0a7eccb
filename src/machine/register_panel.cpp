#include "machine/register_panel.h"

#include <cstdio>

#include "machine/machine_helpers.h"

namespace casl2wb {

std::string prLabelText(std::int64_t pr) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%X", static_cast<std::uint32_t>(pr));
  return digits;
}

RegisterPanel panelOf(const MachineState& m, std::int64_t pr, const std::array<MemoryWord, 8>& gr,
                      const FlagText& fr, const std::string& sp) {
  RegisterPanel panel;
  panel.comand = comd(m, pr);
  panel.pr = prLabelText(pr);
  for (int n = 0; n < 8; ++n) panel.gr[n] = gr[n].text();
  panel.sp = sp;
  panel.fr = fr;
  return panel;
}

}  // namespace casl2wb
