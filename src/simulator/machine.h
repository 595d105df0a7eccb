// The simulated COMET II as runs leave it: the memory image, the general
// registers, FR, PR and SP, the parameters of the loaded program, and the
// history of the last run from which the dumps, the replay and the printed
// CPU trace are made.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "assembler/assembled_program.h"
#include "comet2/flags.h"
#include "comet2/memory_image.h"
#include "comet2/word.h"

namespace casl2wb {

// The registers, FR and SP after one recorded instruction, and its PR.
struct HistorySlot {
  std::int64_t pr = 0;
  std::array<Word, 8> registers{};
  Flags flags;
  std::int64_t sp = 0;
};

// The memory cells 0 to 513 of one history row.
using MemoryRow = std::array<Word, 514>;

class Machine {
 public:
  // Slots 0 to 1100: recording stops moving forward at slot 999, but one
  // pass may record up to 43 more instructions before that is noticed.
  static constexpr int historySlots = 1101;

  Machine();

  // Takes the memory image and the run parameters of a program; the
  // registers and the history stay as the last run left them.
  void load(const AssembledProgram& program);

  // Writes a memory word and marks the memory changed, so that the next
  // history row takes a fresh copy.
  void write(std::int64_t address, Word word);
  // Makes the next history row take a fresh copy (at the start of a run).
  void markMemoryChanged() { memoryChanged_ = true; }

  // The first address above the usable memory: 256, or 512 in extended mode.
  int memoryTop() const { return extendedMemory ? 512 : 256; }
  int highestAddress() const { return memoryTop() - 1; }

  // Records the registers, FR and SP under PR as the next history slot, and
  // the memory after the instruction as the row after it.
  void recordStep();
  // Memory row s of the history (blank words for a row never recorded).
  MemoryRow memoryRow(int s) const;

  MemoryImage memory;
  std::array<Word, 8> registers{};
  Flags flags;
  std::int64_t pr = 0;
  std::int64_t sp = 256;
  bool extendedMemory = false;

  // What the loaded program gives the runs.
  RunParameters parameters;
  std::int16_t outputSize = 0;  // OUT looks at this many words after the buffer

  // Counters of the run.
  std::int64_t passLimit = 5000;
  std::int64_t passCount = 0;
  int dumpCount = 0;
  bool historyLimitNoticed = false;

  // History: slot s describes the (s+1)-th recorded instruction; memory row
  // s+1 holds the memory after it. Rows recorded while the memory did not
  // change share one copy.
  int stepCount = 0;  // recorded instructions, and the next slot
  std::vector<HistorySlot> history;

  // The step replay: the next slot to show, whether a replay is under way,
  // and the number of slots of the last run.
  int replayPosition = 1;
  bool replaying = false;
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
  std::vector<std::shared_ptr<const MemoryRow>> memoryRows_;
  std::shared_ptr<const MemoryRow> lastRow_;
  bool memoryChanged_ = true;
};

}  // namespace casl2wb
