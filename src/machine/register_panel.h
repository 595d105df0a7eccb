// The values of the CPU panel of the execution window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "machine/machine_state.h"

namespace casl2wb {

struct RegisterPanel {
  std::string comand;  // mnemonic of the instruction at PR
  std::string pr;      // PR in hex without leading zeros
  std::array<std::string, 8> gr;
  std::string sp;
  std::string fr;
};

// PR in hexadecimal digits without leading zeros (A for 000A, 0 for 0).
std::string prLabelText(std::int64_t pr);

// The panel for the given PR and register, FR and SP texts.
RegisterPanel panelOf(const MachineState& m, std::int64_t pr, const std::array<MemoryWord, 8>& gr,
                      const FlagText& fr, const std::string& sp);

}  // namespace casl2wb
