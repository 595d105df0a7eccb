// The simulated COMET II as runs leave it: the memory image, the general
// registers, FR, PR and SP, the parameters of the loaded program, and the
// history of the last run from which the dumps, the replay and the printed
// CPU trace are made.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "assembler/assembled_program.h"
#include "comet2/flags.h"
#include "comet2/memory_image.h"
#include "comet2/word.h"

namespace casl2wb {

// The registers, FR and SP after one recorded instruction, and its PR. One
// cache line each, found by a shift.
struct alignas(64) HistorySlot {
  std::int64_t pr = 0;
  std::array<Word, 8> registers{};
  Flags flags;
  std::int64_t sp = 0;
  // While a run records: which of `registers` the record holds, the others
  // being those of the slot before. The end of the run fills them in.
  static constexpr std::int8_t noRegister = -1;
  static constexpr std::int8_t allRegisters = 8;
  std::int8_t registersRecorded = allRegisters;  // or the one register 0 to 7
};

// The memory cells 0 to 513 of one history row.
using MemoryRow = std::array<Word, 514>;

class Machine {
 public:
  // Slots 0 to 1100: recording stops moving forward at slot 999, but one
  // pass may record up to 43 more instructions before that is noticed.
  static constexpr int historySlots = 1101;
  // The slot from which recording starts again once 999 steps are recorded.
  static constexpr int lastSlot = 999;

  Machine();

  // Takes the memory image and the run parameters of a program; the
  // registers and the history stay as the last run left them.
  void load(const AssembledProgram& program);

  // Writes a memory word, noting it in the journal of the run's writes
  // under the instruction that the next history slot records.
  void write(std::int64_t address, Word word) { writeInStep(stepCount, address, word); }
  // The same for the instruction of slot `slot`: the execution loop keeps
  // the next slot to itself while a pass runs.
  [[gnu::always_inline]] void writeInStep(int slot, std::int64_t address, Word word) {
    if (address < static_cast<std::int64_t>(std::tuple_size_v<MemoryRow>)) {
      journal_.push_back({slot, static_cast<std::uint16_t>(address), memory[address], word});
    }
    memory[address] = word;
  }

  // The history of a run starts from the memory and registers as they are
  // now, and ends with the memory as the run leaves it; the end fills in
  // the registers of every slot.
  void beginHistory();
  void endHistory();
  // Recording starts again at slot 999 (and goes on over the slots after
  // it): what the passes before wrote after the record of slot 998 is no
  // longer needed for any row.
  void restartAtLastSlot() {
    stepCount = lastSlot;
    registersBeforeLastSlot_ = registers;
    restarted_ = true;
    while (!journal_.empty() && journal_.back().slot >= lastSlot) journal_.pop_back();
  }
  // The instructions the last run recorded, the ones whose slots were
  // overwritten included.
  std::uint64_t recordCount() const { return records_; }

  // The first address above the usable memory.
  int memoryTop() const { return usableMemoryWords(extendedMemory); }
  int highestAddress() const { return memoryTop() - 1; }

  // Records the registers, FR and SP under PR as the next history slot; the
  // journal of writes dates the memory after the instruction.
  void recordStep() {
    recordInto(history[static_cast<std::size_t>(stepCount)], pr, HistorySlot::allRegisters);
    ++stepCount;
    ++records_;
  }
  // The same record into `slot` under `atPr`, with all registers, none (an
  // instruction that leaves them), or the one register 0 to 7 that the
  // instruction may have changed: the execution loop records a register
  // just written without reading the others, which would stall the
  // processor until the write is done. Field by field, for the same reason.
  [[gnu::always_inline]] void recordInto(HistorySlot& slot, std::int64_t atPr,
                                         int registersRecorded) const {
    slot.pr = atPr;
    if (registersRecorded == HistorySlot::allRegisters) {
      slot.registers = registers;
    } else if (registersRecorded != HistorySlot::noRegister) {
      const auto r = static_cast<std::size_t>(registersRecorded);
      slot.registers[r] = registers[r];
    }
    slot.registersRecorded = static_cast<std::int8_t>(registersRecorded);
    slot.flags = flags;
    slot.sp = sp;
  }
  // The execution loop keeps PR and the next slot of a pass to itself, and
  // hands the slot back with settleSteps when the pass ends or another
  // routine needs it.
  void settleSteps(int nextSlot) {
    records_ += static_cast<std::uint64_t>(nextSlot - stepCount);
    stepCount = nextSlot;
  }
  // Memory row s of the history (blank words for a row never recorded).
  MemoryRow memoryRow(int s) const;

  MemoryImage memory;
  std::array<Word, 8> registers{};
  Flags flags;
  std::int64_t pr = 0;
  std::int64_t sp = standardMemoryWords;
  bool extendedMemory = false;

  // What the loaded program gives the runs.
  RunParameters parameters;
  std::int16_t outputSize = 0;  // OUT looks at this many words after the buffer

  // Counters of the run.
  std::int64_t passLimit = RunParameters::defaultPassLimit;
  std::int64_t passCount = 0;
  int dumpCount = 0;
  bool historyLimitNoticed = false;

  // History: slot s describes the (s+1)-th recorded instruction; memory row
  // s+1 holds the memory after it. Rows are made when asked for, from the
  // memory at the start or the end of the run and the journal of writes.
  int stepCount = 0;  // recorded instructions, and the next slot
  std::array<HistorySlot, historySlots> history{};

  // The runs made so far, and the number of slots of the last run.
  std::uint64_t runCount = 0;
  int recordedSteps = 0;

  // The last line OUT wrote.
  std::string outputLine;

  // How the last run ended.
  enum class RunEnd {
    None,          // no run yet
    BlankWord,     // a pass found a blank word at PR
    PassLimit,     // the pass limit was exceeded
    Return,        // RET on an empty stack, or a return beyond the memory
    AddressError,  // an address outside the usable memory
  };
  RunEnd runEnd = RunEnd::None;

 private:
  // One write of a history cell (0 to 513) by the instruction of history
  // slot `slot`. The slots of the entries rise with their order.
  struct JournalEntry {
    int slot;
    std::uint16_t address;
    Word before;
    Word after;
  };

  // The registers at the start of the run, and before the slot 999 of the
  // last round of recording: the records of the slots start from them.
  std::array<Word, 8> registersAtRunStart_{};
  std::array<Word, 8> registersBeforeLastSlot_{};
  bool restarted_ = false;
  MemoryRow runStartRow_{};
  MemoryRow runEndRow_{};
  bool runEnded_ = false;
  std::uint64_t records_ = 0;
  std::vector<JournalEntry> journal_;
};

}  // namespace casl2wb
