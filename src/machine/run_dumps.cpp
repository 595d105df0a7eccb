#include "machine/run_dumps.h"

#include "instructions/word_arithmetic.h"

namespace casl2wb {

namespace {

void addMemoryLines(const MachineState& m, std::span<const MemoryWord> words, MessageList& list) {
  for (int i = 0; i < 32; ++i) list.add(memoryDumpLine(m, words, 0, i));
  if (m.mexMode) {
    for (int i = 0; i < 32; ++i) list.add(memoryDumpLine(m, words, 256, i));
  }
}

}  // namespace

std::string memoryDumpHeading() {
  std::string heading;
  for (int k = 0; k < 8; ++k) heading += "ｱﾄﾞﾚｽ(" + std::string(" ﾒﾓﾘ") + ")";
  return heading;
}

std::string memoryDumpLine(const MachineState& m, std::span<const MemoryWord> words, int base,
                           int row) {
  std::string line;
  for (int k = 0; k < 8; ++k) {
    const int address = base + row + 32 * k;
    line += " " + m.memory.addrText[address] + "(" + words[address].text() + ")";
  }
  return line;
}

std::string registerTraceHeading() {
  std::string heading;
  for (const char* name :
       {"  PR", " GR0", " GR1", " GR2", " GR3", " GR4", " GR5", " GR6", " GR7", " FR", "  SP"}) {
    heading += name;
    heading += "|";
  }
  return heading;
}

std::string registerTraceLine(const MachineState& m, int s) {
  const HistorySlot& slot = m.history.at(s);
  std::string line = wordOf(slot.pr).text() + "|";
  for (const MemoryWord& gr : slot.gr) line += gr.text() + "|";
  return line + slot.fr + "|" + slot.sp + "|";
}

void mout(const MachineState& m, MessageList& list) {
  list.add(memoryDumpHeading());
  addMemoryLines(m, m.memory.memText, list);
  list.add(registerTraceHeading());
  for (int s = 0; s < m.replayEnd; ++s) list.add(registerTraceLine(m, s));
}

void moutstp(const MachineState& m, int s, MessageList& list) {
  list.clear();
  list.add(memoryDumpHeading());
  addMemoryLines(m, m.memoryRow(s), list);
}

}  // namespace casl2wb
