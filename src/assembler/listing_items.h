// The message list of a check as values: for each line read the messages
// found while cutting it, its listing line and the messages of its
// statement; then the messages found after the last line, the error count,
// the translation's messages and the memory dump. Each item knows the
// source line it belongs to and keeps what its text is made of; the texts
// themselves are made where the list is shown (`listing_text.h`).
#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "assembler/diagnostics.h"
#include "assembler/source_table.h"
#include "comet2/word.h"

namespace casl2wb {

// The listing line of a line read: its address and its columns.
struct ListedLine {
  LineAddress address;
  std::array<Text, columnCount> fields;
};

// The number of errors the check found (the translation's are not counted).
struct CheckErrorCount {
  int count = 0;
};

// A cell of the memory dump: the address text the image holds for it and
// its word.
struct DumpCell {
  std::string address;
  Word word;
};

// A row of the memory dump: eight cells, 32 addresses apart.
struct DumpRow {
  static constexpr int cellCount = 8;
  std::array<DumpCell, cellCount> cells;
};

struct ListingItem {
  enum class Kind {
    CutMessage,          // found while cutting its line, before the line's listing line
    Line,                // the listing line of a line read
    StatementMessage,    // about its line's statement, after the line's listing line
    ProgramMessage,      // found after the last line
    ErrorCount,          // the number of errors of the check
    TranslationMessage,  // found by the translation, after the error count
    DumpRow,             // a row of the memory dump, after everything else
  };

  // The source line (counted from 1) the item belongs to: its own line for
  // a listing line or a message of a line; the last line read for a
  // message of the program as a whole (RET or END missing, too many lines),
  // 0 when no line was read; 0 for the error count and the dump.
  int line = 0;
  std::variant<ListedLine, Diagnostic, CheckErrorCount, DumpRow> payload;

  Kind kind() const;
  // The message of a message item; nothing for the other kinds.
  const Diagnostic* diagnostic() const { return std::get_if<Diagnostic>(&payload); }
};

// The items of a check that read `linesRead` lines into `source` and found
// `diagnostics` (in the order found), `checkErrors` of them before any
// translation, followed by the dump of a translation (none without one).
std::vector<ListingItem> listingItems(const SourceTable& source, int linesRead,
                                      const std::vector<Diagnostic>& diagnostics, int checkErrors,
                                      std::vector<DumpRow> dump);

}  // namespace casl2wb
