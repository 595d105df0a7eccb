// casl2wb-cli check FILE: checks and translates a program and prints the
// message list; casl2wb-cli trace FILE prints the program-trace text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace casl2wb::cli {

// arguments[0] is the program file; it is read, never rewritten.
int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);

// When the check or the translation found errors, prints the message list on
// err instead and gives 1.
int runTraceCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);

}  // namespace casl2wb::cli
