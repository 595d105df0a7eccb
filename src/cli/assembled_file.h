// A source file read and assembled: checked and, when the check finds no
// errors, translated.
#pragma once

#include <ostream>
#include <string>

#include "assembler/assembled_program.h"

namespace casl2wb::cli {

// Reads and assembles the file; false (with a message on err) when the file
// cannot be read.
bool assembleFile(const std::string& path, AssembledProgram& program, std::ostream& err);

// Whether the check or the translation found errors; the message list then
// goes to err, as nothing of the program may be run or traced.
bool reportErrors(const AssembledProgram& program, std::ostream& err);

}  // namespace casl2wb::cli
