// What a pass of the execution loop keeps to itself while it runs: PR and
// the next history slot, which its instructions read and move on; and how
// an instruction of a pass ends.
#pragma once

#include <cstdint>

#include "simulator/cpu_state.h"
#include "simulator/history_slot.h"
#include "simulator/run_record.h"

namespace casl2wb {

struct PassState {
  std::int64_t pr = 0;
  HistorySlot* next = nullptr;  // the next history slot

  // The number of the next slot.
  int step(const RunRecord& record) const { return record.slotAt(next); }
  // Records FR and SP under `atPr` as the next history slot, with the
  // registers that the instruction may have changed (see HistorySlot::record).
  [[gnu::always_inline]] void record(const CpuState& cpu, std::int64_t atPr,
                                     int registersRecorded = HistorySlot::noRegister) {
    next++->record(cpu, atPr, registersRecorded);
  }
};

// How an instruction carried out within a pass ends.
enum class StepEnd : std::uint8_t {
  Next,        // the pass offers the word at the new PR to the rows after it
  StackMoved,  // the same, but SP has moved, and PR may lie anywhere
  StackFull,   // a push found no room below address 0: the address error
  RunOver,     // the run ends here; the machine tells how
};

}  // namespace casl2wb
