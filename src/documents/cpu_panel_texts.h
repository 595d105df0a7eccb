// The texts of the CPU panel, as the execution window and the text front
// end show them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "simulator/cpu_panel.h"

namespace casl2wb {

struct CpuPanelTexts {
  std::string mnemonic;         // of the instruction word at PR
  std::string programRegister;  // PR in hex without leading zeros
  std::array<std::string, 8> registers;
  std::string stackPointer;
  std::string flags;
};

// PR in hexadecimal digits without leading zeros (A for 000A, 0 for 0).
std::string programRegisterText(std::int64_t pr);

CpuPanelTexts cpuPanelTexts(const CpuPanel& panel);

}  // namespace casl2wb
