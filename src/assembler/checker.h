// The syntax check of a program: cuts every source line into its row,
// assigns addresses, checks each statement and resolves the labels; every
// problem is a diagnostic of the line it belongs to.
#pragma once

#include <cstdint>
#include <vector>

#include "assembler/diagnostics.h"
#include "assembler/source_table.h"
#include "base/text.h"

namespace casl2wb {

// What one check leaves for the next, as the tables of the program being
// re-created kept it: the OUT buffer length stays when no OUT line names a
// DS line, and a DC list counts the constants of the last list split.
struct CheckCarryOver {
  std::int16_t outputSize = 0;
  std::int64_t dcConstantCount = 0;
};

// Checks lines 1 to 1013 of the program (line ends removed); lines after
// them are reported and not processed. Gives the number of lines processed.
int checkProgram(const std::vector<Text>& lines, SourceTable& table, DiagnosticLog& log,
                 CheckCarryOver& carry);

}  // namespace casl2wb
