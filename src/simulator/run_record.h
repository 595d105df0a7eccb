// The record of the last run: a history slot for every step it recorded,
// the journal of its memory writes, and the memory rows made from them. The
// run writes it; the dumps, the replay, the windows and the printed CPU
// trace read the steps, the slots and the rows.
#pragma once

#include <array>
#include <cstdint>
#include <tuple>
#include <vector>

#include "comet2/memory_image.h"
#include "comet2/word.h"
#include "simulator/cpu_state.h"
#include "simulator/history_slot.h"

namespace casl2wb {

class RunRecord {
 public:
  // Slots 0 to 1100: recording stops moving forward at slot 999, but one
  // pass may record up to 43 more instructions before that is noticed.
  static constexpr int historySlots = 1101;
  // The slot from which recording starts again once 999 steps are recorded.
  static constexpr int lastSlot = 999;

  // A run's record starts from the memory and registers as they are when
  // its first step is about to run, and ends with the memory as the run
  // leaves it; the end fills in the registers of every slot. While a run is
  // under way the record shows no steps.
  void begin(const CpuState& cpu);
  void end(const CpuState& cpu);

  // Writes a memory word, noting it in the journal of the run's writes
  // under the instruction of slot `slot`.
  [[gnu::always_inline]] void write(MemoryImage& memory, int slot, std::int64_t address,
                                    Word word) {
    if (address < static_cast<std::int64_t>(std::tuple_size_v<MemoryRow>)) {
      journal_.push_back({slot, static_cast<std::uint16_t>(address), memory[address], word});
    }
    memory[address] = word;
  }
  // The same for the instruction that the next slot records.
  void write(MemoryImage& memory, std::int64_t address, Word word) {
    write(memory, steps_, address, word);
  }

  // Records the registers, FR and SP under PR as the next slot; the journal
  // of writes dates the memory after the instruction.
  void recordStep(const CpuState& cpu) {
    slots_[static_cast<std::size_t>(steps_)].record(cpu, cpu.pr, HistorySlot::allRegisters);
    ++steps_;
    ++records_;
  }
  // Recording starts again at slot 999 (and goes on over the slots after
  // it): what the passes before wrote after the record of slot 998 is no
  // longer needed for any row. Inline: a runaway loop restarts at every
  // pass.
  void restartAtLastSlot(const CpuState& cpu) {
    steps_ = lastSlot;
    registersBeforeLastSlot_ = cpu.registers;
    restarted_ = true;
    while (!journal_.empty() && journal_.back().slot >= lastSlot) journal_.pop_back();
  }

  // A pass of the execution loop keeps the next slot to itself and records
  // into it directly (`place`), and hands it back with settleSteps when the
  // pass ends or another routine needs it.
  int nextSlot() const { return steps_; }
  HistorySlot* place(int slot) { return &slots_[static_cast<std::size_t>(slot)]; }
  int slotAt(const HistorySlot* place) const { return static_cast<int>(place - slots_.data()); }
  void settleSteps(int nextSlot) {
    records_ += static_cast<std::uint64_t>(nextSlot - steps_);
    steps_ = nextSlot;
  }

  // The steps of the last run: slot s describes the (s+1)-th recorded
  // instruction, and memory row s+1 holds the memory after it.
  int recordedSteps() const { return recordedSteps_; }
  const HistorySlot& slot(int s) const { return slots_.at(static_cast<std::size_t>(s)); }
  // Memory row s (blank words for a row not recorded). Rows are made when
  // asked for, from the memory at the start or the end of the run and the
  // journal of writes.
  MemoryRow memoryRow(int s) const;
  // The runs made so far.
  std::uint64_t runCount() const { return runs_; }
  // The instructions the last run recorded, the ones whose slots were
  // overwritten included.
  std::uint64_t recordCount() const { return records_; }

 private:
  // One write of a history cell (0 to 513) by the instruction of history
  // slot `slot`. The slots of the entries rise with their order.
  struct JournalEntry {
    int slot;
    std::uint16_t address;
    Word before;
    Word after;
  };

  std::array<HistorySlot, historySlots> slots_{};
  int steps_ = 0;  // recorded instructions, and the next slot
  int recordedSteps_ = 0;
  std::uint64_t runs_ = 0;
  std::uint64_t records_ = 0;
  std::vector<JournalEntry> journal_;
  // The registers at the start of the run, and before the slot 999 of the
  // last round of recording: the records of the slots start from them.
  Registers registersAtRunStart_{};
  Registers registersBeforeLastSlot_{};
  bool restarted_ = false;
  MemoryRow runStartRow_{};
  MemoryRow runEndRow_{};
};

}  // namespace casl2wb
