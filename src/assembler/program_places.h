// Where the lines and labels of a checked program stand in memory: which
// line each translated word came from, which line a recorded step carried
// out, and which labels a memory cell has.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "assembler/source_table.h"

namespace casl2wb {

// The source of one address of a translated program, as the translation
// records it.
struct WordOrigin {
  // The line (counted from 1) whose translation wrote the word there (a
  // literal's pool words: the line of the literal); 0 for a word nothing
  // wrote.
  int line = 0;
  // Whether that line's statement starts at the address. A statement
  // starts at its line's address even when it writes no word there (the
  // lower-case "out"); of lines that share an address (a label on a line
  // of no length before it) the last one, and none past the program's end.
  bool statementStart = false;
};

// The line whose statement starts at `address` in such a record, 0
// anywhere else (the later words of a statement, the literal pool, outside
// the record).
int lineAtAddress(const std::vector<WordOrigin>& origins, std::int64_t address);

// The labels (UTF-8) that each address stands for, in the order of their lines.
std::map<std::int64_t, std::vector<std::string>> labelsByAddress(const SourceTable& table);

}  // namespace casl2wb
