#include "simulator/machine.h"

#include <algorithm>

namespace casl2wb {

namespace {

MemoryRow rowOf(const MemoryImage& memory) {
  MemoryRow row;
  std::copy_n(memory.cells().begin(), row.size(), row.begin());
  return row;
}

}  // namespace

Machine::Machine() { registers.fill(Word(0)); }

void Machine::load(const AssembledProgram& program) {
  memory = program.image;
  parameters = program.run;
  outputSize = program.outputSize;
}

void Machine::beginHistory() {
  runStartRow_ = rowOf(memory);
  registersAtRunStart_ = registers;
  restarted_ = false;
  runEnded_ = false;
  records_ = 0;
  journal_.clear();
}

void Machine::endHistory() {
  runEndRow_ = rowOf(memory);
  runEnded_ = true;
  std::array<Word, 8> now = registersAtRunStart_;
  for (int s = 0; s < stepCount; ++s) {
    if (s == lastSlot && restarted_) now = registersBeforeLastSlot_;
    HistorySlot& slot = history[static_cast<std::size_t>(s)];
    if (slot.registersRecorded == HistorySlot::allRegisters) {
      now = slot.registers;
    } else if (slot.registersRecorded != HistorySlot::noRegister) {
      const auto r = static_cast<std::size_t>(slot.registersRecorded);
      now[r] = slot.registers[r];
    }
    slot.registers = now;
    slot.registersRecorded = HistorySlot::allRegisters;
  }
}

// Rows of the first 999 slots are made forward from the memory at the run
// start; the rows after them, which only the last pass can have recorded,
// backward from the memory at the end.
MemoryRow Machine::memoryRow(int s) const {
  if (s < 1 || s > stepCount) {
    MemoryRow blankRow;
    blankRow.fill(Word::blank());
    return blankRow;
  }
  // Row s holds the writes of the instructions of slots 0 to s - 1.
  if (s <= lastSlot) {
    MemoryRow row = runStartRow_;
    for (const JournalEntry& entry : journal_) {
      if (entry.slot >= s) break;
      row[entry.address] = entry.after;
    }
    return row;
  }
  MemoryRow row = runEnded_ ? runEndRow_ : rowOf(memory);
  for (auto entry = journal_.rbegin(); entry != journal_.rend() && entry->slot >= s; ++entry) {
    row[entry->address] = entry->before;
  }
  return row;
}

}  // namespace casl2wb
