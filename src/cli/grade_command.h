// casl2wb-cli grade TESTS FILE... [--csv OUT.csv] [--json OUT.json]
// [--jobs N]: runs every program file against every case of a test file
// and reports which pass, as a table on standard output and, when asked,
// as CSV and JSON files.
#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace casl2wb::cli {

// 0 when every case of every file passed, 1 when one failed, 2 for a bad
// test file or a file that cannot be read or written.
int runGradeCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err);

}  // namespace casl2wb::cli
