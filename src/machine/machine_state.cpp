#include "machine/machine_state.h"

#include <span>

namespace casl2wb {

MachineState::MachineState(MemoryImage& memoryImage)
    : memory(memoryImage), history(historySlots), memHist(historySlots) {
  grText.fill(MemoryWord::hex(0));
}

std::span<const MemoryWord> MachineState::memoryRow(int s) const {
  static const MemoryRow blankRow = [] {
    MemoryRow row;
    row.fill(MemoryWord::blank());
    return row;
  }();
  const auto& row = memHist.at(s);
  return row ? std::span<const MemoryWord>(*row) : std::span<const MemoryWord>(blankRow);
}

}  // namespace casl2wb
