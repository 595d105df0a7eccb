#include "machine/machine_state.h"

namespace casl2wb {

MachineState::MachineState(MemoryImage& memoryImage)
    : memory(memoryImage), history(historySlots), memHist(historySlots) {
  grText.fill(MemoryWord::hex(0));
}

}  // namespace casl2wb
