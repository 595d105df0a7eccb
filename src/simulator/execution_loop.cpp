#include "simulator/execution_loop.h"

#include "base/messages.h"
#include "simulator/instructions.h"
#include "simulator/run_dumps.h"

namespace casl2wb {

namespace {

bool isRegisterAction(Action action) {
  return action >= Action::Load && action <= Action::ShiftRightLogical;
}

bool isJump(Action action) { return action >= Action::JumpOnMinus && action <= Action::Jump; }

// The operation code of the word at an address; -1 for a blank or empty
// word or an address outside the image.
int codeAt(const MemoryImage& memory, std::int64_t address) {
  const Word word = memory.at(address);
  return word.hasValue() ? word.code() : -1;
}

}  // namespace

Simulator::Simulator(Machine& machine, MessageList& output, RunDialogs& dialogs,
                     RegisterPanel& panel)
    : m_(machine), output_(output), dialogs_(dialogs), panel_(panel) {}

void Simulator::run() {
  startRun();
  m_.runEnd = Machine::RunEnd::None;
  running_ = true;
  while (running_ && runPass()) {
  }
  finishRun();
}

void Simulator::startRun() {
  m_.registers.fill(Word(0));
  m_.flags = Flags{};
  m_.historyLimitNoticed = false;
  prepareAddresses(0, 256);
  m_.markMemoryChanged();
  m_.pr = 0;
  m_.sp = 256;
  for (int s = 1; s <= 256; ++s) m_.history[static_cast<std::size_t>(s)].pr = 0;
  m_.replayPosition = 1;
  m_.stepCount = 0;
  m_.passLimit = 5000;
  m_.passCount = 0;
  m_.dumpCount = 0;

  const RunParameters& parameters = m_.parameters;
  if (parameters.passLimitMalformed) {
    output_.add(formatMessage(Message::PassLimitBad));
  } else if (parameters.passLimit) {
    m_.passLimit = *parameters.passLimit;
  }
  m_.extendedMemory = parameters.extendedMemory;
  m_.sp = m_.memoryTop();
  if (m_.extendedMemory) prepareAddresses(256, 512);
  m_.pr = parameters.startAddress;
}

// Address texts, and blank words for the cells a run can see.
void Simulator::prepareAddresses(int from, int to) {
  for (int a = from; a <= to; ++a) {
    m_.memory.addressTexts[static_cast<std::size_t>(a)] = hexText(static_cast<std::uint16_t>(a));
    if (m_.memory[a].isEmpty()) m_.memory[a] = Word::blank();
  }
}

bool Simulator::runPass() {
  if (!MemoryImage::contains(m_.pr)) {
    reportAddressError(0);
    return false;
  }
  if (m_.memory[m_.pr].isBlank()) {
    m_.runEnd = Machine::RunEnd::BlankWord;
    return false;
  }
  if (m_.stepCount > 999) {
    m_.stepCount = 999;
    if (!m_.historyLimitNoticed) {
      dialogs_.errorBox(formatMessage(Message::HistoryLimit));
      m_.historyLimitNoticed = true;
    }
  }
  if (m_.passCount > m_.passLimit) {
    m_.runEnd = Machine::RunEnd::PassLimit;
    return false;
  }
  ++m_.passCount;
  for (const Instruction& instruction : instructionSet) {
    if (!instruction.isCarriedOut() || codeAt(m_.memory, m_.pr) != instruction.code) continue;
    if (!addressesInRange(instruction)) return false;
    carryOut(instruction);
    if (!running_) return false;
  }
  return true;
}

void Simulator::carryOut(const Instruction& instruction) {
  const Action action = instruction.action;
  if (isRegisterAction(action)) {
    executeRegisterInstruction(m_, instruction);
    record(instruction.length);
    return;
  }
  if (isJump(action)) {
    const std::int64_t eff = effectiveAddress(m_);
    if (jumpTaken(action, m_.flags)) {
      m_.recordStep();
      m_.pr = eff;
    } else {
      record(instruction.length);
    }
    return;
  }
  switch (action) {
    case Action::Push:
      push();
      break;
    case Action::PushRegisters:
      pushRegisters();
      break;
    case Action::Pop:
      pop();
      break;
    case Action::PopRegisters:
      popRegisters();
      break;
    case Action::Call:
      call();
      break;
    case Action::Return:
      returnFromCall();
      break;
    case Action::Output:
      output();
      break;
    case Action::Input:
      input();
      break;
    case Action::Dump:
      dump();
      break;
    default:  // NOP and SVC only move PR on
      record(instruction.length);
      break;
  }
}

void Simulator::record(int advance) {
  m_.recordStep();
  m_.pr += advance;
}

bool Simulator::addressesInRange(const Instruction& instruction) {
  const int highest = m_.highestAddress();
  const std::int64_t eff =
      instruction.effectiveAddress != EffectiveAddressUse::None ? effectiveAddress(m_) : 0;
  bool inRange = m_.pr >= 0 && m_.pr <= highest && m_.sp >= 0 && m_.sp <= m_.memoryTop();
  if (instruction.effectiveAddress == EffectiveAddressUse::Checked) {
    inRange = inRange && eff >= 0 && eff <= highest;
  }
  if (!inRange) reportAddressError(eff);
  return inRange;
}

void Simulator::reportAddressError(std::int64_t eff) {
  output_.add(formatMessage(Message::AddressOutOfRange,
                            {hexText(static_cast<std::uint16_t>(m_.highestAddress())),
                             std::to_string(m_.pr), Word::of(eff).text(), Word::of(m_.sp).text()}));
  m_.runEnd = Machine::RunEnd::AddressError;
  running_ = false;
}

void Simulator::finishRun() {
  m_.recordedSteps = m_.stepCount;
  panel_ = panelOf(m_.memory, m_.pr, m_.registers, m_.flags, m_.sp);
  appendEndOfRunDumps(m_, output_);
  m_.replayPosition = 1;
}

}  // namespace casl2wb
