// casl2wb-cli run FILE [--input INFILE] [--runs N]: checks, translates and
// runs a program, then prints the execution window's list and CPU panel.
#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace casl2wb::cli {

int runRunCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err);

}  // namespace casl2wb::cli
