// Helpers of the execution window shared by the loop and the instructions.
#pragma once

#include <string>

#include "machine/machine_state.h"

namespace casl2wb {

// The mnemonic of the instruction word at address pc ("" when none matches).
std::string comd(const MachineState& m, std::int64_t pc);
// The first two characters of the word at address pc (its operation code).
std::string codeAt(const MachineState& m, std::int64_t pc);
// The operation code (first byte) of the word at address pc; -1 for a
// blank or empty cell or an address outside the memory.
int opcodeAt(const MachineState& m, std::int64_t pc);
// Copies memory cells 0..255 (0..512 in extended mode) into history row gc.
void subm(MachineState& m, int gc);

}  // namespace casl2wb
