#include "simulator/run_dumps.h"

namespace casl2wb {

namespace {

void addMemoryLines(const CpuState& cpu, std::span<const Word> words, MessageList& list) {
  for (int i = 0; i < 32; ++i) list.add(memoryDumpLine(cpu.memory, words, 0, i));
  if (cpu.extendedMemory) {
    for (int i = 0; i < 32; ++i) {
      list.add(memoryDumpLine(cpu.memory, words, standardMemoryWords, i));
    }
  }
}

}  // namespace

std::string memoryDumpHeading() {
  std::string heading;
  for (int k = 0; k < 8; ++k) heading += "ｱﾄﾞﾚｽ(" + std::string(" ﾒﾓﾘ") + ")";
  return heading;
}

std::string memoryDumpLine(const MemoryImage& memory, std::span<const Word> words, int base,
                           int row) {
  std::string line;
  for (int k = 0; k < 8; ++k) {
    const int address = base + row + 32 * k;
    line += ' ';
    line += memory.addressTexts[address];
    line += '(';
    appendWordText(line, words[address]);
    line += ')';
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

void appendRegisterTraceLine(std::string& line, const HistorySlot& slot) {
  // Up to a thousand lines end every long run: made in one small buffer.
  char text[64];
  char* out = text;
  const auto put = [&out](Word word) {
    out = writeWordText(out, word);
    *out++ = '|';
  };
  put(Word::of(slot.pr));
  for (const Word& value : slot.registers) put(value);
  out = slot.flags.writeText(out);
  *out++ = '|';
  put(Word::of(slot.sp));
  line.append(text, static_cast<std::size_t>(out - text));
}

std::string registerTraceLine(const HistorySlot& slot) {
  std::string line;
  appendRegisterTraceLine(line, slot);
  return line;
}

void appendEndOfRunDumps(const Machine& machine, MessageList& list) {
  const CpuState& cpu = machine.cpu();
  const RunRecord& record = machine.record();
  list.add(memoryDumpHeading());
  addMemoryLines(cpu, cpu.memory.cells(), list);
  list.add(registerTraceHeading());
  std::string line;
  for (int s = 0; s < record.recordedSteps(); ++s) {
    line.clear();
    appendRegisterTraceLine(line, record.slot(s));
    list.add(line);
  }
}

void showStepMemory(const Machine& machine, int s, MessageList& list) {
  list.clear();
  list.add(memoryDumpHeading());
  addMemoryLines(machine.cpu(), machine.record().memoryRow(s), list);
}

}  // namespace casl2wb
