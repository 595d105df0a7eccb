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

Machine::Machine() : history(historySlots) { registers.fill(Word(0)); }

void Machine::load(const AssembledProgram& program) {
  memory = program.image;
  parameters = program.run;
  outputSize = program.outputSize;
}

void Machine::beginHistory() {
  runStartRow_ = rowOf(memory);
  runEnded_ = false;
  records_ = 0;
  journal_.clear();
}

void Machine::endHistory() {
  runEndRow_ = rowOf(memory);
  runEnded_ = true;
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
  const std::size_t written = history[static_cast<std::size_t>(s - 1)].journalSize;
  if (s <= lastSlot) {
    MemoryRow row = runStartRow_;
    for (std::size_t e = 0; e < written; ++e) row[journal_[e].address] = journal_[e].after;
    return row;
  }
  MemoryRow row = runEnded_ ? runEndRow_ : rowOf(memory);
  for (std::size_t e = journal_.size(); e > written; --e) {
    row[journal_[e - 1].address] = journal_[e - 1].before;
  }
  return row;
}

}  // namespace casl2wb
