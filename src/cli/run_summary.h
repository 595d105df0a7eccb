// How a run ended and after how many steps, as grading and `run --status`
// tell it: the name of the end as test files write it, what it was about
// (the limit, or the address), and the steps.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "simulator/machine.h"
#include "simulator/standard_machine.h"

namespace casl2wb::cli {

struct RunSummary {
  std::string end = "none";  // runEndName, or standardEndName
  std::string detail;        // "5000", "at 0100", "9000 at 0004"; empty for RET
  std::int64_t steps = 0;

  // "RET after 12 steps", "pass-limit 5000 after 5001 steps", ...
  std::string text() const;
};

// `run --status`: "PATH: ended: SUMMARY" on err.
void printRunStatus(const std::string& path, const RunSummary& summary, std::ostream& err);

RunSummary summaryOf(const Machine& machine);
RunSummary summaryOf(const standard::RunEnd& end);

}  // namespace casl2wb::cli
