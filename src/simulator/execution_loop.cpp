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

// What a pass needs of the instruction of an operation code, in one small
// entry: its position in the pass order (-1 when no instruction that is
// carried out has the code) and its row's length, address use, action and
// operand form.
struct PassEntry {
  std::int8_t position = -1;
  std::uint8_t length = 0;
  EffectiveAddressUse effectiveAddress = EffectiveAddressUse::None;
  Action action = Action::NoOperation;
  OperandForm form = OperandForm::None;
};

const std::array<PassEntry, 256> passTable = [] {
  std::array<PassEntry, 256> table{};
  for (std::size_t p = 0; p < instructionSet.size(); ++p) {
    const Instruction& instruction = instructionSet[p];
    if (!instruction.isCarriedOut()) continue;
    table[instruction.code] = {static_cast<std::int8_t>(p),
                               static_cast<std::uint8_t>(instruction.length),
                               instruction.effectiveAddress, instruction.action, instruction.form};
  }
  return table;
}();

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
  m_.beginHistory();
}

// Address texts, and blank words for the cells a run can see.
void Simulator::prepareAddresses(int from, int to) {
  for (int a = from; a <= to; ++a) {
    m_.memory.addressTexts[static_cast<std::size_t>(a)] = hexText(static_cast<std::uint16_t>(a));
    if (m_.memory[a].isEmpty()) m_.memory[a] = Word::blank();
  }
}

bool Simulator::runPass() {
  Machine& m = m_;
  if (!MemoryImage::contains(m.pr)) {
    reportAddressError(0);
    return false;
  }
  if (m.memory[m.pr].isBlank()) {
    m.runEnd = Machine::RunEnd::BlankWord;
    return false;
  }
  if (m.stepCount > 999) {
    m.restartAtLastSlot();
    if (!m.historyLimitNoticed) {
      dialogs_.errorBox(formatMessage(Message::HistoryLimit));
      m.historyLimitNoticed = true;
    }
  }
  if (m.passCount > m.passLimit) {
    m.runEnd = Machine::RunEnd::PassLimit;
    return false;
  }
  ++m.passCount;
  // A pass offers the word at PR to each instruction in the pass order; the
  // one with its code carries it out, and the instructions after it in the
  // order look at the word at the new PR. So the pass goes on from one
  // instruction to the next as long as each lies further on in the order.
  const int highest = m.highestAddress();
  int nextPosition = 0;
  for (;;) {
    const std::int64_t pr = m.pr;
    const Word word = m.memory.at(pr);
    if (!word.hasValue()) return true;
    const PassEntry entry = passTable[static_cast<std::size_t>(word.code())];
    if (entry.position < nextPosition) return true;
    nextPosition = entry.position + 1;

    // The address check: PR and SP, and the effective address where it is a
    // memory access or a jump target. The error line shows the effective
    // address of every instruction that has one.
    const EffectiveAddressUse use = entry.effectiveAddress;
    if (pr > highest || m.sp < 0 || m.sp > highest + 1) {
      reportAddressError(use != EffectiveAddressUse::None ? effectiveAddress(m) : 0);
      return false;
    }
    std::int64_t eff = 0;
    if (use != EffectiveAddressUse::None) {
      eff = m.memory[pr + 1].signedValue();
      const int x = word.x();
      if (x >= 1 && x <= 7) eff += m.registers[static_cast<std::size_t>(x)].signedValue();
      if (use == EffectiveAddressUse::Checked && (eff < 0 || eff > highest)) {
        reportAddressError(eff);
        return false;
      }
    }

    const Action action = entry.action;
    if (isRegisterAction(action)) {
      executeRegisterInstruction(m, action, entry.form, eff);
      m.recordStep();
      m.pr = pr + entry.length;
    } else if (isJump(action)) {
      m.recordStep();
      m.pr = jumpTaken(action, m.flags) ? eff : pr + entry.length;
    } else if (action == Action::NoOperation || action == Action::SupervisorCall) {
      m.recordStep();
      m.pr = pr + entry.length;
    } else {
      carryOut(instructionSet[static_cast<std::size_t>(entry.position)], eff);
      if (!running_) return false;
    }
  }
}

// The instructions that move SP or talk to the user.
void Simulator::carryOut(const Instruction& instruction, std::int64_t eff) {
  switch (instruction.action) {
    case Action::Push:
      push(eff);
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
    default:
      break;
  }
}

void Simulator::record(int advance) {
  m_.recordStep();
  m_.pr += advance;
}

void Simulator::reportAddressError(std::int64_t eff) {
  output_.add(formatMessage(Message::AddressOutOfRange,
                            {hexText(static_cast<std::uint16_t>(m_.highestAddress())),
                             std::to_string(m_.pr), Word::of(eff).text(), Word::of(m_.sp).text()}));
  m_.runEnd = Machine::RunEnd::AddressError;
  running_ = false;
}

void Simulator::finishRun() {
  m_.endHistory();
  m_.recordedSteps = m_.stepCount;
  panel_ = panelOf(m_.memory, m_.pr, m_.registers, m_.flags, m_.sp);
  appendEndOfRunDumps(m_, output_);
  m_.replayPosition = 1;
}

}  // namespace casl2wb
