// The texts of the CPU panel: PR in hex without leading zeros, the words of
// the registers and SP as four digits (or what a cell without a value shows),
// FR as three flags, and the mnemonic of the row at PR.
#include "documents/cpu_panel_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace casl2wb {
namespace {

Registers registersWith(std::size_t n, Word word) {
  Registers registers = zeroRegisters;
  registers[n] = word;
  return registers;
}

struct PanelCase {
  const char* what;
  CpuPanel panel;
  const char* mnemonic;
  const char* programRegister;
  std::size_t register_;
  const char* registerText;
  const char* stackPointer;
  const char* flags;
};

TEST(CpuPanelTexts, EachValueAsThePanelShowsIt) {
  const PanelCase cases[] = {
      {"a run's start",
       {0, zeroRegisters, Flags{}, 0x100, nullptr},
       "",
       "0",
       3,
       "0000",
       "0100",
       "000"},
      {"PR without leading zeros",
       {0xA, registersWith(1, Word(0x8000)), Flags(false, true, false), 0xFF,
        instructionWithCode(0x12)},
       "LAD",
       "A",
       1,
       "8000",
       "00FF",
       "010"},
      {"PR of three digits",
       {0x1FF, registersWith(7, Word::blank()), Flags(true, false, true), 0x200,
        instructionWithCode(0x81)},
       "RET",
       "1FF",
       7,
       "    ",
       "0200",
       "101"},
      {"PR below zero and SP beyond the words",
       {-5, registersWith(0, Word::empty()), Flags(true, true, true), 0x10101, nullptr},
       "",
       "FFFFFFFB",
       0,
       "",
       "0101",
       "111"},
  };
  for (const PanelCase& c : cases) {
    SCOPED_TRACE(c.what);
    const CpuPanelTexts texts = cpuPanelTexts(c.panel);
    EXPECT_EQ(texts.mnemonic, c.mnemonic);
    EXPECT_EQ(texts.programRegister, c.programRegister);
    for (std::size_t n = 0; n < texts.registers.size(); ++n) {
      EXPECT_EQ(texts.registers[n], n == c.register_ ? c.registerText : "0000") << "GR" << n;
    }
    EXPECT_EQ(texts.stackPointer, c.stackPointer);
    EXPECT_EQ(texts.flags, c.flags);
  }
}

}  // namespace
}  // namespace casl2wb
