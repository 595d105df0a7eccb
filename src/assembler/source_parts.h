// How the editors lay out and colour a program line: the field columns the
// Tab key stops at, and the parts of a line as the check's own splitter cuts
// it, so that each colour shows a field the check reads: the label, the
// operation, and the operand field with its literal parts (those that start
// with '='). The rest of the line after them is coloured as a comment: the
// extra field (the run parameters), a comment, and what the check does not
// read (a token past the fields, a token lost with the ';' it touches).
#pragma once

#include <cstddef>
#include <vector>

#include "base/text.h"

namespace casl2wb {

// The columns (counted from 1) where the fields of a statement start in the
// example programs: label, operation, operand, comment. Past the last one
// the Tab key stops every `commentTabWidth` columns.
inline constexpr int fieldColumns[] = {1, 10, 19, 32};
inline constexpr int commentTabWidth = 8;

// The column the Tab key moves to from `column`, and the stop before
// `column` (1 at the most).
int nextFieldColumn(int column);
int previousFieldColumn(int column);

enum class SourcePart {
  Label,
  Operation,
  Operand,
  Literal,
  // The rest of the line after the statement's fields.
  Comment,
};

// A run of a line's characters that shows one part.
struct SourcePartRun {
  SourcePart part;
  std::size_t start;
  std::size_t length;
};

// The coloured runs of a line, from left to right; spaces between the
// fields belong to none.
std::vector<SourcePartRun> sourcePartRuns(TextView line);

}  // namespace casl2wb
