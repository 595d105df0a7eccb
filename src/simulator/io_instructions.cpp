// OUT, IN and DMP, the instructions that talk to the user during a run.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "base/messages.h"
#include "simulator/execution_loop.h"
#include "simulator/instructions.h"

namespace casl2wb {

// The buffer and length addresses of IN or OUT at PR; an address outside the
// memory image ends the run with the address error, showing that address.
bool Simulator::bufferAddresses(std::int64_t& buffer, std::int64_t& lengthAddress) {
  const CpuState& cpu = m_.cpu_;
  buffer = cpu.memory[cpu.pr + 1].signedValue();
  lengthAddress = cpu.memory[cpu.pr + 2].signedValue();
  if (MemoryImage::contains(buffer) && MemoryImage::contains(lengthAddress)) return true;
  reportAddressError(MemoryImage::contains(buffer) ? lengthAddress : buffer);
  return false;
}

// Writes the buffer's characters as one line; the length word receives the
// number of words that are not 0000.
void Simulator::output() {
  std::int64_t buffer = 0;
  std::int64_t lengthAddress = 0;
  if (!bufferAddresses(buffer, lengthAddress)) return;
  MemoryImage& memory = m_.cpu_.memory;
  const std::int64_t last =
      std::min<std::int64_t>(buffer + m_.outputSize_, MemoryImage::lastAddress);
  std::int64_t count = 0;
  for (std::int64_t b = buffer; b <= last; ++b) {
    if (memory[b] != Word(0)) ++count;
  }
  m_.record_.write(memory, lengthAddress, Word::of(count));

  // One byte per word, the low byte; the list shows the line up to its first NUL.
  std::string& bytes = lineBuffer_;
  bytes.clear();
  const std::int64_t end = std::min<std::int64_t>(buffer + std::max<std::int64_t>(count, 1) - 1,
                                                  MemoryImage::lastAddress);
  for (std::int64_t b = buffer; b <= end; ++b) {
    const Word word = memory[b];
    const char byte = word.hasValue() ? static_cast<char>(word.bits() & 0xFF) : 0;
    if (byte == 0) break;
    bytes += byte;
  }
  std::string& line = m_.outcome_.outputLine;
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0; })) {
    line = bytes;  // CP932 reads bytes below 80 as ASCII
  } else {
    line = toUtf8(decodeCp932(bytes));
  }
  output_.add(line);
  dialogs_.outputWritten(line);
  record(3);
}

// Asks for a line; its characters go into the buffer, its length into the
// length word (FFFF when nothing was entered or "-1").
void Simulator::input() {
  std::int64_t buffer = 0;
  std::int64_t lengthAddress = 0;
  if (!bufferAddresses(buffer, lengthAddress)) return;
  static const std::string prompt = formatMessage(Message::InputPrompt);
  static const std::string title = formatMessage(Message::InputTitle);
  static const std::string defaultEntry = formatMessage(Message::InputDefault);
  const Text entry = fromUtf8(dialogs_.inputBox(prompt, title, defaultEntry));
  std::int64_t n = static_cast<std::int64_t>(entry.size());
  if (entry.empty() || entry == U"-1") n = -1;
  MemoryImage& memory = m_.cpu_.memory;
  m_.record_.write(memory, lengthAddress, Word::of(n));
  if (n > 80) {
    output_.add(formatMessage(Message::InputTooLong));
    n = 80;
  }
  for (std::int64_t k = 1; k <= n && MemoryImage::contains(buffer + k - 1); ++k) {
    m_.record_.write(memory, buffer + k - 1,
                     Word(encoder_.code(entry[static_cast<std::size_t>(k - 1)])));
  }
  record(3);
}

void Simulator::dump() {
  ++dumpCount_;
  const CpuState& cpu = m_.cpu_;
  // Each line made in one small buffer: a looping program may dump at every
  // pass. The word at PR is the DMP word itself.
  static constexpr std::string_view mnemonic = [] {
    for (const Instruction& instruction : instructionSet) {
      if (instruction.action == Action::Dump) return instruction.mnemonic;
    }
  }();
  char text[128];
  char* out = text;
  const auto put = [&out](std::string_view part) {
    out = std::copy(part.begin(), part.end(), out);
  };
  const auto addLine = [&] {
    output_.add(std::string_view(text, static_cast<std::size_t>(out - text)));
    out = text;
  };
  put("命令：");
  put(mnemonic);
  put("    実行回数：");
  out = std::to_chars(out, text + sizeof text, dumpCount_).ptr;
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
  record(1);
}

}  // namespace casl2wb
