// How the last run went: the pass limit it kept to, the passes it made, how
// it ended, and the last line OUT wrote.
#pragma once

#include <cstdint>
#include <string>

#include "assembler/assembled_program.h"

namespace casl2wb {

enum class RunEnd {
  None,          // no run yet
  BlankWord,     // a pass found a blank word at PR
  PassLimit,     // the pass limit was exceeded
  Return,        // RET on an empty stack, or a return beyond the memory
  AddressError,  // an address outside the usable memory
};

struct RunOutcome {
  std::int64_t passLimit = RunParameters::defaultPassLimit;
  std::int64_t passCount = 0;
  RunEnd end = RunEnd::None;
  // The last line OUT wrote, in this run or one before it.
  std::string outputLine;
};

}  // namespace casl2wb
