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
};

}  // namespace casl2wb::standard
