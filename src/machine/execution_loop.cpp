#include "machine/execution_loop.h"

#include "instructions/arithmetic.h"
#include "instructions/load_store.h"
#include "instructions/logical.h"
#include "instructions/shift.h"
#include "instructions/word_arithmetic.h"
#include "machine/machine_helpers.h"
#include "machine/run_dumps.h"
#include "machine/run_messages.h"

namespace casl2wb {

namespace {

const Text blank = U" ";

std::uint16_t hexTextValue(const Text& text) {
  std::uint16_t value = 0;
  for (char32_t c : text) {
    if (c >= U'0' && c <= U'9') {
      value = static_cast<std::uint16_t>(value << 4 | (c - U'0'));
    } else if (c >= U'A' && c <= U'F') {
      value = static_cast<std::uint16_t>(value << 4 | (c - U'A' + 10));
    }
  }
  return value;
}

bool isDigits(TextView text) {
  for (char32_t c : text) {
    if (c < U'0' || c > U'9') return false;
  }
  return true;
}

}  // namespace

// The blocks of a pass, in the order in which they are offered the word at PR.
const std::array<ExecutionLoop::Block, 43> ExecutionLoop::blocks = {{
    {"10", BlockKind::Handler, ld2, 2, true},
    {"14", BlockKind::Handler, ld1, 1, false},
    {"11", BlockKind::Handler, st2, 2, true},
    {"12", BlockKind::Handler, lad2, 2, false},
    {"20", BlockKind::Handler, adda2, 2, true},
    {"24", BlockKind::Handler, adda1, 1, false},
    {"22", BlockKind::Handler, addl2, 2, true},
    {"26", BlockKind::Handler, addl1, 1, false},
    {"21", BlockKind::Handler, SUBA2, 2, true},
    {"25", BlockKind::Handler, suba1, 1, false},
    {"23", BlockKind::Handler, subl2, 2, true},
    {"27", BlockKind::Handler, subl1, 1, false},
    {"30", BlockKind::Handler, acclogen, 2, true},
    {"31", BlockKind::Handler, acclogen, 2, true},
    {"32", BlockKind::Handler, acclogen, 2, true},
    {"34", BlockKind::Handler, acclogen1, 1, false},
    {"35", BlockKind::Handler, acclogen1, 1, false},
    {"36", BlockKind::Handler, acclogen1, 1, false},
    {"40", BlockKind::Compare, mm3cp, 2, true},
    {"44", BlockKind::Compare, mm3cp, 1, false},
    {"41", BlockKind::Compare, mm3cpl, 2, true},
    {"45", BlockKind::Compare, mm3cpl, 1, false},
    {"50", BlockKind::Shift, mm4sft, 2, false},
    {"51", BlockKind::Shift, mm4sft, 2, false},
    {"52", BlockKind::Shift, mm4sft, 2, false},
    {"53", BlockKind::Shift, mm4sft, 2, false},
    {"61", BlockKind::Jump, nullptr, 2, true},
    {"65", BlockKind::Jump, nullptr, 2, true},
    {"62", BlockKind::Jump, nullptr, 2, true},
    {"63", BlockKind::Jump, nullptr, 2, true},
    {"66", BlockKind::Jump, nullptr, 2, true},
    {"64", BlockKind::Jump, nullptr, 2, true},
    {"70", BlockKind::Push, nullptr, 2, false},
    {"95", BlockKind::RPush, nullptr, 15, false},
    {"71", BlockKind::Pop, nullptr, 1, false},
    {"96", BlockKind::RPop, nullptr, 8, false},
    {"80", BlockKind::Call, nullptr, 2, true},
    {"81", BlockKind::Ret, nullptr, 1, false},
    {"91", BlockKind::Out, nullptr, 3, false},
    {"90", BlockKind::In, nullptr, 3, false},
    {"00", BlockKind::RecordOnly, nullptr, 1, false},
    {"F0", BlockKind::RecordOnly, nullptr, 2, false},
    {"93", BlockKind::Dmp, nullptr, 1, false},
}};

ExecutionLoop::ExecutionLoop(MachineState& machine, const SourceTable& table, MessageList& list,
                             RunDialogs& dialogs)
    : m_(machine), table_(table), list_(list), dialogs_(dialogs) {}

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
      if (table_.lineAddress(line) != blank) return hexTextValue(table_.lineAddress(line));
    }
    return hexTextValue(table_.lineAddress(n));
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
    if (codeAt(m_, m_.pr) != block.code) continue;
    if (!addressesInRange(block)) return false;
    runBlock(block);
    if (!running_) return false;
  }
  return true;
}

void ExecutionLoop::runBlock(const Block& block) {
  const std::string word = m_.memory.memText[m_.pr].text();
  switch (block.kind) {
    case BlockKind::Handler:
    case BlockKind::Compare:
      m_.xDigit = word[3];
      m_.rDigit = word[2];
      if (block.kind == BlockKind::Compare) {
        const bool registerForm = block.advance == 1;
        m_.operand = block.handler == mm3cp ? cpaOperand(m_, registerForm)
                                            : cplOperand(m_, registerForm);
      }
      block.handler(m_);
      record(block.advance);
      break;
    case BlockKind::Shift:
      block.handler(m_);
      record(block.advance);
      break;
    case BlockKind::Jump: {
      m_.xDigit = word[3];
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
  const std::string code = block.code;
  if (code == "61") return sf;
  if (code == "65") return !sf && !zf;
  if (code == "62") return !zf;
  if (code == "63") return zf;
  if (code == "66") return of;
  return true;  // JUMP
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
  bool inRange = m_.pr >= 0 && m_.pr <= highest && m_.sp >= 0 && m_.sp <= m_.memTop;
  if (block.checksEff) {
    m_.xDigit = m_.memory.memText[m_.pr].text()[3];
    eff = effectiveAddress(m_);
    inRange = inRange && eff >= 0 && eff <= highest;
  }
  if (!inRange) reportAddressError(eff);
  return inRange;
}

void ExecutionLoop::reportAddressError(std::int64_t eff) {
  list_.add(msgAddressRange(wordOf(m_.highestAddress()).text(), m_.pr, wordOf(eff).text(),
                            m_.spText));
  running_ = false;
}

void ExecutionLoop::finishRun() {
  m_.replayEnd = m_.stepNo;
  panel_ = panelOf(m_, m_.pr, m_.grText, m_.frText, m_.spText);
  mout(m_, list_);
  m_.replayPos = 1;
}

}  // namespace casl2wb
