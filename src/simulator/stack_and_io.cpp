// The instructions the execution loop carries out itself: PUSH, POP, RPUSH,
// RPOP, CALL and RET, which move SP, and OUT, IN and DMP, which talk to the
// user during a run.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "base/messages.h"
#include "simulator/execution_loop.h"
#include "simulator/instructions.h"

namespace casl2wb {

// A push below address 0 ends the run with the address error (eff FFFF,
// the first address below 0) and changes nothing.
bool Simulator::stackHasRoom(int words) {
  if (m_.sp - words >= 0) return true;
  reportAddressError(-1);
  return false;
}

void Simulator::push(std::int64_t eff) {
  if (!stackHasRoom(1)) return;
  --m_.sp;
  if (m_.memory[m_.pr].x() == 0) output_.add(formatMessage(Message::PushWithoutIndex));
  m_.write(m_.sp, Word::of(eff));
  record(2);
}

void Simulator::pop() {
  const std::int32_t value = m_.memory[m_.sp].signedValue();
  if (const auto r = registerOf(m_.memory[m_.pr].r())) m_.registers[*r] = Word::of(value);
  ++m_.sp;
  record(1);
}

// Seven pushes in one step: GR1 ends at the highest address, GR7 at SP. The
// address word of each generated PUSH 0,GRn is read just before its push.
void Simulator::pushRegisters() {
  if (!stackHasRoom(7)) return;
  const std::int64_t a = m_.pr;
  --m_.sp;
  for (int n = 1; n <= 7; ++n) {
    const std::int32_t address = m_.memory[m_.pr + 2].signedValue();
    m_.write(m_.sp, Word::of(address + m_.registers[n].signedValue()));
    m_.pr += 2;
    if (n < 7) --m_.sp;
  }
  m_.pr = a;
  record(15);
}

// Seven pops in one step, GR7 first, each word taken as it is; recorded at
// the address of the last generated POP word.
void Simulator::popRegisters() {
  const std::int64_t a = m_.pr;
  for (int n = 7; n >= 1; --n) {
    m_.registers[n] = m_.memory[m_.sp];
    ++m_.sp;
  }
  m_.pr = a + 7;
  record(1);
}

void Simulator::call() {
  if (!stackHasRoom(1)) return;
  const std::int64_t a = m_.pr;
  --m_.sp;
  m_.write(m_.sp, Word::of(a + 2));
  // Computed after the return address is written: a stack grown into the
  // CALL itself changes its address word.
  const std::int64_t eff = effectiveAddress(m_);
  m_.recordStep();
  m_.pr = eff;
}

// RET on an empty stack ends the run (a main program's RET); a return beyond
// the memory ends it with PR 255 (or 512 in extended mode).
void Simulator::returnFromCall() {
  if (m_.memory[m_.sp].isBlank()) {
    m_.runEnd = Machine::RunEnd::Return;
    running_ = false;
    return;
  }
  m_.recordStep();
  m_.pr = m_.memory[m_.sp].signedValue();
  ++m_.sp;
  const int limit = m_.extendedMemory ? 512 : 256;
  if (m_.pr > limit || m_.sp > limit) {
    m_.pr = m_.extendedMemory ? 512 : 255;
    m_.runEnd = Machine::RunEnd::Return;
    running_ = false;
  }
}

// The buffer and length addresses of IN or OUT at PR; an address outside the
// memory image ends the run with the address error, showing that address.
bool Simulator::bufferAddresses(std::int64_t& buffer, std::int64_t& lengthAddress) {
  buffer = m_.memory[m_.pr + 1].signedValue();
  lengthAddress = m_.memory[m_.pr + 2].signedValue();
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
  const std::int64_t last =
      std::min<std::int64_t>(buffer + m_.outputSize, MemoryImage::lastAddress);
  std::int64_t count = 0;
  for (std::int64_t b = buffer; b <= last; ++b) {
    if (m_.memory[b] != Word(0)) ++count;
  }
  m_.write(lengthAddress, Word::of(count));

  // One byte per word, the low byte; the list shows the line up to its first NUL.
  std::string& bytes = lineBuffer_;
  bytes.clear();
  const std::int64_t end = std::min<std::int64_t>(buffer + std::max<std::int64_t>(count, 1) - 1,
                                                  MemoryImage::lastAddress);
  for (std::int64_t b = buffer; b <= end; ++b) {
    const Word word = m_.memory[b];
    const char byte = word.hasValue() ? static_cast<char>(word.bits() & 0xFF) : 0;
    if (byte == 0) break;
    bytes += byte;
  }
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0; })) {
    m_.outputLine = bytes;  // CP932 reads bytes below 80 as ASCII
  } else {
    m_.outputLine = toUtf8(decodeCp932(bytes));
  }
  output_.add(m_.outputLine);
  dialogs_.outputWritten(m_.outputLine);
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
  m_.write(lengthAddress, Word::of(n));
  if (n > 80) {
    output_.add(formatMessage(Message::InputTooLong));
    n = 80;
  }
  for (std::int64_t k = 1; k <= n && MemoryImage::contains(buffer + k - 1); ++k) {
    m_.write(buffer + k - 1, Word(encoder_.code(entry[static_cast<std::size_t>(k - 1)])));
  }
  record(3);
}

void Simulator::dump() {
  ++m_.dumpCount;
  // Each line made in one small buffer: a looping program may dump at every
  // pass.
  char text[128];
  char* out = text;
  const auto put = [&out](std::string_view part) {
    std::memcpy(out, part.data(), part.size());
    out += part.size();
  };
  const auto addLine = [&] {
    output_.add(std::string_view(text, static_cast<std::size_t>(out - text)));
    out = text;
  };
  put("命令：");
  put(mnemonicAt(m_.memory, m_.pr));
  put("    実行回数：");
  out = std::to_chars(out, text + sizeof text, m_.dumpCount).ptr;
  addLine();

  static constexpr std::string_view registerNames[] = {")GR0(", ")GR1(", ")GR2(", ")GR3(",
                                                       ")GR4(", ")GR5(", ")GR6(", ")GR7("};
  put(" PC(");
  out = writeWordText(out, Word::of(m_.pr));
  for (std::size_t n = 0; n < m_.registers.size(); ++n) {
    put(registerNames[n]);
    out = writeWordText(out, m_.registers[n]);
  }
  put(")FR(");
  out = m_.flags.writeText(out);
  put(")SP(");
  out = writeWordText(out, Word::of(m_.sp));
  put(")");
  addLine();
  record(1);
}

}  // namespace casl2wb
