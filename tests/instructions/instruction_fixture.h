// A fresh memory image and machine state per test, with helpers that place an
// instruction at PR and set the instruction fields the way the loop does.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "codegen/memory_image.h"
#include "machine/machine_state.h"

namespace casl2wb::instructiontest {

class InstructionFixture : public ::testing::Test {
 protected:
  // Writes the instruction word (and its address word) at `at`, points PR at
  // it and sets rDigit / xDigit from its third and fourth character.
  void place(std::int64_t at, std::uint16_t word, std::optional<std::uint16_t> second = {}) {
    memory.write(at, MemoryWord::hex(word));
    if (second) memory.write(at + 1, MemoryWord::hex(*second));
    m.pr = at;
    const std::string text = MemoryWord::hex(word).text();
    m.rDigit = text[2];
    m.xDigit = text[3];
  }

  void setGr(int r, std::uint16_t bits) {
    m.grText[r] = MemoryWord::hex(bits);
    m.grValue[r] = static_cast<std::int16_t>(bits);
  }

  void setWord(std::int64_t address, std::uint16_t bits) {
    memory.write(address, MemoryWord::hex(bits));
  }

  std::string gr(int r) const { return m.grText[r].text(); }
  std::string word(std::int64_t address) const { return memory.memText.at(address).text(); }

  MemoryImage memory;
  MachineState m{memory};
};

// Everything a handler may change, for "changes nothing" checks.
struct Snapshot {
  explicit Snapshot(const MachineState& state)
      : grText(state.grText),
        grValue(state.grValue),
        frText(state.frText),
        accum(state.accum),
        operand(state.operand),
        memText(state.memory.memText),
        memValue(state.memory.memValue) {}
  bool operator==(const Snapshot&) const = default;

  std::array<MemoryWord, 8> grText;
  std::array<std::int32_t, 8> grValue;
  std::string frText;
  std::int64_t accum;
  std::int64_t operand;
  std::array<MemoryWord, MemoryImage::cellCount> memText;
  std::array<std::int32_t, MemoryImage::cellCount> memValue;
};

}  // namespace casl2wb::instructiontest
