// ADDA, SUBA, ADDL, SUBL in both forms: result words, true results and FR.
#include <string>
#include <vector>

#include "instruction_fixture.h"

namespace casl2wb::instructiontest {
namespace {

class ArithmeticInstruction : public InstructionFixture {};

struct Case {
  const char* name;
  std::uint16_t registerCode;  // the word "c12" for GR1,GR2
  std::uint16_t addressCode;   // the word "c10" for GR1,adr
  std::uint16_t a, b;
  std::string result;
  std::string fr;
  std::int64_t trueResult;  // the sum or difference before it is cut to a word
};

const std::vector<Case>& cases() {
  static const std::vector<Case> all = {
      {"ADDA 7FFF+1", 0x2412, 0x2010, 0x7FFF, 0x0001, "8000", "110", 32768},
      {"ADDA 8000+1", 0x2412, 0x2010, 0x8000, 0x0001, "8001", "010", -32767},
      {"ADDA 8000+FFFF", 0x2412, 0x2010, 0x8000, 0xFFFF, "7FFF", "100", -32769},
      {"ADDA 8000+8000", 0x2412, 0x2010, 0x8000, 0x8000, "0000", "101", -65536},
      {"ADDA 7FFF+7FFF", 0x2412, 0x2010, 0x7FFF, 0x7FFF, "FFFE", "110", 65534},
      {"ADDA FFFF+1", 0x2412, 0x2010, 0xFFFF, 0x0001, "0000", "001", 0},
      {"ADDA 1+2", 0x2412, 0x2010, 0x0001, 0x0002, "0003", "000", 3},
      {"SUBA 8000-1", 0x2512, 0x2110, 0x8000, 0x0001, "7FFF", "100", -32769},
      {"SUBA 5-5", 0x2512, 0x2110, 0x0005, 0x0005, "0000", "001", 0},
      {"SUBA 7FFF-FFFF", 0x2512, 0x2110, 0x7FFF, 0xFFFF, "8000", "110", 32768},
      {"SUBA 8000-7FFF", 0x2512, 0x2110, 0x8000, 0x7FFF, "0001", "100", -65535},
      {"SUBA 1-2", 0x2512, 0x2110, 0x0001, 0x0002, "FFFF", "010", -1},
      {"ADDL FFFF+1", 0x2612, 0x2210, 0xFFFF, 0x0001, "0000", "101", 65536},
      {"ADDL 8000+1", 0x2612, 0x2210, 0x8000, 0x0001, "8001", "010", 32769},
      {"ADDL 7FFF+1", 0x2612, 0x2210, 0x7FFF, 0x0001, "8000", "010", 32768},
      {"ADDL FFFF+FFFF", 0x2612, 0x2210, 0xFFFF, 0xFFFF, "FFFE", "110", 131070},
      {"ADDL 0+0", 0x2612, 0x2210, 0x0000, 0x0000, "0000", "001", 0},
      {"SUBL 0-1", 0x2712, 0x2310, 0x0000, 0x0001, "FFFF", "110", -1},
      {"SUBL 8000-1", 0x2712, 0x2310, 0x8000, 0x0001, "7FFF", "000", 32767},
      {"SUBL 1-FFFF", 0x2712, 0x2310, 0x0001, 0xFFFF, "0002", "100", -65534},
      {"SUBL FFFF-1", 0x2712, 0x2310, 0xFFFF, 0x0001, "FFFE", "010", 65534},
      {"SUBL FFFF-FFFF", 0x2712, 0x2310, 0xFFFF, 0xFFFF, "0000", "001", 0},
  };
  return all;
}

OverflowRule ruleOf(std::uint16_t code) {
  const Action action = instructionWithCode(code >> 8)->action;
  return action == Action::AddArithmetic || action == Action::SubtractArithmetic
             ? OverflowRule::Arithmetic
             : OverflowRule::Logical;
}

TEST_F(ArithmeticInstruction, RegisterFormsGiveTheResultWordAndFlags) {
  for (const auto& c : cases()) {
    SCOPED_TRACE(c.name);
    setGr(1, c.a);
    setGr(2, c.b);
    setFr("111");
    place(0, c.registerCode);
    execute();
    EXPECT_EQ(gr(1), c.result);
    EXPECT_EQ(m.registers[1].signedValue(),
              static_cast<std::int16_t>(std::stoi(c.result, nullptr, 16)));
    EXPECT_EQ(fr(), c.fr);
    EXPECT_EQ(gr(2), Word(c.b).text());
  }
}

TEST_F(ArithmeticInstruction, AddressFormsGiveTheSameAsRegisterForms) {
  for (const auto& c : cases()) {
    SCOPED_TRACE(c.name);
    setGr(1, c.a);
    setWord(100, c.b);
    setFr("111");
    place(0, c.addressCode, 100);
    execute();
    EXPECT_EQ(gr(1), c.result);
    EXPECT_EQ(fr(), c.fr);
    EXPECT_EQ(word(100), Word(c.b).text());
  }
}

TEST_F(ArithmeticInstruction, TheTrueResultGivesTheWordAndTheFlags) {
  for (const auto& c : cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Word::of(c.trueResult).text(), c.result);
    EXPECT_EQ(flagsOfResult(c.trueResult, ruleOf(c.registerCode)).text(), c.fr);
    EXPECT_EQ(ruleOf(c.registerCode), ruleOf(c.addressCode));
  }
}

TEST_F(ArithmeticInstruction, SecondAddaAfterOverflowHasNoOverflow) {
  setGr(1, 0x7FFF);
  setGr(2, 0x0001);
  place(0, 0x2412);
  execute();
  EXPECT_EQ(gr(1), "8000");
  EXPECT_EQ(fr(), "110");
  execute();
  EXPECT_EQ(gr(1), "8001");
  EXPECT_EQ(m.registers[1].signedValue(), -32767);
  EXPECT_EQ(fr(), "010");
}

TEST_F(ArithmeticInstruction, SubtractingARegisterFromItselfGivesZero) {
  setGr(4, 0x8000);
  place(0, 0x2544);
  execute();
  EXPECT_EQ(gr(4), "0000");
  EXPECT_EQ(fr(), "001");
  setGr(4, 0xFFFF);
  place(0, 0x2744);
  execute();
  EXPECT_EQ(gr(4), "0000");
  EXPECT_EQ(fr(), "001");
}

TEST_F(ArithmeticInstruction, AddlCarriesWhicheverInstructionSetTheRegister) {
  setWord(100, 0xFFFF);
  setGr(2, 0x0001);
  struct Setter {
    const char* name;
    std::uint16_t word;
    std::optional<std::uint16_t> address;
  };
  for (const Setter& setter :
       {Setter{"LD GR1,100", 0x1010, 100}, Setter{"LAD GR1,#FFFF", 0x1210, 0xFFFF},
        Setter{"OR GR1,GR3", 0x3513, std::nullopt}}) {
    SCOPED_TRACE(setter.name);
    setGr(1, 0);
    setGr(3, 0xFFFF);
    place(10, setter.word, setter.address);
    execute();
    ASSERT_EQ(gr(1), "FFFF");
    place(0, 0x2612);
    execute();
    EXPECT_EQ(gr(1), "0000");
    EXPECT_EQ(fr(), "101");
  }
}

TEST_F(ArithmeticInstruction, IndexedOperandIsTheWordAtAdrPlusIndex) {
  setGr(1, 0x0010);
  setGr(2, 0x0003);
  setWord(0x20, 0x0100);
  setWord(0x23, 0x0005);
  place(0, 0x2012, 0x0020);  // ADDA GR1,#20,GR2
  execute();
  EXPECT_EQ(gr(1), "0015");
  EXPECT_EQ(gr(2), "0003");
}

TEST_F(ArithmeticInstruction, BlankWordCountsAsZeroInBothReadings) {
  m.memory[100] = Word::blank();
  for (std::uint16_t code : {0x2010, 0x2110, 0x2210, 0x2310}) {
    SCOPED_TRACE(code);
    setGr(1, 0x8000);
    place(0, code, 100);
    execute();
    EXPECT_EQ(gr(1), "8000");
    EXPECT_EQ(fr(), "010");
  }
}

TEST_F(ArithmeticInstruction, BadRegisterDigitsChangeNothing) {
  setGr(1, 0x0001);
  setWord(100, 0x0001);
  setFr("100");
  for (std::uint16_t code : {0x2418, 0x251F, 0x261A, 0x2719,     // bad r2
                             0x2481, 0x25F1, 0x2080, 0x23C0}) {  // bad r / r1
    SCOPED_TRACE(code);
    place(0, code, 100);
    const Snapshot before(m);
    execute();
    EXPECT_TRUE(Snapshot(m) == before);
  }
}

TEST_F(ArithmeticInstruction, IndexDigit8ToFInAnAddressFormAddsNoIndex) {
  setGr(1, 0x0001);
  setWord(100, 0x0002);
  place(0, 0x201B, 100);  // ADDA GR1,100 with index digit B
  execute();
  EXPECT_EQ(gr(1), "0003");
}

}  // namespace
}  // namespace casl2wb::instructiontest
