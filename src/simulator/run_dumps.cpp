#include "simulator/run_dumps.h"

namespace casl2wb {

namespace {

void addMemoryLines(const Machine& machine, std::span<const Word> words, MessageList& list) {
  for (int i = 0; i < 32; ++i) list.add(memoryDumpLine(machine.memory, words, 0, i));
  if (machine.extendedMemory) {
    for (int i = 0; i < 32; ++i) list.add(memoryDumpLine(machine.memory, words, 256, i));
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
    line += " " + memory.addressTexts[address] + "(" + words[address].text() + ")";
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

std::string registerTraceLine(const HistorySlot& slot) {
  // Up to a thousand lines end every long run: made in one buffer.
  std::string line;
  line.reserve(56);
  const auto addWord = [&line](const Word& word) {
    static constexpr char digits[] = "0123456789ABCDEF";
    if (word.hasValue()) {
      const std::uint16_t bits = word.bits();
      const char text[] = {digits[bits >> 12], digits[(bits >> 8) & 0xF], digits[(bits >> 4) & 0xF],
                           digits[bits & 0xF], '|'};
      line.append(text, sizeof text);
    } else {
      line += word.text();
      line += '|';
    }
  };
  addWord(Word::of(slot.pr));
  for (const Word& value : slot.registers) addWord(value);
  line += slot.flags.text();
  line += '|';
  addWord(Word::of(slot.sp));
  return line;
}

void appendEndOfRunDumps(const Machine& machine, MessageList& list) {
  list.add(memoryDumpHeading());
  addMemoryLines(machine, machine.memory.cells(), list);
  list.add(registerTraceHeading());
  for (int s = 0; s < machine.recordedSteps; ++s) {
    list.add(registerTraceLine(machine.history[static_cast<std::size_t>(s)]));
  }
}

void showStepMemory(const Machine& machine, int s, MessageList& list) {
  list.clear();
  list.add(memoryDumpHeading());
  addMemoryLines(machine, machine.memoryRow(s), list);
}

}  // namespace casl2wb
