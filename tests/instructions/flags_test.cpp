// FR after loads, arithmetic, logical operations, comparisons and shifts.
#include <string>
#include <vector>

#include "instruction_fixture.h"
#include "instructions/bit_vector.h"
#include "instructions/flags.h"

namespace casl2wb::instructiontest {
namespace {

class FlagRegister : public InstructionFixture {};

BitVector bitsOf(std::int64_t n) {
  BitVector v{};
  S102(n, v);
  return v;
}

struct FrsubCase {
  std::uint16_t instruction;  // decides the overflow rule by its mnemonic
  std::int64_t result;
  std::string fr;
};

TEST_F(FlagRegister, FrsubSetsOverflowByTheMnemonicAtPr) {
  const std::vector<FrsubCase> cases = {
      // LD: never an overflow, whatever the number.
      {0x1010, 0, "001"},
      {0x1010, -32768, "010"},
      {0x1010, 32767, "000"},
      {0x1410, 65536, "001"},
      {0x1410, 70000, "000"},
      // ADDA / SUBA: outside -32768..32767.
      {0x2010, 32768, "110"},
      {0x2010, -32769, "100"},
      {0x2010, -65536, "101"},
      {0x2010, 32767, "000"},
      {0x2010, -32768, "010"},
      {0x2110, 32768, "110"},
      {0x2412, -32769, "100"},
      {0x2512, 0, "001"},
      // ADDL / SUBL: outside 0..65535.
      {0x2210, 65536, "101"},
      {0x2210, 65535, "010"},
      {0x2310, -1, "110"},
      {0x2310, -65534, "100"},
      {0x2612, 131070, "110"},
      {0x2712, 0, "001"},
      {0x2612, 32768, "010"},
  };
  for (const auto& c : cases) {
    place(10, c.instruction);
    m.frText = "111";
    frsub(m, c.result);
    EXPECT_EQ(m.frText, c.fr) << std::hex << c.instruction << std::dec << " r=" << c.result;
  }
}

TEST_F(FlagRegister, FrsubWithoutAnInstructionAtPrSetsNoOverflow) {
  m.pr = 40;  // a blank cell: no mnemonic
  memory.write(40, MemoryWord::blank());
  frsub(m, 65536);
  EXPECT_EQ(m.frText, "001");
  frsub(m, -32769);
  EXPECT_EQ(m.frText, "000");
}

TEST_F(FlagRegister, FrbLooksOnlyAtTheResultBits) {
  m.frText = "100";
  frb(m, bitsOf(0x8000));
  EXPECT_EQ(m.frText, "010");
  m.frText = "111";
  frb(m, bitsOf(0x0001));
  EXPECT_EQ(m.frText, "000");
  m.frText = "110";
  frb(m, bitsOf(0));
  EXPECT_EQ(m.frText, "001");
  frb(m, bitsOf(0x4000));
  EXPECT_EQ(m.frText, "000");
}

TEST_F(FlagRegister, FrcpComparesAccumWithOperand) {
  m.frText = "100";
  m.accum = -1;
  m.operand = 1;
  frcp(m);
  EXPECT_EQ(m.frText, "010");
  m.accum = 65535;
  frcp(m);
  EXPECT_EQ(m.frText, "000");
  m.operand = 65535;
  frcp(m);
  EXPECT_EQ(m.frText, "001");
}

TEST_F(FlagRegister, FrcpaComparesTheSignedValuesOfTheWords) {
  struct Case {
    std::int64_t accum, operand;
    std::string fr;
    std::int64_t signedAccum, signedOperand;
  };
  const std::vector<Case> cases = {
      {65535, 1, "010", -1, 1}, {32768, 32767, "010", -32768, 32767}, {-1, 65535, "001", -1, -1},
      {1, -65535, "001", 1, 1}, {32767, 32768, "000", 32767, -32768},
  };
  for (const auto& c : cases) {
    m.accum = c.accum;
    m.operand = c.operand;
    frcpa(m);
    EXPECT_EQ(m.frText, c.fr) << c.accum << " vs " << c.operand;
    EXPECT_EQ(m.accum, c.signedAccum);
    EXPECT_EQ(m.operand, c.signedOperand);
  }
}

TEST_F(FlagRegister, FrsbTakesOverflowFromTheLastBitOut) {
  place(20, 0x5210);  // SLL
  m.frText = "010";
  frsb(m, bitsOf(0), '1');
  EXPECT_EQ(m.frText, "101");
  frsb(m, bitsOf(0x8000), '0');
  EXPECT_EQ(m.frText, "010");
  frsb(m, bitsOf(0x8000), '1');
  EXPECT_EQ(m.frText, "110");
  frsb(m, bitsOf(0x0100), '0');
  EXPECT_EQ(m.frText, "000");
}

TEST_F(FlagRegister, FrsbSetsZeroOnlyForShiftCodes) {
  for (std::uint16_t code : {0x5010, 0x5110, 0x5210, 0x5310}) {
    place(20, code);
    frsb(m, bitsOf(0), '0');
    EXPECT_EQ(m.frText, "001") << std::hex << code;
  }
  place(20, 0x1010);
  m.frText = "111";
  frsb(m, bitsOf(0), '0');
  EXPECT_EQ(m.frText, "000");
}

}  // namespace
}  // namespace casl2wb::instructiontest
