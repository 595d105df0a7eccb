// What the assembler hands to the simulator, the listings and the windows:
// the checked lines, the items of the message list, the memory image with
// the line of each translated word, and what a run needs to know of the
// program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assembler/diagnostics.h"
#include "assembler/listing_items.h"
#include "assembler/program_places.h"
#include "assembler/source_table.h"
#include "comet2/memory_image.h"

namespace casl2wb {

// The run parameters, read from the extra field of the first line, and the
// start address.
struct RunParameters {
  // The pass limit of a run whose first line sets none.
  static constexpr std::int64_t defaultPassLimit = 5000;

  // LMT followed by five digits: the pass limit (none: the default).
  std::optional<std::int64_t> passLimit;
  // LMT followed by anything else: a run reports it and keeps the default.
  bool passLimitMalformed = false;
  // MEX: the extended memory (usableMemoryWords).
  bool extendedMemory = false;
  // The address of the line that the START operand names (0 without one).
  std::int64_t startAddress = 0;
};

struct AssembledProgram {
  SourceTable source;
  // The lines the check read (at most SourceTable::maxLines).
  int linesRead = 0;
  // The message list: a listing line per line read with the messages of its
  // errors, the error count, and after a translation its errors and the
  // memory dump (`listingTexts` makes their texts).
  std::vector<ListingItem> listing;
  // The messages in the order the check and the translation found them.
  std::vector<Diagnostic> diagnostics;
  // Check errors plus translation errors.
  int errorCount = 0;
  // Whether the check found no errors and so the translation ran.
  bool translated = false;
  // The memory image as the check reset it and the translation filled it.
  MemoryImage image;
  // Per address the translation wrote: the line the word came from (none
  // without a translation).
  std::vector<WordOrigin> wordOrigins;
  // The program-trace text of the translation (none without one).
  std::optional<std::string> traceText;
  RunParameters run;
  // The size of the DS area that the last OUT names: OUT looks at this many
  // words after its buffer.
  std::int16_t outputSize = 0;

  // Whether the program can be run: it was translated without errors.
  bool runnable() const { return translated && errorCount == 0; }
};

}  // namespace casl2wb
