#include "simulator/standard_machine.h"

#include "base/cp932.h"
#include "comet2/instruction_set.h"
#include "simulator/instructions.h"

namespace casl2wb::standard {

namespace {

constexpr std::uint16_t inputCall = 1;
constexpr std::uint16_t outputCall = 2;

// The rows of the instruction set that standard COMET II has, by code: the
// workbench's own marker words are no instructions here.
const std::array<const Instruction*, 256>& rowsByCode() {
  static const std::array<const Instruction*, 256> rows = [] {
    std::array<const Instruction*, 256> table{};
    for (const Instruction& row : instructionSet) {
      if (row.form != OperandForm::Macro && row.action != Action::Dump) table[row.code] = &row;
    }
    return table;
  }();
  return rows;
}

class Execution {
 public:
  Execution(Cpu& cpu, Terminal& terminal, StepRecord* record)
      : cpu_(cpu), terminal_(terminal), record_(record) {}

  RunEnd run(std::int64_t stepLimit);

 private:
  // Carries out the instruction at PR; an end when the run ends with it.
  std::optional<End> step();
  void write(std::uint16_t address, std::uint16_t value) {
    if (recording_) record_->writes.push_back({address, cpu_.memory[address], value});
    cpu_.memory[address] = value;
  }
  std::optional<End> push(std::uint16_t value) {
    if (cpu_.sp - 1 < cpu_.stackFloor) {
      faultDetail_ = static_cast<std::uint16_t>(cpu_.sp);
      return End::StackOverflow;
    }
    --cpu_.sp;
    write(static_cast<std::uint16_t>(cpu_.sp), value);
    return std::nullopt;
  }
  std::optional<End> supervisorCall(std::uint16_t number);
  void input();
  void output();

