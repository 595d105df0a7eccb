// Where the lines and labels of a checked program stand in memory: which
// line a recorded step carried out, and which labels a memory cell has.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "assembler/source_table.h"

namespace casl2wb {

// For each address from 0 to the end of the program, the line (counted
// from 1) whose statement starts there, or 0. Of lines that share an
// address (a label on a line of no length before it), the last one.
std::vector<int> linesByAddress(const SourceTable& table);

// The line at `address` in such a table, 0 outside it.
int lineAtAddress(const std::vector<int>& lines, std::int64_t address);

// The labels (UTF-8) that each address stands for, in the order of their lines.
std::map<std::int64_t, std::vector<std::string>> labelsByAddress(const SourceTable& table);

}  // namespace casl2wb
