#include "simulator/execution_loop.h"

#include <array>
#include <cstddef>

#include "base/messages.h"
#include "simulator/instructions.h"
#include "simulator/stack_instructions.h"

namespace casl2wb {

namespace {

// The position in the pass order of the row that carries out each word,
// indexed by Word::codeKey: -1 for blank and empty words and for codes that
// no row carried out has.
constexpr auto passPositions = [] {
  std::array<std::int8_t, Word::codeKeyCount> positions{};
  positions.fill(-1);
  for (std::size_t p = 0; p < instructionSet.size(); ++p) {
    if (!instructionSet[p].isCarriedOut()) continue;
    positions[Word::valueCodeKey + instructionSet[p].code] = static_cast<std::int8_t>(p);
  }
  return positions;
}();

// The loads, stores, arithmetic, logical, compare and shift actions, which
// work on register r: carryOutRegisterAction carries them out.
constexpr bool isRegisterAction(Action action) {
  switch (action) {
    case Action::Load:
    case Action::Store:
    case Action::LoadAddress:
    case Action::AddArithmetic:
    case Action::AddLogical:
    case Action::SubtractArithmetic:
    case Action::SubtractLogical:
    case Action::And:
    case Action::Or:
    case Action::Xor:
    case Action::CompareArithmetic:
    case Action::CompareLogical:
    case Action::ShiftLeftArithmetic:
    case Action::ShiftRightArithmetic:
    case Action::ShiftLeftLogical:
    case Action::ShiftRightLogical:
      return true;
    default:
      return false;
  }
}

constexpr bool isJump(Action action) {
  switch (action) {
    case Action::JumpOnMinus:
    case Action::JumpOnPlus:
    case Action::JumpOnNonZero:
    case Action::JumpOnZero:
    case Action::JumpOnOverflow:
    case Action::Jump:
      return true;
    default:
      return false;
  }
}

// A pass carries out each row at most once, so the pass that reaches the
// last slot records at most that many more steps before it ends.
static_assert([] {
  int carried = 0;
  for (const Instruction& row : instructionSet) carried += row.isCarriedOut();
  return RunRecord::lastSlot + carried <= RunRecord::historySlots;
}());

// PR within a pass lies at most at `limit`, or the pass reports it: the
// highest address while SP lies between 0 and the first address above the
// memory, and -1 (every PR) otherwise.
std::int64_t prLimitOf(std::int64_t sp, int highest) {
  return sp >= 0 && sp <= highest + 1 ? highest : -1;
}

}  // namespace

Simulator::Simulator(Machine& machine, RunOutput& output, RunDialogs& dialogs)
    : m_(machine), output_(output), dialogs_(dialogs) {}

void Simulator::run() {
  startRun();
  m_.outcome_.end = RunEnd::None;
  running_ = true;
  runPasses();
  finishRun();
}

void Simulator::startRun() {
  CpuState& cpu = m_.cpu_;
  RunOutcome& outcome = m_.outcome_;
  cpu.registers = zeroRegisters;
  cpu.flags = Flags{};
  historyLimitNoticed_ = false;
  prepareAddresses(0, standardMemoryWords);
  outcome.passLimit = RunParameters::defaultPassLimit;
  outcome.passCount = 0;
  dumpCount_ = 0;

  const RunParameters& parameters = m_.parameters_;
  if (parameters.passLimitMalformed) {
    output_.line(formatMessage(Message::PassLimitBad));
  } else if (parameters.passLimit) {
    outcome.passLimit = *parameters.passLimit;
  }
  cpu.extendedMemory = parameters.extendedMemory;
  cpu.sp = cpu.memoryTop();
  if (cpu.extendedMemory) prepareAddresses(standardMemoryWords, extendedMemoryWords);
  cpu.pr = parameters.startAddress;
  m_.record_.begin(cpu);
}

// Address texts, and blank words for the cells a run can see.
void Simulator::prepareAddresses(int from, int to) {
  MemoryImage& memory = m_.cpu_.memory;
  for (int a = from; a <= to; ++a) {
    memory.addressTexts[static_cast<std::size_t>(a)] = hexText(static_cast<std::uint16_t>(a));
    if (memory[a].isEmpty()) memory[a] = Word::blank();
  }
}

[[gnu::always_inline]] inline void Simulator::settle(const PassState& state) {
  m_.cpu_.pr = state.pr;
  m_.record_.settleSteps(state.step(m_.record_));
}

[[gnu::always_inline]] inline StepEnd Simulator::reportAddressError(const PassState& state,
                                                                    std::int64_t eff) {
  settle(state);
  reportAddressError(eff);
  return StepEnd::RunOver;
}

[[gnu::always_inline]] inline StepEnd Simulator::talkToUser(PassState& state,
                                                            void (Simulator::*instruction)()) {
  settle(state);
  (this->*instruction)();
  state.pr = m_.cpu_.pr;
  state.next = m_.record_.place(m_.record_.nextSlot());
  return running_ ? StepEnd::Next : StepEnd::RunOver;
}

void Simulator::runPasses() {
  // PR, the next history slot and the pass count stay in the loop, and go
  // back to the machine whenever the run ends or another routine needs them.
  // The machine's parts are found from m_ where they are needed: a register
  // kept for any of them would be one less for the passes.
  PassState state{m_.cpu_.pr, m_.record_.place(m_.record_.nextSlot())};
  const int highest = m_.cpu_.highestAddress();
  std::int64_t passes = m_.outcome_.passCount;
  const auto finish = [&] {
    settle(state);
    m_.outcome_.passCount = passes;
  };
  for (;;) {
    if (!MemoryImage::contains(state.pr)) {
      finish();
      reportAddressError(0);
      return;
    }
    if (m_.cpu_.memory[state.pr].isBlank()) {
      finish();
      m_.outcome_.end = RunEnd::BlankWord;
      return;
    }
    if (state.next > m_.record_.place(RunRecord::lastSlot)) {
      finish();
      m_.record_.restartAtLastSlot(m_.cpu_);
      if (!historyLimitNoticed_) {
        dialogs_.errorBox(formatMessage(Message::HistoryLimit));
        historyLimitNoticed_ = true;
      }
      state.next = m_.record_.place(m_.record_.nextSlot());
    }
    if (passes > m_.outcome_.passLimit) {
      finish();
      m_.outcome_.end = RunEnd::PassLimit;
      return;
    }
    ++passes;
    if (!runPass(state, highest)) {
      finish();
      return;
    }
  }
}

// One pass from PR. A pass offers the word at PR to each row in the pass
// order; the one with its code carries it out, and the rows after it in the
// order look at the word at the new PR. So the pass goes on from one
// instruction to the next as long as each lies further on in the order.
[[gnu::always_inline]] inline bool Simulator::runPass(PassState& state, int highest) {
  CpuState& cpu = m_.cpu_;
  // PR and SP are checked together: with SP outside the memory no PR
  // passes. SP changes only with the stack instructions, after which the
  // limit is made anew.
  std::int64_t prLimit = prLimitOf(cpu.sp, highest);
  int nextPosition = 0;
  for (;;) {
    // PR lies within the memory image here: the pass top checked it, an
    // instruction leaves it at most 15 words after the highest address, and
    // a jump or return to anywhere else goes back to the pass top.
    const Word word = cpu.memory[state.pr];
    const int position = passPositions[word.codeKey()];
    if (position < nextPosition) return true;  // a blank or empty word too
    nextPosition = position + 1;
    if (state.pr > prLimit) [[unlikely]] {
      // The error line shows the effective address of every instruction
      // that has one.
      const bool hasAddress = instructionSet[static_cast<std::size_t>(position)].effectiveAddress !=
                              EffectiveAddressUse::None;
      cpu.pr = state.pr;
      reportAddressError(state, hasAddress ? effectiveAddress(cpu) : 0);
      return false;
    }

    const StepEnd end =
        carryOut(position, state, word, prLimit, std::make_index_sequence<instructionSet.size()>{});
    switch (end) {
      case StepEnd::Next:
        break;
      case StepEnd::StackMoved:
        // A call or a return may leave PR anywhere: the pass top reports it.
        if (!MemoryImage::contains(state.pr)) return true;
        prLimit = prLimitOf(cpu.sp, highest);
        break;
      case StepEnd::StackFull:
        // A push below address 0 changes nothing and shows eff FFFF, the
        // first address below 0.
        reportAddressError(state, -1);
        return false;
      case StepEnd::RunOver:
        return false;
    }
  }
}

// The code of each row of the table, chosen by the row's position: one
// comparison a row, which the compiler makes into one jump. A new row of the
// table needs nothing here.
template <std::size_t... positions>
[[gnu::always_inline]] inline StepEnd Simulator::carryOut(int position, PassState& state, Word word,
                                                          std::int64_t highest,
                                                          std::index_sequence<positions...>) {
  StepEnd end = StepEnd::Next;
  const bool carried = ((position == static_cast<int>(positions) &&
                         (end = carryOutAt<positions>(state, word, highest), true)) ||
                        ...);
  // Every position a pass finds is that of a row.
  if (!carried) __builtin_unreachable();
  return end;
}

// Carries out the instruction of row `position` at PR and moves PR on; the
// row's columns are known here, so each row gets its own code.
template <std::size_t position>
[[gnu::always_inline]] inline StepEnd Simulator::carryOutAt(PassState& state, Word word,
                                                            std::int64_t highest) {
  constexpr Instruction row = instructionSet[position];
  CpuState& cpu = m_.cpu_;
  RunRecord& record = m_.record_;
  const std::int64_t pr = state.pr;

  // The effective address: adr plus the index register, checked where the
  // instruction reads or writes memory or jumps.
  std::int64_t eff = 0;
  if constexpr (row.effectiveAddress != EffectiveAddressUse::None) {
    eff = cpu.memory[pr + 1].signedValue();
    const int x = word.x();
    if (x >= 1 && x <= 7) eff += cpu.registers[static_cast<std::size_t>(x)].signedValue();
    if constexpr (row.effectiveAddress == EffectiveAddressUse::Checked) {
      if (eff < 0 || eff > highest) [[unlikely]] {
        return reportAddressError(state, eff);
      }
    }
  }

  if constexpr (isRegisterAction(row.action)) {
    carryOutRegisterAction<row.action, row.form>(cpu, record, pr, word, eff, state.step(record));
    // All but the stores and comparisons may change register r.
    constexpr bool changesRegister = row.action != Action::Store &&
                                     row.action != Action::CompareArithmetic &&
                                     row.action != Action::CompareLogical;
    if (const int r = word.r(); changesRegister && r <= 7) {
      state.record(cpu, pr, r);
    } else {
      state.record(cpu, pr);
    }
    state.pr = pr + row.length;
  } else if constexpr (isJump(row.action)) {
    const std::int64_t next = jumpTaken(row.action, cpu.flags) ? eff : pr + row.length;
    state.record(cpu, pr);
    state.pr = next;
  } else if constexpr (row.action == Action::NoOperation || row.action == Action::SupervisorCall) {
    state.record(cpu, pr);
    state.pr = pr + row.length;
  } else if constexpr (row.action == Action::Push) {
    return pushWord(cpu, record, state, word, eff, output_);
  } else if constexpr (row.action == Action::Pop) {
    return popWord(cpu, state, word);
  } else if constexpr (row.action == Action::PushRegisters) {
    return pushRegisters(cpu, record, state);
  } else if constexpr (row.action == Action::PopRegisters) {
    return popRegisters(cpu, state);
  } else if constexpr (row.action == Action::Call) {
    return callSubroutine(cpu, record, state);
  } else if constexpr (row.action == Action::Return) {
    const StepEnd end = returnFromSubroutine(cpu, state);
    if (end == StepEnd::RunOver) m_.outcome_.end = RunEnd::Return;
    return end;
  } else if constexpr (row.action == Action::Output) {
    return talkToUser(state, &Simulator::output);
  } else if constexpr (row.action == Action::Input) {
    return talkToUser(state, &Simulator::input);
  } else if constexpr (row.action == Action::Dump) {
    return talkToUser(state, &Simulator::dump);
  } else {
    // A row never carried out has no position in a pass.
    static_assert(!row.isCarriedOut());
    __builtin_unreachable();
  }
  return StepEnd::Next;
}

void Simulator::record(int advance) {
  m_.record_.recordStep(m_.cpu_);
  m_.cpu_.pr += advance;
}

void Simulator::reportAddressError(std::int64_t eff) {
  const CpuState& cpu = m_.cpu_;
  output_.line(
      formatMessage(Message::AddressOutOfRange,
                    {hexText(static_cast<std::uint16_t>(cpu.highestAddress())),
                     std::to_string(cpu.pr), Word::of(eff).text(), Word::of(cpu.sp).text()}));
  m_.outcome_.end = RunEnd::AddressError;
  running_ = false;
}

void Simulator::finishRun() {
  m_.record_.end(m_.cpu_);
  output_.ended(m_);
}

}  // namespace casl2wb
