// AND, OR, XOR and the comparisons CPA and CPL.
#include <string>
#include <vector>

#include "instruction_fixture.h"

namespace casl2wb::instructiontest {
namespace {

class LogicalInstruction : public InstructionFixture {};

struct BitCase {
  std::uint16_t registerCode;  // "c12": GR1,GR2
  std::uint16_t addressCode;   // "c10": GR1,adr
  std::uint16_t a, b;
  std::string result;
  std::string fr;
};

const std::vector<BitCase> bitCases = {
    {0x3412, 0x3010, 0xF0F0, 0x0FF0, "00F0", "000"},  // AND
    {0x3412, 0x3010, 0xF0F0, 0x0000, "0000", "001"},
    {0x3412, 0x3010, 0xFFFF, 0x8000, "8000", "010"},
    {0x3412, 0x3010, 0xFFFF, 0xFFFF, "FFFF", "010"},
    {0x3512, 0x3110, 0x8000, 0x0001, "8001", "010"},  // OR
    {0x3512, 0x3110, 0x0000, 0x0001, "0001", "000"},
    {0x3512, 0x3110, 0x5A5A, 0x5A5A, "5A5A", "000"},
    {0x3512, 0x3110, 0x0000, 0x0000, "0000", "001"},
    {0x3612, 0x3210, 0x1234, 0x1234, "0000", "001"},  // XOR
    {0x3612, 0x3210, 0x1234, 0xFFFF, "EDCB", "010"},
    {0x3612, 0x3210, 0xF0F0, 0x0FF0, "FF00", "010"},
    {0x3612, 0x3210, 0x8001, 0x8000, "0001", "000"},
};

TEST_F(LogicalInstruction, RegisterFormsCombineBitByBit) {
  for (const auto& c : bitCases) {
    SCOPED_TRACE(Word(c.registerCode).text() + " " + Word(c.a).text() + " " + Word(c.b).text());
    setGr(1, c.a);
    setGr(2, c.b);
    setFr("100");
    place(0, c.registerCode);
    execute();
    EXPECT_EQ(gr(1), c.result);
    EXPECT_EQ(m.registers[1].signedValue(),
              static_cast<std::int16_t>(std::stoi(c.result, nullptr, 16)));
    EXPECT_EQ(m.registers[1].unsignedValue(), std::stoi(c.result, nullptr, 16));
    EXPECT_EQ(fr(), c.fr);
    EXPECT_EQ(gr(2), Word(c.b).text());
  }
}

TEST_F(LogicalInstruction, AddressFormsCombineWithTheWordAtEff) {
  for (const auto& c : bitCases) {
    SCOPED_TRACE(Word(c.addressCode).text() + " " + Word(c.a).text() + " " + Word(c.b).text());
    setGr(1, c.a);
    setWord(100, c.b);
    setFr("100");
    place(0, c.addressCode, 100);
    execute();
    EXPECT_EQ(gr(1), c.result);
    EXPECT_EQ(fr(), c.fr);
    EXPECT_EQ(word(100), Word(c.b).text());
  }
}

TEST_F(LogicalInstruction, IndexedAndUsesTheWordAtAdrPlusIndexAndLeavesIt) {
  setGr(1, 0xFF0F);
  setGr(2, 0x0004);
  setWord(0x30, 0x0000);
  setWord(0x34, 0x0FF0);
  place(0, 0x3012, 0x0030);  // AND GR1,#30,GR2
  execute();
  EXPECT_EQ(gr(1), "0F00");
  EXPECT_EQ(word(0x34), "0FF0");
  EXPECT_EQ(gr(2), "0004");
}

TEST_F(LogicalInstruction, SameRegisterOnBothSides) {
  setGr(3, 0xA5A5);
  place(0, 0x3533);  // OR GR3,GR3
  execute();
  EXPECT_EQ(gr(3), "A5A5");
  EXPECT_EQ(fr(), "010");
  place(0, 0x3633);  // XOR GR3,GR3
  execute();
  EXPECT_EQ(gr(3), "0000");
  EXPECT_EQ(m.registers[3].signedValue(), 0);
  EXPECT_EQ(fr(), "001");
}

TEST_F(LogicalInstruction, BadDigitsChangeNothing) {
  setGr(1, 0x00FF);
  setWord(100, 0x0F0F);
  setFr("100");
  for (std::uint16_t code : {0x3418, 0x351F, 0x3481, 0x3080, 0x31F0}) {
    SCOPED_TRACE(code);
    place(0, code, 100);
    const Snapshot before(m);
    execute();
    EXPECT_TRUE(Snapshot(m) == before);
  }
}

struct CompareCase {
  std::uint16_t a, b;
  std::string cpa, cpl;
};

const std::vector<CompareCase> compareCases = {
    {0xFFFF, 0x0001, "010", "000"}, {0x8000, 0x7FFF, "010", "000"}, {0x0001, 0xFFFF, "000", "010"},
    {0x1234, 0x1234, "001", "001"}, {0x0000, 0x0001, "010", "010"}, {0x7FFF, 0x8000, "000", "010"},
};

TEST_F(LogicalInstruction, CpaIsSignedAndCplUnsignedInRegisterForm) {
  for (const auto& c : compareCases) {
    SCOPED_TRACE(Word(c.a).text() + " " + Word(c.b).text());
    setGr(1, c.a);
    setGr(2, c.b);
    setFr("100");
    place(0, 0x4412);  // CPA GR1,GR2
    execute();
    EXPECT_EQ(fr(), c.cpa);
    setFr("100");
    place(0, 0x4512);  // CPL GR1,GR2
    execute();
    EXPECT_EQ(fr(), c.cpl);
    EXPECT_EQ(gr(1), Word(c.a).text());
    EXPECT_EQ(gr(2), Word(c.b).text());
  }
}

TEST_F(LogicalInstruction, CpaIsSignedAndCplUnsignedInAddressForm) {
  setGr(2, 0x0010);
  for (const auto& c : compareCases) {
    SCOPED_TRACE(Word(c.a).text() + " " + Word(c.b).text());
    setGr(1, c.a);
    setWord(0x50, c.b);
    place(0, 0x4012, 0x0040);  // CPA GR1,#40,GR2
    execute();
    EXPECT_EQ(fr(), c.cpa);
    place(0, 0x4112, 0x0040);  // CPL GR1,#40,GR2
    execute();
    EXPECT_EQ(fr(), c.cpl);
  }
}

TEST_F(LogicalInstruction, CompareOperandsAreSignedForCpaAndUnsignedForCpl) {
  // FFFF is -1 to CPA and 65535 to CPL: 0 is greater than the one, less
  // than the other.
  setGr(1, 0x0000);
  setGr(2, 0xFFFF);
  place(0, 0x4412);
  execute();
  EXPECT_EQ(fr(), "000");
  place(0, 0x4512);
  execute();
  EXPECT_EQ(fr(), "010");
  // A blank word is 0 to both.
  m.memory[100] = Word::blank();
  place(0, 0x4010, 100);
  execute();
  EXPECT_EQ(fr(), "001");
  place(0, 0x4110, 100);
  execute();
  EXPECT_EQ(fr(), "001");
}

TEST_F(LogicalInstruction, CompareOfARegisterWithItselfIsEqual) {
  setGr(5, 0x8000);
  place(0, 0x4455);
  execute();
  EXPECT_EQ(fr(), "001");
  place(0, 0x4555);
  execute();
  EXPECT_EQ(fr(), "001");
  EXPECT_EQ(gr(5), "8000");
  EXPECT_EQ(m.registers[5].signedValue(), -32768);
}

TEST_F(LogicalInstruction, CompareWithABadRegisterDigitChangesNothing) {
  setGr(1, 0x0005);
  setFr("100");
  for (std::uint16_t code : {0x4418, 0x451C, 0x4481, 0x4581}) {  // bad r2, then bad r1
    SCOPED_TRACE(code);
    place(0, code);
    const Snapshot before(m);
    execute();
    EXPECT_TRUE(Snapshot(m) == before);
  }
}

}  // namespace
}  // namespace casl2wb::instructiontest
