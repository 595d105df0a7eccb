// A run's output as the execution window's list shows it: each line as the
// run writes it, the two lines of each DMP when it happens, and the dumps at
// the end of the run.
#pragma once

#include <string_view>

#include "base/message_list.h"
#include "simulator/machine.h"
#include "simulator/run_output.h"

namespace casl2wb {

class RunListing : public RunOutput {
 public:
  explicit RunListing(MessageList& list) : list_(list) {}

  void line(std::string_view text) override;
  void dumped(int count, const CpuState& cpu) override;
  void ended(const Machine& machine) override;

 private:
  MessageList& list_;
};

}  // namespace casl2wb
