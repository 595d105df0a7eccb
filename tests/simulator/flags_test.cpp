// FR after loads, arithmetic, logical operations, comparisons and shifts.
#include <string>
#include <vector>

#include "instruction_fixture.h"

namespace casl2wb::instructiontest {
namespace {

struct ResultCase {
  OverflowRule rule;
  std::int64_t result;
  std::string fr;
};

TEST(FlagsOfResult, OverflowFollowsTheRuleOfTheInstruction) {
  const std::vector<ResultCase> cases = {
      // LD: never an overflow, whatever the number.
      {OverflowRule::None, 0, "001"},
      {OverflowRule::None, -32768, "010"},
      {OverflowRule::None, 32767, "000"},
      {OverflowRule::None, 65536, "001"},
      {OverflowRule::None, 70000, "000"},
      {OverflowRule::None, -32769, "000"},
      // ADDA / SUBA: outside -32768..32767.
      {OverflowRule::Arithmetic, 32768, "110"},
      {OverflowRule::Arithmetic, -32769, "100"},
      {OverflowRule::Arithmetic, -65536, "101"},
      {OverflowRule::Arithmetic, 32767, "000"},
      {OverflowRule::Arithmetic, -32768, "010"},
      {OverflowRule::Arithmetic, 0, "001"},
      // ADDL / SUBL: outside 0..65535.
      {OverflowRule::Logical, 65536, "101"},
      {OverflowRule::Logical, 65535, "010"},
      {OverflowRule::Logical, -1, "110"},
      {OverflowRule::Logical, -65534, "100"},
      {OverflowRule::Logical, 131070, "110"},
      {OverflowRule::Logical, 0, "001"},
      {OverflowRule::Logical, 32768, "010"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(flagsOfResult(c.result, c.rule).text(), c.fr)
        << static_cast<int>(c.rule) << " r=" << c.result;
  }
}

TEST(FlagsOfResult, EachInstructionUsesItsRule) {
  // Load never overflows; ADDA and SUBA by the signed range; ADDL and SUBL
  // by the unsigned one. The words are chosen so that only the rule differs.
  struct Case {
    std::uint16_t code;
    std::uint16_t a, b;
    std::string fr;
  };
  for (const Case& c : std::vector<Case>{{0x1412, 0x0000, 0x8000, "010"},
                                         {0x2412, 0x7FFF, 0x0001, "110"},
                                         {0x2512, 0x8000, 0x0001, "100"},
                                         {0x2612, 0x7FFF, 0x0001, "010"},
                                         {0x2712, 0x0000, 0x0001, "110"}}) {
    Machine m;
    m.memory[0] = Word(c.code);
    m.registers[1] = Word(c.a);
    m.registers[2] = Word(c.b);
    executeRegisterInstruction(m, *instructionWithCode(c.code >> 8));
    EXPECT_EQ(m.flags.text(), c.fr) << std::hex << c.code;
  }
}

TEST(FlagsOfBits, LookOnlyAtTheResultBitsAndTheGivenOverflow) {
  struct Case {
    std::uint16_t bits;
    bool overflow;
    std::string fr;
  };
  for (const Case& c : std::vector<Case>{{0x8000, false, "010"},
                                         {0x0001, false, "000"},
                                         {0x0000, false, "001"},
                                         {0x4000, false, "000"},
                                         // After a shift, OF is the last bit out.
                                         {0x0000, true, "101"},
                                         {0x8000, true, "110"},
                                         {0x0100, false, "000"}}) {
    EXPECT_EQ(flagsOfBits(c.bits, c.overflow).text(), c.fr) << std::hex << c.bits;
  }
}

TEST(FlagsOfComparison, LessEqualOrGreater) {
  EXPECT_EQ(flagsOfComparison(-1, 1).text(), "010");
  EXPECT_EQ(flagsOfComparison(65535, 1).text(), "000");
  EXPECT_EQ(flagsOfComparison(65535, 65535).text(), "001");
}

TEST(FlagsOfComparison, ArithmeticComparisonTakesTheSignedValuesOfTheWords) {
  struct Case {
    std::int64_t registerSide, operand;
    std::string fr;
    std::int32_t signedRegister, signedOperand;
  };
  const std::vector<Case> cases = {
      {65535, 1, "010", -1, 1}, {32768, 32767, "010", -32768, 32767}, {-1, 65535, "001", -1, -1},
      {1, -65535, "001", 1, 1}, {32767, 32768, "000", 32767, -32768},
  };
  for (const auto& c : cases) {
    const Word a = Word::of(c.registerSide);
    const Word b = Word::of(c.operand);
    EXPECT_EQ(a.signedValue(), c.signedRegister);
    EXPECT_EQ(b.signedValue(), c.signedOperand);
    EXPECT_EQ(flagsOfComparison(a.signedValue(), b.signedValue()).text(), c.fr)
        << c.registerSide << " vs " << c.operand;
  }
}

TEST(FlagsOfBits, EveryShiftSetsZeroForAZeroWord) {
  for (std::uint16_t code : {0x5010, 0x5110, 0x5210, 0x5310}) {
    Machine m;
    m.memory[20] = Word(code);
    m.memory[21] = Word(1);
    m.pr = 20;
    m.registers[1] = Word(0);
    executeRegisterInstruction(m, *instructionWithCode(code >> 8));
    EXPECT_EQ(m.flags.text(), "001") << std::hex << code;
  }
}

}  // namespace
}  // namespace casl2wb::instructiontest
