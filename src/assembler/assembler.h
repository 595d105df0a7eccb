// The assembler: the check of a program and, when the check finds no
// errors, its translation, giving an assembled program.
#pragma once

#include <vector>

#include "assembler/assembled_program.h"
#include "assembler/checker.h"
#include "base/text.h"
#include "comet2/memory_image.h"

namespace casl2wb {

class Assembler {
 public:
  // Checks the lines (line ends removed) and translates them onto `image`,
  // the memory image as the last program or run left it: the check clears
  // cells 1 to 512, and the translation writes the program's words.
  AssembledProgram assemble(const std::vector<Text>& lines, const MemoryImage& image = {});

 private:
  CheckCarryOver carry_;
};

// The run parameters and start address of a checked program.
RunParameters runParametersOf(const SourceTable& source);

}  // namespace casl2wb
