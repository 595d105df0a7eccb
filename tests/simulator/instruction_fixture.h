// A fresh machine per test, with helpers that place an instruction at PR and
// carry it out as the execution loop does.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "comet2/instruction_set.h"
#include "simulator/instructions.h"
#include "simulator/machine.h"

namespace casl2wb::instructiontest {

// FR from its text: "110" sets OF and SF.
inline Flags flagsOf(const std::string& text) {
  return Flags{text.at(0) == '1', text.at(1) == '1', text.at(2) == '1'};
}

class InstructionFixture : public ::testing::Test {
 protected:
  // Writes the instruction word (and its address word) at `at` and points
  // PR at it.
  void place(std::int64_t at, std::uint16_t word, std::optional<std::uint16_t> second = {}) {
    m.memory[at] = Word(word);
    if (second) m.memory[at + 1] = Word(*second);
    m.pr = at;
  }
  // Carries out the instruction at PR.
  void execute() {
    const Instruction* instruction = instructionWithCode(m.memory[m.pr].code());
    ASSERT_NE(instruction, nullptr) << m.memory[m.pr].text();
    executeRegisterInstruction(m, *instruction);
  }

  void setGr(int r, std::uint16_t bits) { m.registers[r] = Word(bits); }
  void setWord(std::int64_t address, std::uint16_t bits) { m.memory[address] = Word(bits); }
  void setFr(const std::string& text) { m.flags = flagsOf(text); }

  std::string gr(int r) const { return m.registers[r].text(); }
  std::string fr() const { return m.flags.text(); }
  std::string word(std::int64_t address) const { return m.memory[address].text(); }

  Machine m;
};

// Everything an instruction may change, for "changes nothing" checks.
struct Snapshot {
  explicit Snapshot(const Machine& machine)
      : registers(machine.registers),
        flags(machine.flags),
        memory(machine.memory.cells().begin(), machine.memory.cells().end()) {}
  bool operator==(const Snapshot&) const = default;

  std::array<Word, 8> registers;
  Flags flags;
  std::vector<Word> memory;
};

}  // namespace casl2wb::instructiontest
