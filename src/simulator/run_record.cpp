#include "simulator/run_record.h"

#include <algorithm>

namespace casl2wb {

namespace {

MemoryRow rowOf(const MemoryImage& memory) {
  MemoryRow row;
  std::copy_n(memory.cells().begin(), row.size(), row.begin());
  return row;
}

}  // namespace

void RunRecord::begin(const CpuState& cpu) {
  ++runs_;
  steps_ = 0;
  recordedSteps_ = 0;
  records_ = 0;
  journal_.clear();
  runStartRow_ = rowOf(cpu.memory);
  registersAtRunStart_ = cpu.registers;
  restarted_ = false;
}

void RunRecord::end(const CpuState& cpu) {
  runEndRow_ = rowOf(cpu.memory);
  Registers now = registersAtRunStart_;
  for (int s = 0; s < steps_; ++s) {
    if (s == lastSlot && restarted_) now = registersBeforeLastSlot_;
    HistorySlot& slot = slots_[static_cast<std::size_t>(s)];
    if (slot.registersRecorded == HistorySlot::allRegisters) {
      now = slot.registers;
    } else if (slot.registersRecorded != HistorySlot::noRegister) {
      const auto r = static_cast<std::size_t>(slot.registersRecorded);
      now[r] = slot.registers[r];
    }
    slot.registers = now;
    slot.registersRecorded = HistorySlot::allRegisters;
  }
  recordedSteps_ = steps_;
}

// Rows of the first 999 slots are made forward from the memory at the run
// start; the rows after them, which only the last pass can have recorded,
// backward from the memory at the end.
MemoryRow RunRecord::memoryRow(int s) const {
  if (s < 1 || s > recordedSteps_) {
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
  MemoryRow row = runEndRow_;
  for (auto entry = journal_.rbegin(); entry != journal_.rend() && entry->slot >= s; ++entry) {
    row[entry->address] = entry->before;
  }
  return row;
}

}  // namespace casl2wb
