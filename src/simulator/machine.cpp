#include "simulator/machine.h"

#include <algorithm>

namespace casl2wb {

Machine::Machine() : history(historySlots), memoryRows_(historySlots) { registers.fill(Word(0)); }

void Machine::load(const AssembledProgram& program) {
  memory = program.image;
  parameters = program.run;
  outputSize = program.outputSize;
  memoryChanged_ = true;
}

void Machine::write(std::int64_t address, Word word) {
  memory[address] = word;
  memoryChanged_ = true;
}

void Machine::recordStep() {
  HistorySlot& slot = history.at(static_cast<std::size_t>(stepCount));
  slot.pr = pr;
  slot.registers = registers;
  slot.flags = flags;
  slot.sp = sp;
  ++stepCount;
  if (memoryChanged_ || !lastRow_) {
    // Cells 0..513 as they are now; the run start made the usable ones
    // words or blank words.
    auto row = std::make_shared<MemoryRow>();
    for (std::size_t a = 0; a < row->size(); ++a) (*row)[a] = memory[static_cast<std::int64_t>(a)];
    lastRow_ = std::move(row);
    memoryChanged_ = false;
  }
  memoryRows_.at(static_cast<std::size_t>(stepCount)) = lastRow_;
}

MemoryRow Machine::memoryRow(int s) const {
  const auto& row = memoryRows_.at(static_cast<std::size_t>(s));
  if (row) return *row;
  MemoryRow blankRow;
  blankRow.fill(Word::blank());
  return blankRow;
}

}  // namespace casl2wb
