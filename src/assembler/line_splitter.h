// Cuts one source line into the text columns and operand parts of its row,
// and notes where each stands in the line.
//
// The rules are character-based and only the space character separates
// anything; several checker messages exist only because of them. The check,
// the editor's colours and the errors for editors all cut lines here.
#pragma once

#include "assembler/line_fields.h"

namespace casl2wb {

// The fields of the source line. A DC list without quotes notes the number
// of its constants.
LineFields splitLine(const Text& text);

// Run after the line's address is assigned: the branch group's operands
// move one part on (address in the second part, index in the third), and
// the first three parts lose one trailing space when longer than 3. The
// parts take their places in the line with them.
void normaliseOperands(LineFields& line);

}  // namespace casl2wb
