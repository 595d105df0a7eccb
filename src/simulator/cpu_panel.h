// The values the CPU panel shows: PR, the general registers, FR and SP, and
// the row of the instruction set whose code the word at PR has. The windows
// and the text front end make their texts (documents/cpu_panel_texts.h).
#pragma once

#include <cstdint>

#include "comet2/flags.h"
#include "comet2/instruction_set.h"
#include "comet2/memory_image.h"
#include "simulator/cpu_state.h"

namespace casl2wb {

struct CpuPanel {
  std::int64_t pr = 0;
  Registers registers{};
  Flags flags;
  std::int64_t sp = 0;
  // None for a word whose code no row has, a blank or empty word, or an
  // address outside the image.
  const Instruction* instruction = nullptr;

  bool operator==(const CpuPanel&) const = default;
};

// The row of the instruction set whose code the word at `address` has.
const Instruction* instructionAt(const MemoryImage& memory, std::int64_t address);

// The panel for the given PR, registers, FR and SP, the row at PR found in
// `memory`.
CpuPanel panelOf(const MemoryImage& memory, std::int64_t pr, const Registers& registers,
                 const Flags& flags, std::int64_t sp);
// The panel of the CPU as it is: as a run leaves it.
CpuPanel panelOf(const CpuState& cpu);

}  // namespace casl2wb
