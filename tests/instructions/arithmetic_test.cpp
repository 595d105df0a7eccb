// ADDA, SUBA, ADDL, SUBL in both forms: result words, true results and FR.
#include <functional>
#include <string>
#include <vector>

#include "instruction_fixture.h"
#include "instructions/arithmetic.h"
#include "instructions/load_store.h"
#include "instructions/logical.h"

namespace casl2wb::instructiontest {
namespace {

class ArithmeticInstruction : public InstructionFixture {};

using Handler = std::function<void(MachineState&)>;

struct Case {
  const char* name;
  Handler registerForm;        // r1,r2 with code registerCode
  std::uint16_t registerCode;  // the word "c12" for GR1,GR2
  Handler addressForm;         // r,adr,x with code addressCode
  std::uint16_t addressCode;   // the word "c10" for GR1,adr
  std::uint16_t a, b;
  std::string result;
  std::string fr;
  std::int64_t trueResult;
};

const std::vector<Case>& cases() {
  static const std::vector<Case> all = {
      {"ADDA 7FFF+1", adda1, 0x2412, adda2, 0x2010, 0x7FFF, 0x0001, "8000", "110", 32768},
      {"ADDA 8000+1", adda1, 0x2412, adda2, 0x2010, 0x8000, 0x0001, "8001", "010", -32767},
      {"ADDA 8000+FFFF", adda1, 0x2412, adda2, 0x2010, 0x8000, 0xFFFF, "7FFF", "100", -32769},
      {"ADDA 8000+8000", adda1, 0x2412, adda2, 0x2010, 0x8000, 0x8000, "0000", "101", -65536},
      {"ADDA 7FFF+7FFF", adda1, 0x2412, adda2, 0x2010, 0x7FFF, 0x7FFF, "FFFE", "110", 65534},
      {"ADDA FFFF+1", adda1, 0x2412, adda2, 0x2010, 0xFFFF, 0x0001, "0000", "001", 0},
      {"ADDA 1+2", adda1, 0x2412, adda2, 0x2010, 0x0001, 0x0002, "0003", "000", 3},
      {"SUBA 8000-1", suba1, 0x2512, SUBA2, 0x2110, 0x8000, 0x0001, "7FFF", "100", -32769},
      {"SUBA 5-5", suba1, 0x2512, SUBA2, 0x2110, 0x0005, 0x0005, "0000", "001", 0},
      {"SUBA 7FFF-FFFF", suba1, 0x2512, SUBA2, 0x2110, 0x7FFF, 0xFFFF, "8000", "110", 32768},
      {"SUBA 8000-7FFF", suba1, 0x2512, SUBA2, 0x2110, 0x8000, 0x7FFF, "0001", "100", -65535},
      {"SUBA 1-2", suba1, 0x2512, SUBA2, 0x2110, 0x0001, 0x0002, "FFFF", "010", -1},
      {"ADDL FFFF+1", addl1, 0x2612, addl2, 0x2210, 0xFFFF, 0x0001, "0000", "101", 65536},
      {"ADDL 8000+1", addl1, 0x2612, addl2, 0x2210, 0x8000, 0x0001, "8001", "010", 32769},
      {"ADDL 7FFF+1", addl1, 0x2612, addl2, 0x2210, 0x7FFF, 0x0001, "8000", "010", 32768},
      {"ADDL FFFF+FFFF", addl1, 0x2612, addl2, 0x2210, 0xFFFF, 0xFFFF, "FFFE", "110", 131070},
      {"ADDL 0+0", addl1, 0x2612, addl2, 0x2210, 0x0000, 0x0000, "0000", "001", 0},
      {"SUBL 0-1", subl1, 0x2712, subl2, 0x2310, 0x0000, 0x0001, "FFFF", "110", -1},
      {"SUBL 8000-1", subl1, 0x2712, subl2, 0x2310, 0x8000, 0x0001, "7FFF", "000", 32767},
      {"SUBL 1-FFFF", subl1, 0x2712, subl2, 0x2310, 0x0001, 0xFFFF, "0002", "100", -65534},
      {"SUBL FFFF-1", subl1, 0x2712, subl2, 0x2310, 0xFFFF, 0x0001, "FFFE", "010", 65534},
      {"SUBL FFFF-FFFF", subl1, 0x2712, subl2, 0x2310, 0xFFFF, 0xFFFF, "0000", "001", 0},
  };
  return all;
}

TEST_F(ArithmeticInstruction, RegisterFormsGiveTheResultWordAndFlags) {
  for (const auto& c : cases()) {
    setGr(1, c.a);
    setGr(2, c.b);
    m.frText = "111";
    place(0, c.registerCode);
    c.registerForm(m);
    EXPECT_EQ(gr(1), c.result) << c.name;
    EXPECT_EQ(m.grValue[1], static_cast<std::int16_t>(std::stoi(c.result, nullptr, 16))) << c.name;
    EXPECT_EQ(m.frText, c.fr) << c.name;
    EXPECT_EQ(m.accum, c.trueResult) << c.name;
    EXPECT_EQ(gr(2), MemoryWord::hex(c.b).text()) << c.name;
  }
}

TEST_F(ArithmeticInstruction, AddressFormsGiveTheSameAsRegisterForms) {
  for (const auto& c : cases()) {
    setGr(1, c.a);
    setWord(100, c.b);
    m.frText = "111";
    place(0, c.addressCode, 100);
    c.addressForm(m);
    EXPECT_EQ(gr(1), c.result) << c.name;
    EXPECT_EQ(m.frText, c.fr) << c.name;
    EXPECT_EQ(m.accum, c.trueResult) << c.name;
    EXPECT_EQ(word(100), MemoryWord::hex(c.b).text()) << c.name;
  }
}

TEST_F(ArithmeticInstruction, SecondAddaAfterOverflowHasNoOverflow) {
  setGr(1, 0x7FFF);
  setGr(2, 0x0001);
  place(0, 0x2412);
  adda1(m);
  EXPECT_EQ(gr(1), "8000");
  EXPECT_EQ(m.frText, "110");
  adda1(m);
  EXPECT_EQ(gr(1), "8001");
  EXPECT_EQ(m.grValue[1], -32767);
  EXPECT_EQ(m.frText, "010");
}

TEST_F(ArithmeticInstruction, SubtractingARegisterFromItselfGivesZero) {
  setGr(4, 0x8000);
  place(0, 0x2544);
  suba1(m);
  EXPECT_EQ(gr(4), "0000");
  EXPECT_EQ(m.frText, "001");
  setGr(4, 0xFFFF);
  place(0, 0x2744);
  subl1(m);
  EXPECT_EQ(gr(4), "0000");
  EXPECT_EQ(m.frText, "001");
}

TEST_F(ArithmeticInstruction, AddlCarriesWhicheverInstructionSetTheRegister) {
  setWord(100, 0xFFFF);
  setGr(2, 0x0001);
  const std::vector<std::function<void()>> setters = {
      [&] {  // LD GR1,100
        place(10, 0x1010, 100);
        ld2(m);
      },
      [&] {  // LAD GR1,#FFFF
        place(10, 0x1210, 0xFFFF);
        lad2(m);
      },
      [&] {  // OR GR1,GR3
        setGr(3, 0xFFFF);
        place(10, 0x3513);
        acclogen1(m);
      },
  };
  for (std::size_t i = 0; i < setters.size(); ++i) {
    setGr(1, 0);
    setters[i]();
    ASSERT_EQ(gr(1), "FFFF") << i;
    place(0, 0x2612);
    addl1(m);
    EXPECT_EQ(gr(1), "0000") << i;
    EXPECT_EQ(m.frText, "101") << i;
  }
}

TEST_F(ArithmeticInstruction, IndexedOperandIsTheWordAtAdrPlusIndex) {
  setGr(1, 0x0010);
  setGr(2, 0x0003);
  setWord(0x20, 0x0100);
  setWord(0x23, 0x0005);
  place(0, 0x2012, 0x0020);  // ADDA GR1,#20,GR2
  adda2(m);
  EXPECT_EQ(gr(1), "0015");
  EXPECT_EQ(gr(2), "0003");
}

TEST_F(ArithmeticInstruction, BlankWordCountsAsZeroInBothReadings) {
  memory.write(100, MemoryWord::blank());
  for (std::uint16_t code : {0x2010, 0x2110, 0x2210, 0x2310}) {
    setGr(1, 0x8000);
    place(0, code, 100);
    switch (code) {
      case 0x2010:
        adda2(m);
        break;
      case 0x2110:
        SUBA2(m);
        break;
      case 0x2210:
        addl2(m);
        break;
      default:
        subl2(m);
        break;
    }
    EXPECT_EQ(gr(1), "8000") << std::hex << code;
    EXPECT_EQ(m.frText, "010") << std::hex << code;
  }
}

TEST_F(ArithmeticInstruction, BadRegisterDigitsChangeNothing) {
  setGr(1, 0x0001);
  setWord(100, 0x0001);
  m.frText = "100";
  m.accum = 42;
  const std::vector<std::pair<Handler, std::uint16_t>> calls = {
      {adda1, 0x2418}, {suba1, 0x251F}, {addl1, 0x261A}, {subl1, 0x2719},  // bad r2
      {adda1, 0x2481}, {suba1, 0x25F1}, {adda2, 0x2080}, {subl2, 0x23C0},  // bad r / r1
  };
  for (const auto& [handler, code] : calls) {
    place(0, code, 100);
    const Snapshot before(m);
    handler(m);
    EXPECT_TRUE(Snapshot(m) == before) << std::hex << code;
  }
}

TEST_F(ArithmeticInstruction, IndexDigit8ToFInAnAddressFormAddsNoIndex) {
  setGr(1, 0x0001);
  setWord(100, 0x0002);
  place(0, 0x201B, 100);  // ADDA GR1,100 with index digit B
  adda2(m);
  EXPECT_EQ(gr(1), "0003");
}

}  // namespace
}  // namespace casl2wb::instructiontest
