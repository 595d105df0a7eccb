#include "documents/step_changes.h"

#include "comet2/memory_image.h"

namespace casl2wb {

namespace {

// A blank cell and a cell nothing ever wrote both hold no value; a run
// makes the usable empty cells blank before its first step.
bool sameCell(const Word& before, const Word& after) {
  return before == after || (!before.hasValue() && !after.hasValue());
}

}  // namespace

StepChanges changesOfStep(const Machine& machine, int slot, const MemoryRow& startMemory) {
  const RunRecord& record = machine.record();
  const HistorySlot& now = record.slot(slot);
  // The run starts with every register 0000, FR 000 and SP at the memory top.
  HistorySlot before;
  before.registers = zeroRegisters;
  before.sp = machine.cpu().memoryTop();
  if (slot > 0) before = record.slot(slot - 1);

  StepChanges changes;
  for (int n = 0; n < 8; ++n) {
    if (now.registers[n] != before.registers[n]) changes.registers.push_back(n);
  }
  changes.flags = !(now.flags == before.flags);
  changes.stackPointer = now.sp != before.sp;

  // Row s+1 holds the memory after slot s, row s the memory before it.
  const MemoryRow after = record.memoryRow(slot + 1);
  const MemoryRow previous = slot > 0 ? record.memoryRow(slot) : startMemory;
  for (int a = 0; a <= machine.cpu().highestAddress(); ++a) {
    const auto cell = static_cast<std::size_t>(a);
    if (!sameCell(previous[cell], after[cell])) changes.addresses.push_back(a);
  }
  return changes;
}

MemoryRow currentMemoryRow(const Machine& machine) {
  MemoryRow row;
  for (std::size_t a = 0; a < row.size(); ++a)
    row[a] = machine.cpu().memory[static_cast<std::int64_t>(a)];
  return row;
}

// The list shows 32 items of eight cells a base (0, and 256 in extended
// mode): item i of base b holds b+i, b+i+32, ..., b+i+224.
int memoryListItemOf(int address) {
  return 1 + (address / standardMemoryWords) * 32 + address % 32;
}

int memoryListEntryOf(int address) { return address % standardMemoryWords / 32; }

}  // namespace casl2wb
