// PUSH, POP, RPUSH, RPOP, CALL and RET: the instructions that move SP.
#include "instructions/load_store.h"
#include "instructions/word_arithmetic.h"
#include "machine/execution_loop.h"
#include "machine/run_messages.h"

namespace casl2wb {

// A push below address 0 ends the run with the address error (eff FFFF,
// the first address below 0) and changes nothing.
bool ExecutionLoop::stackHasRoom(int words) {
  if (m_.sp - words >= 0) return true;
  reportAddressError(-1);
  return false;
}

void ExecutionLoop::push() {
  if (!stackHasRoom(1)) return;
  setInstructionDigits();
  --m_.sp;
  if (m_.xDigit == '0') list_.add(msgPushGr0);
  const std::int64_t value = effectiveAddress(m_);
  m_.memory.memText[m_.sp] = wordOf(value);
  m_.spText = hex4(m_, m_.sp);
  record(2);
}

void ExecutionLoop::pop() {
  setInstructionDigits();
  const std::int32_t value = signedValue(m_.memory.memText[m_.sp]);
  if (m_.rDigit >= '0' && m_.rDigit <= '7') {
    const int r = m_.rDigit - '0';
    m_.grValue[r] = value;
    m_.grText[r] = wordOf(value);
  }
  ++m_.sp;
  m_.spText = hex4(m_, m_.sp);
  record(1);
}

// Seven pushes in one step: GR1 ends at the highest address, GR7 at SP.
void ExecutionLoop::rpush() {
  if (!stackHasRoom(7)) return;
  const std::int64_t a = m_.pr;
  --m_.sp;
  for (int n = 1; n <= 7; ++n) {
    m_.xDigit = static_cast<char>('0' + n);
    const std::int32_t address = signedValue(m_.memory.memText[m_.pr + 2]);
    m_.memory.memText[m_.sp] = wordOf(address + m_.grValue[n]);
    m_.pr += 2;
    if (n < 7) --m_.sp;
  }
  m_.spText = hex4(m_, m_.sp);
  m_.pr = a;
  record(15);
}

// Seven pops in one step, GR7 first; recorded at the address of the last POP word.
void ExecutionLoop::rpop() {
  const std::int64_t a = m_.pr;
  for (int n = 7; n >= 1; --n) {
    m_.rDigit = static_cast<char>('0' + n);
    const MemoryWord& word = m_.memory.memText[m_.sp];
    m_.grValue[n] = signedValue(word);
    m_.grText[n] = word;
    ++m_.sp;
  }
  m_.spText = hex4(m_, m_.sp);
  m_.pr = a + 7;
  record(1);
}

void ExecutionLoop::call() {
  if (!stackHasRoom(1)) return;
  const std::int64_t a = m_.pr;
  setInstructionDigits();
  --m_.sp;
  m_.spText = hex4(m_, m_.sp);
  m_.memory.memText[m_.sp] = wordOf(a + 2);
  const std::int64_t eff = effectiveAddress(m_);
  recordSlot();
  m_.pr = eff;
}

// RET on an empty stack ends the run (a main program's RET); a return beyond
// the memory ends it with PR 255 (or 512 in extended mode).
void ExecutionLoop::ret() {
  if (m_.memory.memText[m_.sp].kind() == MemoryWord::Kind::Blank) {
    running_ = false;
    return;
  }
  recordSlot();
  m_.pr = signedValue(m_.memory.memText[m_.sp]);
  ++m_.sp;
  m_.spText = hex4(m_, m_.sp);
  const int limit = m_.mexMode ? 512 : 256;
  if (m_.pr > limit || m_.sp > limit) {
    m_.pr = m_.mexMode ? 512 : 255;
    running_ = false;
  }
}

}  // namespace casl2wb
