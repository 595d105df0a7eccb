// Which source line each item of the editor's message list belongs to, so
// that a double click on a listing line or a message shows that line.
#pragma once

#include <vector>

#include "assembler/assembled_program.h"

namespace casl2wb {

// One entry per item of `program.messages`: the source line (counted from
// 1) of the item, or 0 for an item of the program as a whole (the error
// count, a message without a line, the memory dump). `linesRead` is the
// number of lines the check read (at most SourceTable::maxLines).
//
// The list holds, for every line read, the messages found while cutting it,
// its listing line and the messages of its statement; then the messages
// found after the last line, the error count, the translation's messages and
// the dump.
std::vector<int> messageListLines(const AssembledProgram& program, int linesRead);

// The lines that have errors, in order, each once.
std::vector<int> errorLinesOf(const AssembledProgram& program);

}  // namespace casl2wb
