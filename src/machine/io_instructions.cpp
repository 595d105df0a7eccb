// OUT, IN and DMP: the instructions that talk to the user during a run.
#include <algorithm>
#include <string>

#include "instructions/word_arithmetic.h"
#include "machine/execution_loop.h"
#include "machine/machine_helpers.h"
#include "machine/run_messages.h"

namespace casl2wb {

namespace {

bool insideMemory(std::int64_t address) {
  return address >= 0 && address <= MemoryImage::lastAddress;
}

}  // namespace

// The buffer and length addresses of IN or OUT at PR; an address outside the
// memory image ends the run with the address error, showing that address.
bool ExecutionLoop::readBufferAddresses(std::int64_t& buffer, std::int64_t& lengthAddress) {
  buffer = signedValue(m_.memory.memText[m_.pr + 1]);
  lengthAddress = signedValue(m_.memory.memText[m_.pr + 2]);
  if (insideMemory(buffer) && insideMemory(lengthAddress)) return true;
  reportAddressError(insideMemory(buffer) ? lengthAddress : buffer);
  return false;
}

// Writes the buffer's characters as one line; the length word receives the
// number of words that are not 0000.
void ExecutionLoop::out() {
  std::int64_t buffer = 0;
  std::int64_t lengthAddress = 0;
  if (!readBufferAddresses(buffer, lengthAddress)) return;
  const std::int64_t last =
      std::min<std::int64_t>(buffer + table_.outSize, MemoryImage::lastAddress);
  std::int64_t count = 0;
  for (std::int64_t b = buffer; b <= last; ++b) {
    if (m_.memory.memText[b] != MemoryWord::hex(0)) ++count;
  }
  m_.memory.memText[lengthAddress] = wordOf(count);
  m_.memory.memValue[lengthAddress] = static_cast<std::int32_t>(count);

  // One byte per word, the low byte; the list shows the line up to its first NUL.
  std::string bytes;
  const std::int64_t end = std::min<std::int64_t>(buffer + std::max<std::int64_t>(count, 1) - 1,
                                                  MemoryImage::lastAddress);
  for (std::int64_t b = buffer; b <= end; ++b) {
    const MemoryWord& word = m_.memory.memText[b];
    const char byte =
        word.kind() == MemoryWord::Kind::Hex ? static_cast<char>(word.bits() & 0xFF) : 0;
    if (byte == 0) break;
    bytes += byte;
  }
  m_.outLine = toUtf8(decodeCp932(bytes));
  list_.add(m_.outLine);
  record(3);
}

// Asks for a line; its characters go into the buffer, its length into the
// length word (FFFF when nothing was entered or "-1").
void ExecutionLoop::in() {
  std::int64_t buffer = 0;
  std::int64_t lengthAddress = 0;
  if (!readBufferAddresses(buffer, lengthAddress)) return;
  const Text entry = fromUtf8(dialogs_.inputBox(inputPrompt, inputTitle, inputDefault));
  std::int64_t n = static_cast<std::int64_t>(entry.size());
  if (entry.empty() || entry == U"-1") n = -1;
  m_.memory.memValue[lengthAddress] = static_cast<std::int32_t>(n);
  m_.memory.memText[lengthAddress] = wordOf(n);
  if (n > 80) {
    list_.add(msgInputTooLong);
    n = 80;
  }
  if (n > 0) {
    for (std::int64_t k = 1; k <= n && insideMemory(buffer + k - 1); ++k) {
      m_.memory.write(buffer + k - 1, MemoryWord::hex(encoder_.code(entry[k - 1])));
    }
  }
  record(3);
}

void ExecutionLoop::dmp() {
  ++m_.dmpCount;
  list_.add("命令：" + comd(m_, m_.pr) + "    実行回数：" + std::to_string(m_.dmpCount));
  std::string registers = " PC(" + wordOf(m_.pr).text();
  for (int n = 0; n < 8; ++n) {
    registers += ")GR" + std::to_string(n) + "(" + m_.grText[n].text();
  }
  registers += ")FR(" + m_.frText + ")SP(" + m_.spText + ")";
  list_.add(registers);
  record(1);
}

}  // namespace casl2wb
