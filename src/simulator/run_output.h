// What a run hands on as it goes: the lines it writes (its messages and the
// lines OUT writes), the CPU at every DMP, and the machine at its end. The
// execution window's list and the text front end make the texts of the
// dumps from them (documents/run_listing.h); grading needs none of them.
#pragma once

#include <string_view>

#include "simulator/cpu_state.h"

namespace casl2wb {

class Machine;

class RunOutput {
 public:
  virtual ~RunOutput() = default;
  // A line of the run's list.
  virtual void line(std::string_view text) = 0;
  // DMP, the `count`-th of the run, with the CPU as the step finds it.
  virtual void dumped(int count, const CpuState& cpu) = 0;
  // The run is over; the machine holds its memory and its record.
  virtual void ended(const Machine& machine) = 0;
};

}  // namespace casl2wb
