// OUT, IN and DMP, the instructions that talk to the user during a run.
#include <algorithm>
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
  output_.line(line);
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
    output_.line(formatMessage(Message::InputTooLong));
    n = 80;
  }
  for (std::int64_t k = 1; k <= n && MemoryImage::contains(buffer + k - 1); ++k) {
    m_.record_.write(memory, buffer + k - 1,
                     Word(encoder_.code(entry[static_cast<std::size_t>(k - 1)])));
  }
  record(3);
}

// The output makes the dump's lines from the CPU as it is at the DMP word.
void Simulator::dump() {
  output_.dumped(++dumpCount_, m_.cpu_);
  record(1);
}

}  // namespace casl2wb
