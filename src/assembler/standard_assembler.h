// The check and translation of standard CASL II: one or more source files,
// each holding START ... END units, placed one after another from address 0.
// Labels are local to their unit; the label of START names the unit for
// CALL from the others. Every error is found and reported with its line;
// the words are written only when there are none.
#pragma once

#include <vector>

#include "assembler/standard_program.h"

namespace casl2wb::standard {

Program assemble(std::vector<SourceFile> files);

// Whether a text is a label: an upper-case letter, then up to seven
// upper-case letters and digits, and no register name.
bool isLabel(TextView text);

}  // namespace casl2wb::standard
