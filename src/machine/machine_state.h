// The state of the simulated COMET II machine and the history of one run.
//
// Every 16-bit word is held as a word text (a MemoryWord: four hex digits,
// or a blank word); the numbers are working copies derived from the texts.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "codegen/memory_image.h"

namespace casl2wb {

// FR as its three characters "0"/"1": OF, SF, ZF.
using FlagText = std::string;

// The registers, FR and SP after one recorded instruction, and the memory.
struct HistorySlot {
  std::int64_t pr = 0;
  std::array<MemoryWord, 8> gr{};
  FlagText fr;
  std::string sp;
};

// The memory word texts of one history row (cells 0..513).
using MemoryRow = std::array<MemoryWord, 514>;

class MachineState {
 public:
  static constexpr int historySlots = 1101;   // slots 0..1100
  static constexpr int historyColumns = 514;  // memory cells 0..513 of each row

  explicit MachineState(MemoryImage& memory);

  MemoryImage& memory;  // memText / memValue / addrText, shared with the translation

  std::array<MemoryWord, 8> grText{};
  std::array<std::int32_t, 8> grValue{};
  FlagText frText = "000";
  std::int64_t pr = 0;
  std::int64_t sp = 256;
  std::string spText;
  int memTop = 256;
  bool mexMode = false;

  // Fields of the instruction at PR: third and fourth character of its word.
  char xDigit = '0';
  char rDigit = '0';

  // Scratch values shared by the instruction routines.
  std::int64_t accum = 0;
  std::int64_t operand = 0;
  std::string hexWork;

  // Run parameters and counters.
  std::int64_t passLimit = 5000;
  std::int64_t passCount = 0;
  int stepNo = 0;
  int dmpCount = 0;
  bool traceWarned = false;

  // History: slot s describes the (s+1)-th recorded instruction; memory row
  // s+1 holds the memory after it. Rows recorded while the memory did not
  // change share one copy.
  std::vector<HistorySlot> history;
  std::vector<std::shared_ptr<const MemoryRow>> memHist;
  // Set by every memory write of a run, so that the next row takes a new copy.
  bool memoryChanged = true;
  std::shared_ptr<const MemoryRow> memorySnapshot;

  // Memory row s of the history (blank words for a row never recorded).
  std::span<const MemoryWord> memoryRow(int s) const;

  // Step replay.
  int replayPos = 1;
  bool replayActive = false;
  int replayEnd = 0;

  // The last output line of OUT.
  std::string outLine;

  // Highest instruction or data address of the usable memory (255 or 511).
  int highestAddress() const { return memTop - 1; }
};

}  // namespace casl2wb
