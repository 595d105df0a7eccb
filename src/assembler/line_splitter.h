// Cuts one source line into the text columns and operand parts of its row.
//
// The rules are character-based and only the space character separates
// anything; several checker messages exist only because of them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "assembler/source_table.h"

namespace casl2wb {

// Lines longer than this are reported (and still processed).
inline constexpr std::size_t maxLineLength = 72;

// Fills the columns and operand parts of `line` from the source text. A DC
// list without quotes sets `dcConstantCount` to its number of constants;
// otherwise the count keeps the value of an earlier list.
void splitLine(SourceLine& line, const Text& text, std::int64_t& dcConstantCount);

// Run after the line's address is assigned: the branch group's operands
// move one part on (address in the second part, index in the third), and
// the first three parts lose one trailing space when longer than 3.
void normaliseOperands(SourceLine& line);

}  // namespace casl2wb
