// The dumps the execution window writes into its list: memory lines, the
// end-of-run dumps and the memory of one replay step.
#pragma once

#include <span>
#include <string>

#include "machine/machine_state.h"
#include "source/message_list.h"

namespace casl2wb {

// "ｱﾄﾞﾚｽ( ﾒﾓﾘ)" eight times.
std::string memoryDumpHeading();
// Row i (0..31) of base b: eight entries " addr(word)" for b+i, b+i+32, ...
std::string memoryDumpLine(const MachineState& m, std::span<const MemoryWord> words, int base,
                           int row);
// "  PR| GR0| ... FR|  SP|".
std::string registerTraceHeading();
// One register trace line of history slot s.
std::string registerTraceLine(const MachineState& m, int s);

// The end-of-run dumps: memory (32 or 64 lines) and the register trace.
void mout(const MachineState& m, MessageList& list);
// Clears the list and shows the memory of history row s.
void moutstp(const MachineState& m, int s, MessageList& list);

}  // namespace casl2wb
