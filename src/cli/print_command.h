// casl2wb-cli print KIND FILE [--input INFILE] [--pdf OUT.pdf]: prints one of
// the listings as text on stdout, or into a PDF file.
//   list     the editor's "印刷(&P)": program list and memory
//   program  the editor's toolbar print: program list
//   run      the execution window's "印刷(&P)" after one run
//   cpu      the execution window's "CPUﾄﾚｰｽ印刷(&C)" after one run
#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace casl2wb::cli {

// list and program print what the check left and give 1 when it found
// errors; run and cpu print the message list to err and give 1 instead.
int runPrintCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err);

}  // namespace casl2wb::cli
