#include "simulator/execution_loop.h"

#include <stdexcept>

#include "base/messages.h"
#include "simulator/instructions.h"
#include "simulator/run_dumps.h"

namespace casl2wb {

namespace {

// What a pass needs of the instruction of an operation code, in four bytes
// that stay in a processor register: its position in the pass order (-1
// when no instruction that is carried out has the code) and its row's
// address use, action and operand form.
struct PassEntry {
  std::int8_t position = -1;
  EffectiveAddressUse effectiveAddress = EffectiveAddressUse::None;
  Action action = Action::NoOperation;
  OperandForm form = OperandForm::None;
};

// The execution loop moves PR on by the length that the operand form gives
// (two words for r,adr,x and adr,x, one for the other forms but the
// macros), so that the next PR is known without waiting for the table; the
// table must agree.
constexpr int lengthOfForm(OperandForm form) {
  return form == OperandForm::RegisterAddress || form == OperandForm::Address ? 2 : 1;
}

static_assert(sizeof(PassEntry) == 4);

// Indexed by Word::codeKey: the words without a value find no instruction.
const std::array<PassEntry, Word::codeKeyCount> passTable = [] {
  std::array<PassEntry, Word::codeKeyCount> table{};
  for (std::size_t p = 0; p < instructionSet.size(); ++p) {
    const Instruction& instruction = instructionSet[p];
    if (!instruction.isCarriedOut()) continue;
    if (instruction.form != OperandForm::Macro &&
        instruction.length != lengthOfForm(instruction.form)) {
      throw std::logic_error("instruction length differs from its operand form");
    }
    table[Word::valueCodeKey + instruction.code] = {static_cast<std::int8_t>(p),
                                                    instruction.effectiveAddress,
                                                    instruction.action, instruction.form};
  }
  return table;
}();

// Carries out a register action within a pass and gives the PR after it.
template <Action action>
[[gnu::always_inline]] inline std::int64_t carryOutInPass(Machine& m, std::int64_t pr, Word word,
                                                          OperandForm form, std::int64_t eff) {
  if (form == OperandForm::RegisterRegister) {
    carryOutRegisterAction<action, OperandForm::RegisterRegister>(m, pr, word, eff);
    return pr + lengthOfForm(OperandForm::RegisterRegister);
  }
  carryOutRegisterAction<action, OperandForm::RegisterAddress>(m, pr, word, eff);
  return pr + lengthOfForm(OperandForm::RegisterAddress);
}

// A jump within a pass: the PR after it.
template <Action jump>
[[gnu::always_inline]] inline std::int64_t jumpInPass(const Flags& flags, std::int64_t pr,
                                                      std::int64_t eff) {
  return jumpTaken(jump, flags) ? eff : pr + lengthOfForm(OperandForm::Address);
}

}  // namespace

Simulator::Simulator(Machine& machine, MessageList& output, RunDialogs& dialogs,
                     RegisterPanel& panel)
    : m_(machine), output_(output), dialogs_(dialogs), panel_(panel) {}

void Simulator::run() {
  startRun();
  m_.runEnd = Machine::RunEnd::None;
  running_ = true;
  runPasses();
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

void Simulator::runPasses() {
  Machine& m = m_;
  const int highest = m.highestAddress();
  // PR, the next history slot and the pass count stay in the loop while it
  // carries out the instructions of the registers, and go back to the
  // machine whenever the run ends or another routine needs them.
  std::int64_t pr = m.pr;
  int step = m.stepCount;
  std::int64_t passes = m.passCount;
  const auto settle = [&] {
    m.pr = pr;
    m.settleSteps(step);
    m.passCount = passes;
  };
  const auto takeBack = [&] {
    pr = m.pr;
    step = m.stepCount;
    passes = m.passCount;
  };
  for (;;) {
    if (!MemoryImage::contains(pr)) {
      settle();
      reportAddressError(0);
      return;
    }
    if (m.memory[pr].isBlank()) {
      settle();
      m.runEnd = Machine::RunEnd::BlankWord;
      return;
    }
    if (step > 999) {
      settle();
      m.restartAtLastSlot();
      if (!m.historyLimitNoticed) {
        dialogs_.errorBox(formatMessage(Message::HistoryLimit));
        m.historyLimitNoticed = true;
      }
      takeBack();
    }
    if (passes > m.passLimit) {
      settle();
      m.runEnd = Machine::RunEnd::PassLimit;
      return;
    }
    ++passes;
    if (!runPass(pr, step, highest)) {
      settle();
      return;
    }
  }
}

// One pass from `pr`, recording from slot `step`; both move on with the
// instructions carried out. False when the run ends within the pass.
[[gnu::always_inline]] inline bool Simulator::runPass(std::int64_t& pr, int& step, int highest) {
  Machine& m = m_;
  // A pass offers the word at PR to each instruction in the pass order; the
  // one with its code carries it out, and the instructions after it in the
  // order look at the word at the new PR. So the pass goes on from one
  // instruction to the next as long as each lies further on in the order.
  // SP changes only with the stack instructions: its check is made anew
  // after them.
  // So the check of PR and SP below is one comparison: with SP outside the
  // memory no PR passes it.
  const auto prLimitOf = [highest](std::int64_t sp) {
    return sp >= 0 && sp <= highest + 1 ? highest : -1;
  };
  std::int64_t prLimit = prLimitOf(m.sp);
  int nextPosition = 0;
  for (;;) {
    // PR lies within the memory image here: the pass top checked it, and
    // an instruction of the registers leaves it at most two words after
    // the highest address, or at a checked jump target.
    const Word word = m.memory[pr];
    const PassEntry entry = passTable[word.codeKey()];
    if (entry.position < nextPosition) return true;  // a blank or empty word too
    nextPosition = entry.position + 1;

    // The address check: PR and SP, and the effective address where it is a
    // memory access or a jump target. The error line shows the effective
    // address of every instruction that has one.
    const EffectiveAddressUse use = entry.effectiveAddress;
    if (pr > prLimit) {
      m.pr = pr;
      reportAddressError(use != EffectiveAddressUse::None ? effectiveAddress(m) : 0);
      return false;
    }
    std::int64_t eff = 0;
    if (use != EffectiveAddressUse::None) {
      eff = m.memory[pr + 1].signedValue();
      const int x = word.x();
      if (x >= 1 && x <= 7) eff += m.registers[static_cast<std::size_t>(x)].signedValue();
      if (use == EffectiveAddressUse::Checked && (eff < 0 || eff > highest)) {
        m.pr = pr;
        reportAddressError(eff);
        return false;
      }
    }

    const OperandForm form = entry.form;
    std::int64_t next = 0;
    switch (entry.action) {
      case Action::Load:
        next = carryOutInPass<Action::Load>(m, pr, word, form, eff);
        break;
      case Action::Store:
        next = carryOutInPass<Action::Store>(m, pr, word, form, eff);
        break;
      case Action::LoadAddress:
        next = carryOutInPass<Action::LoadAddress>(m, pr, word, form, eff);
        break;
      case Action::AddArithmetic:
        next = carryOutInPass<Action::AddArithmetic>(m, pr, word, form, eff);
        break;
      case Action::AddLogical:
        next = carryOutInPass<Action::AddLogical>(m, pr, word, form, eff);
        break;
      case Action::SubtractArithmetic:
        next = carryOutInPass<Action::SubtractArithmetic>(m, pr, word, form, eff);
        break;
      case Action::SubtractLogical:
        next = carryOutInPass<Action::SubtractLogical>(m, pr, word, form, eff);
        break;
      case Action::And:
        next = carryOutInPass<Action::And>(m, pr, word, form, eff);
        break;
      case Action::Or:
        next = carryOutInPass<Action::Or>(m, pr, word, form, eff);
        break;
      case Action::Xor:
        next = carryOutInPass<Action::Xor>(m, pr, word, form, eff);
        break;
      case Action::CompareArithmetic:
        next = carryOutInPass<Action::CompareArithmetic>(m, pr, word, form, eff);
        break;
      case Action::CompareLogical:
        next = carryOutInPass<Action::CompareLogical>(m, pr, word, form, eff);
        break;
      case Action::ShiftLeftArithmetic:
        next = carryOutInPass<Action::ShiftLeftArithmetic>(m, pr, word, form, eff);
        break;
      case Action::ShiftRightArithmetic:
        next = carryOutInPass<Action::ShiftRightArithmetic>(m, pr, word, form, eff);
        break;
      case Action::ShiftLeftLogical:
        next = carryOutInPass<Action::ShiftLeftLogical>(m, pr, word, form, eff);
        break;
      case Action::ShiftRightLogical:
        next = carryOutInPass<Action::ShiftRightLogical>(m, pr, word, form, eff);
        break;
      case Action::JumpOnMinus:
        next = jumpInPass<Action::JumpOnMinus>(m.flags, pr, eff);
        break;
      case Action::JumpOnPlus:
        next = jumpInPass<Action::JumpOnPlus>(m.flags, pr, eff);
        break;
      case Action::JumpOnNonZero:
        next = jumpInPass<Action::JumpOnNonZero>(m.flags, pr, eff);
        break;
      case Action::JumpOnZero:
        next = jumpInPass<Action::JumpOnZero>(m.flags, pr, eff);
        break;
      case Action::JumpOnOverflow:
        next = jumpInPass<Action::JumpOnOverflow>(m.flags, pr, eff);
        break;
      case Action::Jump:
        next = eff;
        break;
      case Action::NoOperation:
        next = pr + lengthOfForm(OperandForm::None);
        break;
      case Action::SupervisorCall:
        next = pr + lengthOfForm(OperandForm::Address);
        break;
      default:
        m.pr = pr;
        m.settleSteps(step);
        carryOut(instructionSet[static_cast<std::size_t>(entry.position)], eff);
        pr = m.pr;
        step = m.stepCount;
        if (!running_) return false;
        // A return may leave PR anywhere: the pass top reports it.
        if (!MemoryImage::contains(pr)) return true;
        prLimit = prLimitOf(m.sp);
        continue;
    }
    m.recordStepAt(step++, pr);
    pr = next;
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
