// The simulated COMET II as runs leave it: the CPU with its memory, the
// record of the last run and how that run went, and the parameters of the
// loaded program. Only a run (Simulator) changes it; everyone else reads.
#pragma once

#include <cstdint>

#include "assembler/assembled_program.h"
#include "simulator/cpu_state.h"
#include "simulator/run_outcome.h"
#include "simulator/run_record.h"

namespace casl2wb {

class Machine {
 public:
  // Takes the memory image and the run parameters of a program; the
  // registers and the record stay as the last run left them.
  void load(const AssembledProgram& program) { load(program, program.run); }
  // The same with run parameters of its own (grading lowers the pass limit).
  void load(const AssembledProgram& program, const RunParameters& run) {
    cpu_.memory = program.image;
    parameters_ = run;
    outputSize_ = program.outputSize;
  }

  const CpuState& cpu() const { return cpu_; }
  const RunRecord& record() const { return record_; }
  const RunOutcome& outcome() const { return outcome_; }

 private:
  // A run changes every part; whoever else holds a machine only loads a
  // program into it and reads.
  friend class Simulator;

  CpuState cpu_;
  RunRecord record_;
  RunOutcome outcome_;
  // What the loaded program gives the runs.
  RunParameters parameters_;
  std::int16_t outputSize_ = 0;  // OUT looks at this many words after the buffer
};

}  // namespace casl2wb
