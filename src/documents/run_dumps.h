// The texts of the dumps the execution window writes into its list: the
// lines of a DMP, memory lines, the end-of-run dumps and the memory of one
// replay step, made from the values the run hands on.
#pragma once

#include <span>
#include <string>

#include "base/message_list.h"
#include "simulator/machine.h"

namespace casl2wb {

// The two lines of the `count`-th DMP of a run, with the CPU as the DMP
// step finds it: "命令：DMP    実行回数：n" and the registers.
void appendDumpLines(int count, const CpuState& cpu, MessageList& list);

// "ｱﾄﾞﾚｽ( ﾒﾓﾘ)" eight times.
std::string memoryDumpHeading();
// Row i (0..31) of base b: eight entries " address(word)" for b+i, b+i+32,
// ..., the address as the memory image's address text for it.
std::string memoryDumpLine(const MemoryImage& memory, std::span<const Word> words, int base,
                           int row);
// "  PR| GR0| ... FR|  SP|".
std::string registerTraceHeading();
// One register trace line of a history slot, made anew or appended.
std::string registerTraceLine(const HistorySlot& slot);
void appendRegisterTraceLine(std::string& line, const HistorySlot& slot);

// The end-of-run dumps: memory (32 lines, 64 in extended mode) and the
// register trace of the recorded steps.
void appendEndOfRunDumps(const Machine& machine, MessageList& list);
// Clears the list and shows the memory of history row s.
void showStepMemory(const Machine& machine, int s, MessageList& list);

}  // namespace casl2wb
