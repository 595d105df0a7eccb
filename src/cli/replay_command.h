// casl2wb-cli replay FILE [--input INFILE] [--presses N]: one run of the
// program on a freshly opened execution window, then N presses of ">>",
// each followed by the CPU panel, the selection of the trace window and the
// execution window's list as the press left them.
#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace casl2wb::cli {

int runReplayCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err);

}  // namespace casl2wb::cli
