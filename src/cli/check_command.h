// casl2wb-cli check FILE... [--diagnostics]: checks and translates programs
// and prints their message lists, or with --diagnostics only their errors in
// the form editors read; casl2wb-cli trace FILE prints the program-trace text.
#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace casl2wb::cli {

// The program files are read, never rewritten.
int runCheckCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err);

// When the check or the translation found errors, prints the message list on
// err instead and gives 1.
int runTraceCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err);

}  // namespace casl2wb::cli
