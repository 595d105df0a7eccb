// LD, ST, LAD and the effective address.
#include <string>
#include <vector>

#include "instruction_fixture.h"

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

TEST_F(LoadStoreInstruction, IndexRegistersAreOneToSeven) {
  EXPECT_FALSE(indexRegisterOf(0).has_value());
  for (int x = 1; x <= 7; ++x) EXPECT_EQ(indexRegisterOf(x), x);
  for (int x = 8; x <= 15; ++x) EXPECT_FALSE(indexRegisterOf(x).has_value()) << x;
  for (int r = 0; r <= 7; ++r) EXPECT_EQ(registerOf(r), r);
  for (int r = 8; r <= 15; ++r) EXPECT_FALSE(registerOf(r).has_value()) << r;
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
    setFr("100");
    execute();
    EXPECT_EQ(gr(1), Word(c.value).text());
    EXPECT_EQ(m.registers[1].signedValue(), c.signedValue);
    EXPECT_EQ(fr(), c.fr);
  }
}

TEST_F(LoadStoreInstruction, LdOfABlankWordCopiesTheBlanks) {
  m.memory[100] = Word::blank();
  setGr(1, 0x1234);
  place(0, 0x1010, 100);
  execute();
  EXPECT_EQ(gr(1), "    ");
  EXPECT_EQ(m.registers[1].signedValue(), 0);
  EXPECT_EQ(fr(), "001");
}

TEST_F(LoadStoreInstruction, LdWithIndexReadsAdrPlusTheRegister) {
  setGr(3, 0xFFFF);
  setWord(1, 0x0042);
  setWord(2, 0x0099);
  place(10, 0x1013, 0x0002);
  execute();
  EXPECT_EQ(gr(1), "0042");
}

TEST_F(LoadStoreInstruction, LdRegisterFormCopiesTheWord) {
  setGr(2, 0x8001);
  place(0, 0x1412);
  execute();
  EXPECT_EQ(gr(1), "8001");
  EXPECT_EQ(m.registers[1].signedValue(), -32767);
  EXPECT_EQ(fr(), "010");

  place(0, 0x1422);  // LD GR2,GR2: only FR changes
  setFr("001");
  execute();
  EXPECT_EQ(gr(2), "8001");
  EXPECT_EQ(m.registers[2].signedValue(), -32767);
  EXPECT_EQ(fr(), "010");

  setGr(5, 0);
  place(0, 0x1455);
  execute();
  EXPECT_EQ(fr(), "001");
}

TEST_F(LoadStoreInstruction, StWritesTheWordMarksTheMemoryChangedAndLeavesFr) {
  place(0, 0x1200, 0x1234);  // LAD GR0,#1234
  execute();
  place(2, 0x1100, 50);  // ST GR0,50
  setFr("010");
  m.recordStep();  // history row 1: the memory before the ST
  execute();
  m.recordStep();  // history row 2: a fresh copy after it
  EXPECT_EQ(word(50), "1234");
  EXPECT_EQ(m.memory[50].signedValue(), 0x1234);
  EXPECT_EQ(m.memoryRow(1)[50].text(), "");
  EXPECT_EQ(m.memoryRow(2)[50].text(), "1234");
  EXPECT_EQ(fr(), "010");

  setGr(7, 0xFFFE);
  setGr(2, 0x0010);
  place(4, 0x1172, 40);  // ST GR7,40,GR2
  execute();
  EXPECT_EQ(word(56), "FFFE");
  EXPECT_EQ(m.memory[56].signedValue(), -2);
}

