#include "machine/execution_loop.h"

#include "instructions/arithmetic.h"
#include "instructions/load_store.h"
#include "instructions/logical.h"
#include "instructions/shift.h"
#include "instructions/word_arithmetic.h"
#include "machine/machine_helpers.h"
#include "machine/run_dumps.h"
#include "machine/run_messages.h"
#include "source/address_text.h"

namespace casl2wb {

namespace {

const Text blank = U" ";

bool isDigits(TextView text) {
  for (char32_t c : text) {
    if (c < U'0' || c > U'9') return false;
  }
  return true;
}

}  // namespace

// The blocks of a pass, in the order in which they are offered the word at PR.
const std::array<ExecutionLoop::Block, 43> ExecutionLoop::blocks = {{
    {0x10, BlockKind::Handler, ld2, 2, Eff::Checked, false},
    {0x14, BlockKind::Handler, ld1, 1, Eff::None, false},
    {0x11, BlockKind::Handler, st2, 2, Eff::Checked, true},
    {0x12, BlockKind::Handler, lad2, 2, Eff::Shown, false},
    {0x20, BlockKind::Handler, adda2, 2, Eff::Checked, false},
    {0x24, BlockKind::Handler, adda1, 1, Eff::None, false},
    {0x22, BlockKind::Handler, addl2, 2, Eff::Checked, false},
    {0x26, BlockKind::Handler, addl1, 1, Eff::None, false},
    {0x21, BlockKind::Handler, SUBA2, 2, Eff::Checked, false},
    {0x25, BlockKind::Handler, suba1, 1, Eff::None, false},
    {0x23, BlockKind::Handler, subl2, 2, Eff::Checked, false},
    {0x27, BlockKind::Handler, subl1, 1, Eff::None, false},
    {0x30, BlockKind::Handler, acclogen, 2, Eff::Checked, false},
    {0x31, BlockKind::Handler, acclogen, 2, Eff::Checked, false},
    {0x32, BlockKind::Handler, acclogen, 2, Eff::Checked, false},
    {0x34, BlockKind::Handler, acclogen1, 1, Eff::None, false},
    {0x35, BlockKind::Handler, acclogen1, 1, Eff::None, false},
    {0x36, BlockKind::Handler, acclogen1, 1, Eff::None, false},
    {0x40, BlockKind::Compare, mm3cp, 2, Eff::Checked, false},
    {0x44, BlockKind::Compare, mm3cp, 1, Eff::None, false},
    {0x41, BlockKind::Compare, mm3cpl, 2, Eff::Checked, false},
    {0x45, BlockKind::Compare, mm3cpl, 1, Eff::None, false},
    {0x50, BlockKind::Shift, mm4sft, 2, Eff::Shown, false},
    {0x51, BlockKind::Shift, mm4sft, 2, Eff::Shown, false},
    {0x52, BlockKind::Shift, mm4sft, 2, Eff::Shown, false},
    {0x53, BlockKind::Shift, mm4sft, 2, Eff::Shown, false},
    {0x61, BlockKind::Jump, nullptr, 2, Eff::Checked, false},
    {0x65, BlockKind::Jump, nullptr, 2, Eff::Checked, false},
    {0x62, BlockKind::Jump, nullptr, 2, Eff::Checked, false},
    {0x63, BlockKind::Jump, nullptr, 2, Eff::Checked, false},
    {0x66, BlockKind::Jump, nullptr, 2, Eff::Checked, false},
    {0x64, BlockKind::Jump, nullptr, 2, Eff::Checked, false},
    {0x70, BlockKind::Push, nullptr, 2, Eff::Shown, true},
    {0x95, BlockKind::RPush, nullptr, 15, Eff::None, true},
    {0x71, BlockKind::Pop, nullptr, 1, Eff::None, false},
    {0x96, BlockKind::RPop, nullptr, 8, Eff::None, false},
    {0x80, BlockKind::Call, nullptr, 2, Eff::Checked, true},
    {0x81, BlockKind::Ret, nullptr, 1, Eff::None, false},
    {0x91, BlockKind::Out, nullptr, 3, Eff::None, true},
    {0x90, BlockKind::In, nullptr, 3, Eff::None, true},
    {0x00, BlockKind::RecordOnly, nullptr, 1, Eff::None, false},
    {0xF0, BlockKind::RecordOnly, nullptr, 2, Eff::Shown, false},
    {0x93, BlockKind::Dmp, nullptr, 1, Eff::None, false},
}};

ExecutionLoop::ExecutionLoop(MachineState& machine, const SourceTable& table, MessageList& list,
                             RunDialogs& dialogs, RegisterPanel& panel)
    : m_(machine), table_(table), list_(list), dialogs_(dialogs), panel_(panel) {}

void ExecutionLoop::jikoum_Click() {
  startRun();
  running_ = true;
  while (running_ && runPass()) {
  }
  finishRun();
}

void ExecutionLoop::startRun() {
  for (int n = 0; n < 8; ++n) {
    m_.grText[n] = MemoryWord::hex(0);
    m_.grValue[n] = 0;
  }
  m_.frText = "000";
  m_.traceWarned = false;
  normaliseAddresses(0, 256);
  m_.memoryChanged = true;
  m_.pr = 0;
  m_.sp = 256;
  for (int s = 1; s <= 256; ++s) m_.history[s].pr = 0;
  m_.replayPos = 1;
  m_.stepNo = 0;
  m_.passLimit = 5000;
  m_.passCount = 0;
  m_.dmpCount = 0;
  readRunParameters();
  m_.pr = startAddress();
}

// Address texts and blank words for the cells a run can see.
void ExecutionLoop::normaliseAddresses(int from, int to) {
  for (int a = from; a <= to; ++a) {
    m_.memory.addrText[a] = hex4(m_, a);
    if (m_.memory.memText[a].kind() == MemoryWord::Kind::Empty) {
      m_.memory.memText[a] = MemoryWord::blank();
    }
  }
}

// LMT and MEX in the extra field of the first source line.
void ExecutionLoop::readRunParameters() {
  const Text& field = table_.lineFields(1, colExtraField);
  if (const std::size_t at = find(field, U"LMT"); at != 0) {
    const Text digits = mid(field, at + 3, 5);
    if (digits.size() < 5 || !isDigits(digits)) {
      list_.add(msgLmtBad);
    } else {
      m_.passLimit = std::stoll(toUtf8(digits));
    }
  }
  m_.mexMode = contains(field, U"MEX");
  m_.memTop = m_.mexMode ? 512 : 256;
  m_.sp = m_.memTop;
  m_.spText = hex4(m_, m_.sp);
  if (m_.mexMode) normaliseAddresses(256, 512);
}

// The line that the START operand names, among lines 1 to 256.
std::int64_t ExecutionLoop::startAddress() const {
  if (table_.lineFields(1, colOperation) != U"START") return 0;
  const Text& operand = table_.lineFields(1, colOperandField);
  if (operand == U" " || operand == U"  ") return 0;
  const Text& entry = table_.operandParts(1, 1);
  for (int n = 1; n <= 256 && n <= SourceTable::maxLines; ++n) {
    if (table_.labelTable(n) != entry) continue;
    // A label on a line without an address stands for the next statement.
    for (int line = n; line <= table_.lineCount; ++line) {
      if (table_.lineAddress(line) != blank) return addressTextValue(table_.lineAddress(line));
    }
    return addressTextValue(table_.lineAddress(n));
  }
  return 0;  // no such label: the run starts at address 0
}

bool ExecutionLoop::runPass() {
  if (m_.pr < 0 || m_.pr > MemoryImage::lastAddress) {
    reportAddressError(0);
    return false;
  }
  if (m_.memory.memText[m_.pr].kind() == MemoryWord::Kind::Blank) return false;
  if (m_.stepNo > 999) {
    m_.stepNo = 999;
    if (!m_.traceWarned) {
      dialogs_.errorBox(msgTraceLimit, runWindowCaption);
      m_.traceWarned = true;
    }
  }
  if (m_.passCount > m_.passLimit) return false;
  ++m_.passCount;
  for (const Block& block : blocks) {
    if (opcodeAt(m_, m_.pr) != block.opcode) continue;
    if (!addressesInRange(block)) return false;
    // Marked before the block records its slot, so that the history row of
    // this very step takes a fresh copy of the memory it writes.
    if (block.writesMemory) m_.memoryChanged = true;
    runBlock(block);
    if (!running_) return false;
  }
  return true;
}

void ExecutionLoop::runBlock(const Block& block) {
  switch (block.kind) {
    case BlockKind::Handler:
    case BlockKind::Compare:
      setInstructionDigits();
      if (block.kind == BlockKind::Compare) {
        const bool registerForm = block.advance == 1;
        m_.operand =
            block.handler == mm3cp ? cpaOperand(m_, registerForm) : cplOperand(m_, registerForm);
      }
      block.handler(m_);
      record(block.advance);
      break;
    case BlockKind::Shift:
      block.handler(m_);
      record(block.advance);
      break;
    case BlockKind::Jump: {
      setInstructionDigits();
      const std::int64_t eff = effectiveAddress(m_);
      if (jumpTaken(block)) {
        recordSlot();
        m_.pr = eff;
      } else {
        record(2);
      }
      break;
    }
    case BlockKind::Push:
      push();
      break;
    case BlockKind::RPush:
      rpush();
      break;
    case BlockKind::Pop:
      pop();
      break;
    case BlockKind::RPop:
      rpop();
      break;
    case BlockKind::Call:
      call();
      break;
    case BlockKind::Ret:
      ret();
      break;
    case BlockKind::Out:
      out();
      break;
    case BlockKind::In:
      in();
      break;
    case BlockKind::RecordOnly:
      record(block.advance);
      break;
    case BlockKind::Dmp:
      dmp();
      break;
  }
}

// Conditions are read from FR: OF first, SF second, ZF third.
bool ExecutionLoop::jumpTaken(const Block& block) const {
  const bool of = m_.frText[0] == '1';
  const bool sf = m_.frText[1] == '1';
  const bool zf = m_.frText[2] == '1';
  switch (block.opcode) {
    case 0x61:
      return sf;  // JMI
    case 0x65:
      return !sf && !zf;  // JPL
    case 0x62:
      return !zf;  // JNZ
    case 0x63:
      return zf;  // JZE
    case 0x66:
      return of;  // JOV
    default:
      return true;  // JUMP
  }
}

// rDigit and xDigit: the third and fourth hex digit of the word at PR.
void ExecutionLoop::setInstructionDigits() {
  static constexpr char digits[] = "0123456789ABCDEF";
  const std::uint16_t bits = m_.memory.memText[m_.pr].bits();
  m_.rDigit = digits[(bits >> 4) & 0xF];
  m_.xDigit = digits[bits & 0xF];
}

void ExecutionLoop::recordSlot() {
  HistorySlot& slot = m_.history.at(m_.stepNo);
  slot.pr = m_.pr;
  slot.gr = m_.grText;
  slot.fr = m_.frText;
  slot.sp = m_.spText;
  ++m_.stepNo;
  subm(m_, m_.stepNo);
}

void ExecutionLoop::record(int advance) {
  recordSlot();
  m_.pr += advance;
}

bool ExecutionLoop::addressesInRange(const Block& block) {
  const int highest = m_.highestAddress();
  std::int64_t eff = 0;
  if (block.eff != Eff::None) {
    setInstructionDigits();
    eff = effectiveAddress(m_);
  }
  bool inRange = m_.pr >= 0 && m_.pr <= highest && m_.sp >= 0 && m_.sp <= m_.memTop;
  if (block.eff == Eff::Checked) inRange = inRange && eff >= 0 && eff <= highest;
  if (!inRange) reportAddressError(eff);
  return inRange;
}

void ExecutionLoop::reportAddressError(std::int64_t eff) {
  list_.add(
      msgAddressRange(wordOf(m_.highestAddress()).text(), m_.pr, wordOf(eff).text(), m_.spText));
  running_ = false;
}

void ExecutionLoop::finishRun() {
  m_.replayEnd = m_.stepNo;
  panel_ = panelOf(m_, m_.pr, m_.grText, m_.frText, m_.spText);
  mout(m_, list_);
  m_.replayPos = 1;
}

}  // namespace casl2wb
