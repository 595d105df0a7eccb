// Cuts one source line into the text columns and operand parts of its row.
//
// The rules are character-based and only the space character separates
// anything; several checker messages exist only because of them.
#pragma once

#include <cstddef>

#include "source/source_table.h"

namespace casl2wb {

// Lines longer than this are reported (and still processed).
constexpr std::size_t maxLineLength = 72;

// From 1-based position `pos`, moves over spaces; at the first character that
// is not a space (the end of the text counts as one) sets `pos` to that
// position minus 1 and adds 1 to `count`.
void skipSpaces(TextView text, std::size_t& pos, int& count);

// Fills lineFields(n, 1..6) and operandParts(n, ...) from one source line;
// a DC list without quotes also sets table.dcConstantCount.
void splitLine(SourceTable& table, int n, const Text& line);

// Run after the line's address is assigned: branch-group operands move one
// part to the right (address in part 2, index in part 3), and parts 1..3
// longer than 3 characters lose one trailing space.
void normaliseOperands(SourceTable& table, int n);

}  // namespace casl2wb
