// A source file read, checked and (when the check finds no errors) translated.
#pragma once

#include <ostream>
#include <string>

#include "codegen/assembler.h"

namespace casl2wb::cli {

struct AssembledFile {
  SourceTable table;
  MemoryImage memory;
  VectorMessageList messages;
  StringTraceText trace;
  Assembler assembler{table, memory, messages, trace};
};

// Reads and assembles the file; false (with a message on err) when the file
// cannot be read.
bool assembleFile(const std::string& path, AssembledFile& file, std::ostream& err);

// Whether the check or the translation found errors; the message list then
// goes to err, as nothing of the program may be run or traced.
bool reportErrors(const AssembledFile& file, std::ostream& err);

}  // namespace casl2wb::cli
