// Which source line each item of the editor's message list belongs to, so
// that a double click on a listing line or a message shows that line, and
// which lines the check found errors in.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "assembler/assembled_program.h"

namespace casl2wb {

// The line (counted from 1) a message of the check belongs to: its own line,
// or the last line read for a message of the program as a whole (RET or
// END missing, too many lines); 0 when no line was read. `linesRead` is the
// number of lines the check read (at most SourceTable::maxLines).
int lineOfDiagnostic(const Diagnostic& diagnostic, int linesRead);

// One entry per item of `program.messages`: the source line (counted from
// 1) of the item, or 0 for the error count and the memory dump.
//
// The list holds, for every line read, the messages found while cutting it,
// its listing line and the messages of its statement; then the messages
// found after the last line, the error count, the translation's messages and
// the dump.
std::vector<int> messageListLines(const AssembledProgram& program, int linesRead);

// The texts of the messages of each line that has errors, in the order the
// check found them.
std::map<int, std::vector<std::string>> messagesByLine(const AssembledProgram& program,
                                                       int linesRead);

}  // namespace casl2wb
