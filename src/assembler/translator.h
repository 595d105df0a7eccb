// The translation: turns a checked program into COMET II machine words in
// the memory image, places the literal pool after the program, and makes
// the memory dump of the message list and the program-trace text.
#pragma once

#include <string>
#include <vector>

#include "assembler/diagnostics.h"
#include "assembler/listing_items.h"
#include "assembler/program_places.h"
#include "assembler/source_table.h"
#include "comet2/memory_image.h"

namespace casl2wb {

struct Translation {
  // The words of the pool of literals after the program.
  std::int64_t literalCount = 0;
  // The memory dump the message list shows after the error count.
  std::vector<DumpRow> dump;
  // Per address from 0 to the last word written: where the word came from.
  std::vector<WordOrigin> wordOrigins;
  // One line per source line: its address and its columns.
  std::string traceText;
};

// Runs after a check that found no errors: writes the words of lines 1 to
// lineCount into the image and the address texts of the words in use. Its
// own errors go into the log (after the error count); it never stops early.
Translation translate(SourceTable& table, MemoryImage& image, DiagnosticLog& log);

}  // namespace casl2wb
