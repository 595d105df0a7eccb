// Which source line each item of the editor's message list belongs to, so
// that a double click on a listing line or a message shows that line, and
// which lines the check found errors in.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "assembler/assembled_program.h"

namespace casl2wb {

// One entry per item of `program.listing`: the source line (counted from
// 1) of the item, or 0 for the error count and the memory dump.
std::vector<int> messageListLines(const AssembledProgram& program);

// The texts of the messages of each line that has errors, in the order the
// check found them.
std::map<int, std::vector<std::string>> messagesByLine(const AssembledProgram& program);

}  // namespace casl2wb
