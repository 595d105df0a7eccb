// COMET II as standard CASL II defines it: 65536 words of memory, the
// program from address 0, SP at the top (the first push goes to FFFF), IN
// and OUT through the system's calls (SVC), and a run that ends when RET
// finds the stack at its start, or at the first fault, or at the step limit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assembler/standard_program.h"
#include "comet2/flags.h"
#include "comet2/instruction_set.h"
#include "simulator/cpu_panel.h"

namespace casl2wb::standard {

struct Cpu {
  std::vector<std::uint16_t> memory = std::vector<std::uint16_t>(memoryWords);
  std::array<std::uint16_t, 8> registers{};
  Flags flags;
  std::uint16_t pr = 0;
  // memoryWords while the stack is empty.
  std::int64_t sp = memoryWords;
  // The first word above the program: the stack may not grow below it.
  std::int64_t stackFloor = 0;
};

// The CPU as a run of the program begins: its words loaded, PR at its entry.
Cpu loadedCpu(const Program& program);

enum class End {
  None,               // no run yet
  Return,             // RET with the stack at its start: back to the system
  StepLimit,          // the step limit was reached
  StackOverflow,      // a push would reach into the program
  StackUnderflow,     // POP with the stack at its start
  AddressError,       // an instruction reaching past address FFFF
  BadInstruction,     // a word that is no instruction
  BadSupervisorCall,  // SVC with a number the system does not know
};

// How a run ended: after how many steps, at which instruction, and what
// the fault was about (the word, or the call number).
struct RunEnd {
  End end = End::None;
  std::int64_t steps = 0;
  std::uint16_t pr = 0;
  std::uint16_t detail = 0;
};

// What IN and OUT talk to.
class Terminal {
 public:
  virtual ~Terminal() = default;
  // The next line (UTF-8, without its end); none at the end of input.
  virtual std::optional<std::string> readLine() = 0;
  virtual void writeLine(const std::string& utf8) = 0;
};

// The record of a run for its replay: the CPU after every step and the
// memory words each step wrote.
struct MemoryWrite {
  std::uint16_t address = 0;
  std::uint16_t before = 0;
  std::uint16_t after = 0;
};
struct Step {
  std::uint16_t pr = 0;  // the instruction carried out
  std::uint16_t nextPr = 0;
  std::array<std::uint16_t, 8> registers{};
  Flags flags;
  std::int64_t sp = 0;
  std::size_t writesEnd = 0;  // its writes end here in StepRecord::writes
};
struct StepRecord {
  // Steps past this many are carried out but not recorded.
  std::size_t limit = 100000;
  std::vector<Step> steps;
  std::vector<MemoryWrite> writes;
};

// The lines IN reads are cut at this many characters.
inline constexpr std::size_t inputLineLimit = 256;
// The step limit of a run unless the user sets another.
inline constexpr std::int64_t defaultStepLimit = 10'000'000;

// The row of the instruction set that a word is the first word of; none
// for a word that is no instruction of standard COMET II.
const Instruction* instructionOf(std::uint16_t word);

// The CPU panel's values of the CPU, and of the CPU after a recorded step.
CpuPanel panelOf(const Cpu& cpu);
CpuPanel panelOf(const Step& step, const std::vector<std::uint16_t>& memory);

// Runs from the CPU's PR until the run ends; records its steps when asked.
RunEnd run(Cpu& cpu, Terminal& terminal, std::int64_t stepLimit, StepRecord* record = nullptr);

}  // namespace casl2wb::standard
