// Generated CASL II programs of a given length for the benchmarks.
#pragma once

#include <vector>

#include "base/text.h"

namespace casl2wb::bench {

// A correct program of exactly `lineCount` lines (more than 113): START, blocks
// of labelled code with loads, arithmetic, stores, compares, shifts, stack
// use and forward and backward branches, RET, a data area of DC and DS lines
// that the code refers to, and END. A few lines carry comments.
std::vector<Text> generateProgram(int lineCount);

}  // namespace casl2wb::bench
