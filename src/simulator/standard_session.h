// A standard program in the windows: the program of the last check and its
// last run (the CPU it left, the record of its steps, how it ended, the
// lines OUT wrote) with the memory the run began with, from which the
// memory of a replayed step is made.
#pragma once

#include <string>
#include <vector>

#include "simulator/standard_machine.h"

namespace casl2wb::standard {

struct Session {
  Program program;
  bool hasRun = false;
  Cpu cpu;
  StepRecord record;
  RunEnd end;
  std::vector<std::uint16_t> startMemory;
  std::vector<std::string> outputLines;

  // Runs the program afresh from its loaded words, recording its steps (up
  // to the record's limit, which stays); OUT's lines go to the terminal and
  // are kept.
  void run(Terminal& terminal, std::int64_t stepLimit);
  // The memory after the first `steps` recorded steps.
  std::vector<std::uint16_t> memoryAfter(std::size_t steps) const;
  // The address of the word recorded step `slot` wrote last, or 0 when it
  // wrote none: where the memory list of the step starts.
  std::int64_t lastWriteOf(std::size_t slot) const;
  // The line of the step's instruction in the program's first file (the
  // editor's), or 0 when it is in another file.
  int firstFileLineOf(std::size_t slot) const;
};

}  // namespace casl2wb::standard
