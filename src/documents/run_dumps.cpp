#include "documents/run_dumps.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "comet2/instruction_set.h"

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

void appendDumpLines(int count, const CpuState& cpu, MessageList& list) {
  // Each line made in one small buffer: a looping program may dump at every
  // pass.
  static constexpr std::string_view mnemonic = [] {
    for (const Instruction& instruction : instructionSet) {
      if (instruction.action == Action::Dump) return instruction.mnemonic;
    }
    return std::string_view{};
  }();
  char text[128];
  char* out = text;
  const auto put = [&out](std::string_view part) {
    out = std::copy(part.begin(), part.end(), out);
  };
  const auto addLine = [&] {
    list.add(std::string_view(text, static_cast<std::size_t>(out - text)));
    out = text;
  };
  put("命令：");
  put(mnemonic);
  put("    実行回数：");
  out = std::to_chars(out, text + sizeof text, count).ptr;
  addLine();

  static constexpr std::string_view registerNames[] = {")GR0(", ")GR1(", ")GR2(", ")GR3(",
                                                       ")GR4(", ")GR5(", ")GR6(", ")GR7("};
  put(" PC(");
  out = writeWordText(out, Word::of(cpu.pr));
  for (std::size_t n = 0; n < cpu.registers.size(); ++n) {
    put(registerNames[n]);
    out = writeWordText(out, cpu.registers[n]);
  }
  put(")FR(");
  out = cpu.flags.writeText(out);
  put(")SP(");
  out = writeWordText(out, Word::of(cpu.sp));
  put(")");
  addLine();
}

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