TEST_F(LoadStoreInstruction, LadAddsWithoutTouchingFrAndWraps) {
  setGr(1, 0x0010);
  setFr("101");
  place(0, 0x1211, 5);  // LAD GR1,5,GR1
  execute();
  EXPECT_EQ(gr(1), "0015");
  EXPECT_EQ(m.registers[1].signedValue(), 0x15);
  EXPECT_EQ(fr(), "101");

  setGr(2, 0x0002);
  place(0, 0x1212, 0xFFFF);  // LAD GR1,#FFFF,GR2
  execute();
  EXPECT_EQ(gr(1), "0001");
  EXPECT_EQ(m.registers[1].signedValue(), 1);

  setGr(2, 0x8000);
  place(0, 0x1212, 0x8000);
  execute();
  EXPECT_EQ(gr(1), "0000");
  EXPECT_EQ(m.registers[1].signedValue(), 0);

  setGr(2, 0x7FFF);
  place(0, 0x1212, 0x0001);
  execute();
  EXPECT_EQ(gr(1), "8000");
  EXPECT_EQ(m.registers[1].signedValue(), -32768);
  EXPECT_EQ(fr(), "101");
}

TEST_F(LoadStoreInstruction, LadWithoutIndexCopiesTheAdrWordAsStored) {
  place(0, 0x1230, 0xFFFF);
  execute();
  EXPECT_EQ(gr(3), "FFFF");
  EXPECT_EQ(m.registers[3].signedValue(), -1);

  m.memory[1] = Word::blank();
  execute();
  EXPECT_EQ(gr(3), "    ");
  EXPECT_EQ(m.registers[3].signedValue(), 0);

  setGr(0, 0x0100);
  place(0, 0x1230, 0x0005);  // index digit 0: no index, GR0 is not added
  execute();
  EXPECT_EQ(gr(3), "0005");
}

TEST_F(LoadStoreInstruction, IndexDigits8ToFMeanNoIndexRegister) {
  setWord(100, 0x0777);
  setGr(1, 0x0003);
  for (std::uint16_t x = 8; x <= 15; ++x) {
    place(0, static_cast<std::uint16_t>(0x1020 | x), 100);
    execute();
    EXPECT_EQ(gr(2), "0777") << x;
    place(0, static_cast<std::uint16_t>(0x1230 | x), 0x8000);
    execute();
    EXPECT_EQ(gr(3), "8000") << x;
  }
}

TEST_F(LoadStoreInstruction, RegisterDigitsOutside0To7ChangeNothing) {
  setWord(100, 0x0777);
  setGr(2, 0x1234);
  setFr("100");
  for (std::uint16_t r = 8; r <= 15; ++r) {
    const auto rx = static_cast<std::uint16_t>(r << 4);
    const Snapshot before(m);
    place(0, static_cast<std::uint16_t>(0x1000 | rx), 100);
    execute();
    place(0, static_cast<std::uint16_t>(0x1100 | rx), 100);
    execute();
    place(0, static_cast<std::uint16_t>(0x1200 | rx), 100);
    execute();
    place(0, static_cast<std::uint16_t>(0x1402 | rx));
    execute();
    // Only the instruction words placed at 0 and 1 differ.
    Snapshot after(m);
    after.memory[0] = before.memory[0];
    after.memory[1] = before.memory[1];
    EXPECT_TRUE(after == before) << r;
  }
  place(0, 0x1428);  // LD GR2,r2 with r2 digit 8
  execute();
  EXPECT_EQ(gr(2), "1234");
  EXPECT_EQ(fr(), "100");
}

TEST_F(LoadStoreInstruction, NoAccessOutsideTheMemoryImage) {
  setGr(1, 0x1234);
  setFr("100");
  // An effective address beyond 3000 or below 0 is neither read nor written.
  place(0, 0x1010, 0x7FFF);
  execute();
  place(0, 0x1110, 0xFFFF);
  execute();
  EXPECT_EQ(gr(1), "1234");
  EXPECT_EQ(fr(), "100");
  // An instruction in the last cell has no address word.
  const Snapshot before(m);
  place(MemoryImage::lastAddress, 0x1010);
  execute();
  place(MemoryImage::lastAddress, 0x1210);
  execute();
  place(MemoryImage::lastAddress, 0x1110);
  execute();
  EXPECT_EQ(gr(1), "1234");
  EXPECT_EQ(fr(), "100");
  Snapshot after(m);
  after.memory[MemoryImage::lastAddress] = before.memory[MemoryImage::lastAddress];
  EXPECT_TRUE(after == before);
}

}  // namespace
}  // namespace casl2wb::instructiontest
