// LD, ST, LAD and the effective address.
#include <string>
#include <vector>

#include "instruction_fixture.h"
#include "instructions/load_store.h"

namespace casl2wb::instructiontest {
namespace {

class LoadStoreInstruction : public InstructionFixture {};

TEST_F(LoadStoreInstruction, EffectiveAddressAddsOnlyGr1ToGr7) {
  setGr(3, 0xFFFF);
  setGr(0, 0x0005);
  struct Case {
    std::uint16_t word, adr;
    std::int64_t eff;
  };
  const std::vector<Case> cases = {
      {0x1010, 0x0002, 2},       // no index
      {0x1013, 0x0002, 1},       // GR3 = -1
      {0x1013, 0x8000, -32769},  // not reduced modulo 65536
      {0x1018, 0x0002, 2},       // 8 to F: no index register
      {0x101A, 0x0002, 2},      {0x101F, 0x0002, 2},
  };
  for (const auto& c : cases) {
    place(0, c.word, c.adr);
    EXPECT_EQ(effectiveAddress(m), c.eff) << std::hex << c.word << " " << c.adr;
  }
  setGr(7, 0x7FFF);
  place(0, 0x1017, 0x7FFF);
  EXPECT_EQ(effectiveAddress(m), 65534);
}

TEST_F(LoadStoreInstruction, LdSetsSignAndZeroButNeverOverflow) {
  struct Case {
    std::uint16_t value;
    std::string fr;
    std::int32_t signedValue;
  };
  for (const auto& c : std::vector<Case>{{0x8000, "010", -32768},
                                         {0x0000, "001", 0},
                                         {0x7FFF, "000", 32767},
                                         {0xFFFF, "010", -1}}) {
    setWord(100, c.value);
    place(0, 0x1010, 100);
    m.frText = "100";
    ld2(m);
    EXPECT_EQ(gr(1), MemoryWord::hex(c.value).text());
    EXPECT_EQ(m.grValue[1], c.signedValue);
    EXPECT_EQ(m.accum, c.signedValue);
    EXPECT_EQ(m.frText, c.fr);
  }
}

TEST_F(LoadStoreInstruction, LdOfABlankWordCopiesTheBlanks) {
  memory.write(100, MemoryWord::blank());
  setGr(1, 0x1234);
  place(0, 0x1010, 100);
  ld2(m);
  EXPECT_EQ(gr(1), "    ");
  EXPECT_EQ(m.grValue[1], 0);
  EXPECT_EQ(m.frText, "001");
}

TEST_F(LoadStoreInstruction, LdWithIndexReadsAdrPlusTheRegister) {
  setGr(3, 0xFFFF);
  setWord(1, 0x0042);
  setWord(2, 0x0099);
  place(10, 0x1013, 0x0002);
  ld2(m);
  EXPECT_EQ(gr(1), "0042");
}

TEST_F(LoadStoreInstruction, LdRegisterFormCopiesTheWord) {
  setGr(2, 0x8001);
  place(0, 0x1412);
  ld1(m);
  EXPECT_EQ(gr(1), "8001");
  EXPECT_EQ(m.grValue[1], -32767);
  EXPECT_EQ(m.frText, "010");

  place(0, 0x1422);  // LD GR2,GR2: only FR changes
  m.frText = "001";
  ld1(m);
  EXPECT_EQ(gr(2), "8001");
  EXPECT_EQ(m.grValue[2], -32767);
  EXPECT_EQ(m.frText, "010");

  setGr(5, 0);
  place(0, 0x1455);
  ld1(m);
  EXPECT_EQ(m.frText, "001");
}

TEST_F(LoadStoreInstruction, StWritesTextAndValueAndLeavesFr) {
  place(0, 0x1200, 0x1234);  // LAD GR0,#1234
  lad2(m);
  place(2, 0x1100, 50);  // ST GR0,50
  m.frText = "010";
  m.accum = 77;
  m.memoryChanged = false;
  st2(m);
  EXPECT_TRUE(m.memoryChanged);
  EXPECT_EQ(word(50), "1234");
  EXPECT_EQ(memory.memValue[50], 0x1234);
  EXPECT_EQ(m.frText, "010");
  EXPECT_EQ(m.accum, 77);

  setGr(7, 0xFFFE);
  setGr(2, 0x0010);
  place(4, 0x1172, 40);  // ST GR7,40,GR2
  st2(m);
  EXPECT_EQ(word(56), "FFFE");
  EXPECT_EQ(memory.memValue[56], -2);
}

TEST_F(LoadStoreInstruction, LadAddsWithoutTouchingFrAndWraps) {
  setGr(1, 0x0010);
  m.frText = "101";
  m.accum = 9;
  place(0, 0x1211, 5);  // LAD GR1,5,GR1
  lad2(m);
  EXPECT_EQ(gr(1), "0015");
  EXPECT_EQ(m.grValue[1], 0x15);
  EXPECT_EQ(m.frText, "101");
  EXPECT_EQ(m.accum, 9);

  setGr(2, 0x0002);
  place(0, 0x1212, 0xFFFF);  // LAD GR1,#FFFF,GR2
  lad2(m);
  EXPECT_EQ(gr(1), "0001");
  EXPECT_EQ(m.grValue[1], 1);

  setGr(2, 0x8000);
  place(0, 0x1212, 0x8000);
  lad2(m);
  EXPECT_EQ(gr(1), "0000");
  EXPECT_EQ(m.grValue[1], 0);

  setGr(2, 0x7FFF);
  place(0, 0x1212, 0x0001);
  lad2(m);
  EXPECT_EQ(gr(1), "8000");
  EXPECT_EQ(m.grValue[1], -32768);
}

TEST_F(LoadStoreInstruction, LadWithoutIndexCopiesTheAdrWordAsStored) {
  place(0, 0x1230, 0xFFFF);
  lad2(m);
  EXPECT_EQ(gr(3), "FFFF");
  EXPECT_EQ(m.grValue[3], -1);

  memory.write(1, MemoryWord::blank());
  lad2(m);
  EXPECT_EQ(gr(3), "    ");
  EXPECT_EQ(m.grValue[3], 0);

  setGr(0, 0x0100);
  place(0, 0x1230, 0x0005);  // index digit 0: no index, GR0 is not added
  lad2(m);
  EXPECT_EQ(gr(3), "0005");
}

TEST_F(LoadStoreInstruction, IndexDigits8ToFMeanNoIndexRegister) {
  setWord(100, 0x0777);
  setGr(1, 0x0003);
  for (std::uint16_t x = 8; x <= 15; ++x) {
    place(0, static_cast<std::uint16_t>(0x1020 | x), 100);
    ld2(m);
    EXPECT_EQ(gr(2), "0777") << x;
    place(0, static_cast<std::uint16_t>(0x1230 | x), 0x8000);
    lad2(m);
    EXPECT_EQ(gr(3), "8000") << x;
  }
}

TEST_F(LoadStoreInstruction, RegisterDigitsOutside0To7ChangeNothing) {
  setWord(100, 0x0777);
  setGr(2, 0x1234);
  m.frText = "100";
  for (std::uint16_t r = 8; r <= 15; ++r) {
    const auto rx = static_cast<std::uint16_t>(r << 4);
    const Snapshot before(m);
    place(0, static_cast<std::uint16_t>(0x1000 | rx), 100);
    ld2(m);
    place(0, static_cast<std::uint16_t>(0x1100 | rx), 100);
    st2(m);
    place(0, static_cast<std::uint16_t>(0x1200 | rx), 100);
    lad2(m);
    place(0, static_cast<std::uint16_t>(0x1402 | rx));
    ld1(m);
    // Only the instruction words placed at 0 and 1 differ.
    Snapshot after(m);
    after.memText[0] = before.memText[0];
    after.memText[1] = before.memText[1];
    after.memValue[0] = before.memValue[0];
    after.memValue[1] = before.memValue[1];
    EXPECT_TRUE(after == before) << r;
  }
  place(0, 0x1428);  // LD GR2,r2 with r2 digit 8
  ld1(m);
  EXPECT_EQ(gr(2), "1234");
  EXPECT_EQ(m.frText, "100");
}

TEST_F(LoadStoreInstruction, NoAccessOutsideTheMemoryImage) {
  setGr(1, 0x1234);
  m.frText = "100";
  // An effective address beyond 3000 or below 0 is neither read nor written.
  place(0, 0x1010, 0x7FFF);
  ld2(m);
  place(0, 0x1110, 0xFFFF);
  st2(m);
  EXPECT_EQ(gr(1), "1234");
  EXPECT_EQ(m.frText, "100");
  // An instruction in the last cell has no address word.
  place(MemoryImage::lastAddress, 0x1010);
  ld2(m);
  lad2(m);
  place(MemoryImage::lastAddress, 0x1110);
  st2(m);
  EXPECT_EQ(gr(1), "1234");
  EXPECT_EQ(m.frText, "100");
}

}  // namespace
}  // namespace casl2wb::instructiontest
