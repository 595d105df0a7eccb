// What one recorded step of a run changed: the registers, FR and SP it left
// different from the step before it (the run's start for the first step),
// and the memory cells of the memory list it wrote to. The execution windows
// of the desktop and of the browser mark them while the replay shows the step.
#pragma once

#include <vector>

#include "simulator/machine.h"

namespace casl2wb {

struct StepChanges {
  // The numbers of the general registers (0 to 7) in order, and FR and SP.
  std::vector<int> registers;
  bool flags = false;
  bool stackPointer = false;
  // The memory addresses (0 up to the highest usable address) in order.
  std::vector<int> addresses;
};

// The changes of history slot `slot` of the machine's last run;
// `startMemory` is the memory as the run found it, to which the first step
// is compared.
StepChanges changesOfStep(const Machine& machine, int slot, const MemoryRow& startMemory);

// Cells 0 to 513 of the machine's memory as they are now.
MemoryRow currentMemoryRow(const Machine& machine);

// The item of the step memory list (after its heading line) that shows an
// address, and the entry of that item (0 to 7) that holds it.
int memoryListItemOf(int address);
int memoryListEntryOf(int address);

}  // namespace casl2wb