  Cpu& cpu_;
  Terminal& terminal_;
  StepRecord* record_;
  bool recording_ = false;
  std::uint16_t faultDetail_ = 0;
  Cp932Encoder encoder_;
};

RunEnd Execution::run(std::int64_t stepLimit) {
  RunEnd end;
  for (;;) {
    if (end.steps >= stepLimit) {
      end.end = End::StepLimit;
      break;
    }
    recording_ = record_ != nullptr && record_->steps.size() < record_->limit;
    const std::uint16_t pr = cpu_.pr;
    const std::optional<End> stepEnd = step();
    if (stepEnd) {
      end.end = *stepEnd;
      end.pr = pr;
      end.detail = faultDetail_;
      // RET back to the system is a step of the run; a fault is not.
      if (*stepEnd == End::Return) ++end.steps;
      break;
    }
    ++end.steps;
    if (recording_) {
      record_->steps.push_back(
          {pr, cpu_.pr, cpu_.registers, cpu_.flags, cpu_.sp, record_->writes.size()});
    }
  }
  if (end.end != End::StepLimit) return end;
  end.pr = cpu_.pr;
  return end;
}

std::optional<End> Execution::step() {
  const std::uint16_t word = cpu_.memory[cpu_.pr];
  const Instruction* row = instructionOf(word);
  // A field the form does not use may hold anything: it stands for GR0.
  const int r = ((word >> 4) & 0xF) > 7 ? 0 : (word >> 4) & 0xF;
  const int x = (word & 0xF) > 7 ? 0 : word & 0xF;
  if (row == nullptr) {
    faultDetail_ = word;
    return End::BadInstruction;
  }
  const bool twoWords = row->length == 2;
  if (twoWords && cpu_.pr == memoryWords - 1) return End::AddressError;
  std::uint16_t eff = 0;
  if (twoWords) {
    eff = cpu_.memory[cpu_.pr + 1];
    if (x != 0) eff = static_cast<std::uint16_t>(eff + cpu_.registers[static_cast<std::size_t>(x)]);
  }
  const std::int64_t next = cpu_.pr + row->length;
  auto& reg = cpu_.registers[static_cast<std::size_t>(r)];
  // The second operand: the register x of the r1,r2 form, else the word at eff.
  const std::uint16_t operand = row->form == OperandForm::RegisterRegister
                                    ? cpu_.registers[static_cast<std::size_t>(x)]
                                    : cpu_.memory[eff];
  const auto signedOf = [](std::uint16_t v) {
    return static_cast<std::int64_t>(static_cast<std::int16_t>(v));
  };
  std::optional<std::int64_t> jumpTo;
  switch (row->action) {
    case Action::Load:
      reg = operand;
      cpu_.flags = flagsOfResult(signedOf(operand), OverflowRule::None);
      break;
    case Action::Store:
      write(eff, reg);
      break;
    case Action::LoadAddress:
      reg = eff;
      break;
    case Action::AddArithmetic:
    case Action::SubtractArithmetic: {
      const std::int64_t result = row->action == Action::AddArithmetic
                                      ? signedOf(reg) + signedOf(operand)
                                      : signedOf(reg) - signedOf(operand);
      reg = static_cast<std::uint16_t>(result);
      cpu_.flags = flagsOfResult(result, OverflowRule::Arithmetic);
      break;
    }
    case Action::AddLogical:
    case Action::SubtractLogical: {
      const std::int64_t result = row->action == Action::AddLogical ? std::int64_t{reg} + operand
                                                                    : std::int64_t{reg} - operand;
      reg = static_cast<std::uint16_t>(result);
      cpu_.flags = flagsOfResult(result, OverflowRule::Logical);
      break;
    }
    case Action::And:
    case Action::Or:
    case Action::Xor:
      reg = row->action == Action::And  ? reg & operand
            : row->action == Action::Or ? reg | operand
                                        : reg ^ operand;
      cpu_.flags = flagsOfBits(reg, false);
      break;
    case Action::CompareArithmetic:
      cpu_.flags = flagsOfComparison(signedOf(reg), signedOf(operand));
      break;
    case Action::CompareLogical:
      cpu_.flags = flagsOfComparison(reg, operand);
      break;
    case Action::ShiftLeftArithmetic:
    case Action::ShiftRightArithmetic:
    case Action::ShiftLeftLogical:
    case Action::ShiftRightLogical: {
      const ShiftResult shifted = shiftBits(reg, eff, row->action);
      reg = shifted.bits;
      cpu_.flags = flagsOfBits(shifted.bits, shifted.lastOut);
      break;
    }
    case Action::JumpOnMinus:
    case Action::JumpOnPlus:
    case Action::JumpOnNonZero:
    case Action::JumpOnZero:
    case Action::JumpOnOverflow:
    case Action::Jump:
      if (jumpTaken(row->action, cpu_.flags)) jumpTo = eff;
      break;
    case Action::Push:
      if (const auto fault = push(eff)) return fault;
      break;
    case Action::Pop:
      if (cpu_.sp >= memoryWords) return End::StackUnderflow;
      reg = cpu_.memory[static_cast<std::size_t>(cpu_.sp++)];
      break;
    case Action::Call:
      if (const auto fault = push(static_cast<std::uint16_t>(next))) return fault;
      jumpTo = eff;
      break;
    case Action::Return:
      if (cpu_.sp >= memoryWords) return End::Return;
      jumpTo = cpu_.memory[static_cast<std::size_t>(cpu_.sp++)];
      break;
    case Action::SupervisorCall:
      if (const auto fault = supervisorCall(eff)) return fault;
      break;
    case Action::NoOperation:
      break;
    default:
      faultDetail_ = word;
      return End::BadInstruction;
  }
  if (jumpTo) {
    cpu_.pr = static_cast<std::uint16_t>(*jumpTo);
  } else {
    // PR leaves the memory after an instruction in its last word.
    if (next >= memoryWords) return End::AddressError;
    cpu_.pr = static_cast<std::uint16_t>(next);
  }
  return std::nullopt;
}

std::optional<End> Execution::supervisorCall(std::uint16_t number) {
  switch (number) {
    case inputCall:
      input();
      return std::nullopt;
    case outputCall:
      output();
      return std::nullopt;
    default:
      faultDetail_ = number;
      return End::BadSupervisorCall;
  }
}

// IN: the line's characters, a word each, from the address in GR1, and its
// length at the address in GR2 (-1 at the end of input).
void Execution::input() {
  const std::uint16_t buffer = cpu_.registers[1];
  const std::uint16_t length = cpu_.registers[2];
  const std::optional<std::string> line = terminal_.readLine();
  if (!line) {
    write(length, 0xFFFF);
    return;
  }
  std::vector<std::uint16_t> words;
  for (char32_t c : fromUtf8(*line)) appendCharacterWords(words, encoder_.code(c));
  // The rest of a longer line is dropped.
  const std::size_t count = std::min(words.size(), inputLineLimit);
  for (std::size_t k = 0; k < count; ++k) write(static_cast<std::uint16_t>(buffer + k), words[k]);
  write(length, static_cast<std::uint16_t>(count));
}

// OUT: as many characters as the word at the address in GR2 says (none
// for 0 or less, at most a line's 256), from the address in GR1; a
// character is the lower byte of its word (a double-byte character is two
// words).
void Execution::output() {
  const std::uint16_t buffer = cpu_.registers[1];
  const std::int64_t count =
      std::clamp<std::int64_t>(static_cast<std::int16_t>(cpu_.memory[cpu_.registers[2]]), 0,
                               static_cast<std::int64_t>(inputLineLimit));
  std::string bytes;
  for (std::int64_t k = 0; k < count; ++k) {
    bytes += static_cast<char>(cpu_.memory[static_cast<std::uint16_t>(buffer + k)] & 0xFF);
  }
  terminal_.writeLine(toUtf8(decodeCp932(bytes)));
}

Registers wordsOf(const std::array<std::uint16_t, 8>& registers) {
  Registers words;
  for (std::size_t k = 0; k < words.size(); ++k) words[k] = Word(registers[k]);
  return words;
}

}  // namespace

const Instruction* instructionOf(std::uint16_t word) {
  const Instruction* row = rowsByCode()[word >> 8];
  if (row == nullptr) return nullptr;
  // Only the fields the form uses must name registers: NOP is any 00xx.
  const bool usesR = row->form == OperandForm::RegisterAddress ||
                     row->form == OperandForm::RegisterRegister ||
                     row->form == OperandForm::Register;
  const bool usesX = row->form == OperandForm::RegisterAddress ||
                     row->form == OperandForm::RegisterRegister ||
                     row->form == OperandForm::Address;
  if ((usesR && ((word >> 4) & 0xF) > 7) || (usesX && (word & 0xF) > 7)) return nullptr;
  return row;
}

CpuPanel panelOf(const Cpu& cpu) {
  return {cpu.pr, wordsOf(cpu.registers), cpu.flags, cpu.sp, instructionOf(cpu.memory[cpu.pr])};
}

CpuPanel panelOf(const Step& step, const std::vector<std::uint16_t>& memory) {
  return {step.nextPr, wordsOf(step.registers), step.flags, step.sp,
          instructionOf(memory[step.nextPr])};
}

Cpu loadedCpu(const Program& program) {
  Cpu cpu;
  std::copy(program.words.begin(), program.words.end(), cpu.memory.begin());
  cpu.pr = program.entry;
  cpu.stackFloor = static_cast<std::int64_t>(program.words.size());
  return cpu;
}

RunEnd run(Cpu& cpu, Terminal& terminal, std::int64_t stepLimit, StepRecord* record) {
  return Execution(cpu, terminal, record).run(stepLimit);
}

}  // namespace casl2wb::standard
