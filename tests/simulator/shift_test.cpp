// SLA, SRA, SLL, SRL: result words, the last bit out, counts of every size.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "instruction_fixture.h"

namespace casl2wb::instructiontest {
namespace {

class ShiftInstruction : public InstructionFixture {
 protected:
  // Shifts GR1 holding `value` by `count` with the instruction "c" "10".
  void shiftGr1(std::uint16_t code, std::uint16_t value, std::uint16_t count) {
    setGr(1, value);
    place(0, static_cast<std::uint16_t>(code << 8 | 0x10), count);
    execute();
  }
};

// The shift of a word by a count that no address word can hold.
ShiftResult shiftBy(std::uint16_t code, std::uint16_t value, std::int64_t count) {
  return shiftBits(value, count, instructionWithCode(code)->action);
}

constexpr std::uint16_t SLA = 0x50, SRA = 0x51, SLL = 0x52, SRL = 0x53;

struct EdgeCase {
  std::uint16_t code, value, count;
  std::string result, fr;
};

TEST_F(ShiftInstruction, EdgeCases) {
  const std::vector<EdgeCase> cases = {
      {SLA, 0x4001, 1, "0002", "100"},  // bit 14 leaves
      {SLA, 0x2001, 2, "0004", "100"},  // bit 13 is the last out
      {SLA, 0xC000, 1, "8000", "110"},  // the sign stays
      {SLA, 0x7FFF, 15, "0000", "101"},  {SLA, 0x7FFF, 16, "0000", "001"},
      {SLA, 0x7FFF, 100, "0000", "001"}, {SLA, 0xFFFF, 15, "8000", "110"},
      {SLA, 0x8000, 3, "8000", "010"},   {SRA, 0x8001, 1, "C000", "110"},
      {SRA, 0x8000, 15, "FFFF", "010"},  {SRA, 0x8000, 16, "FFFF", "110"},
      {SRA, 0x8000, 17, "FFFF", "110"},  {SRA, 0x8000, 0x7FFF, "FFFF", "110"},
      {SRA, 0x7FFF, 15, "0000", "101"},  {SRA, 0x7FFF, 16, "0000", "001"},
      {SRA, 0x4000, 14, "0001", "000"},  {SLL, 0x8000, 1, "0000", "101"},
      {SLL, 0x0001, 15, "8000", "010"},  {SLL, 0x0001, 16, "0000", "101"},
      {SLL, 0x0001, 17, "0000", "001"},  {SLL, 0xFFFF, 4, "FFF0", "110"},
      {SRL, 0x0001, 1, "0000", "101"},   {SRL, 0x8000, 15, "0001", "000"},
      {SRL, 0x8000, 16, "0000", "101"},  {SRL, 0x8000, 17, "0000", "001"},
      {SRL, 0xFFFF, 4, "0FFF", "100"},   {SRL, 0x8000, 1, "4000", "000"},
  };
  for (const auto& c : cases) {
    setFr("011");
    shiftGr1(c.code, c.value, c.count);
    const std::string label =
        std::to_string(c.code) + " " + Word(c.value).text() + " by " + std::to_string(c.count);
    EXPECT_EQ(gr(1), c.result) << label;
    EXPECT_EQ(m.registers[1].signedValue(),
              static_cast<std::int16_t>(std::stoi(c.result, nullptr, 16)))
        << label;
    EXPECT_EQ(m.registers[1].unsignedValue(), std::stoi(c.result, nullptr, 16)) << label;
    EXPECT_EQ(fr(), c.fr) << label;
  }
}

// The same shifts as plain integer operations: the word, and the bit that
// leaves in the last step.
struct Expected {
  std::uint16_t word;
  int out;
};

Expected reference(std::uint16_t code, std::uint16_t w, std::int64_t n) {
  if (n <= 0) return {w, 0};
  switch (code) {
    case SLA: {
      const auto moved = n >= 15 ? 0 : (w << n) & 0x7FFF;
      return {static_cast<std::uint16_t>((w & 0x8000) | moved), n <= 15 ? (w >> (15 - n)) & 1 : 0};
    }
    case SRA: {
      const auto s = static_cast<std::int16_t>(w);
      const auto word = static_cast<std::uint16_t>(s >> std::min<std::int64_t>(n, 15));
      const auto lastIn = static_cast<std::uint16_t>(s >> std::min<std::int64_t>(n - 1, 15));
      return {word, lastIn & 1};
    }
    case SLL:
      return {static_cast<std::uint16_t>(n >= 16 ? 0 : (w << n) & 0xFFFF),
              n <= 16 ? (w >> (16 - n)) & 1 : 0};
    default:  // SRL
      return {static_cast<std::uint16_t>(n >= 16 ? 0 : w >> n), n <= 16 ? (w >> (n - 1)) & 1 : 0};
  }
}

std::string frOf(const Expected& e) {
  std::string fr = "000";
  fr[0] = e.out ? '1' : '0';
  if (e.word & 0x8000) {
    fr[1] = '1';
  } else if (e.word == 0) {
    fr[2] = '1';
  }
  return fr;
}

TEST_F(ShiftInstruction, EveryCountMatchesIntegerShifts) {
  const std::vector<std::uint16_t> words = {0x0000, 0x0001, 0x8000, 0xFFFF, 0x7FFF, 0x4001,
                                            0x2001, 0xC000, 0x8001, 0xA5A5, 0x5A5A, 0x1234};
  for (std::uint16_t code : {SLA, SRA, SLL, SRL}) {
    for (std::uint16_t w : words) {
      for (std::uint16_t count = 0; count <= 40; ++count) {
        shiftGr1(code, w, count);
        const Expected e = reference(code, w, count);
        const std::string label =
            std::to_string(code) + " " + Word(w).text() + " by " + std::to_string(count);
        ASSERT_EQ(gr(1), Word(e.word).text()) << label;
        ASSERT_EQ(fr(), frOf(e)) << label;
      }
    }
  }
}

TEST_F(ShiftInstruction, CountsOf16OrMoreGiveTheWordOf16) {
  for (std::uint16_t code : {SLA, SRA, SLL, SRL}) {
    for (std::uint16_t w : {0x8001, 0x7FFF, 0xFFFF, 0x4000}) {
      shiftGr1(code, w, 16);
      const std::string word16 = gr(1);
      for (std::uint16_t count : {17, 18, 31, 32, 1000, 0x7FFF}) {
        shiftGr1(code, w, count);
        EXPECT_EQ(gr(1), word16) << code << " " << w << " " << count;
      }
    }
  }
}

TEST_F(ShiftInstruction, HugeCountsFinishAndMatchTheStepwiseResult) {
  const std::vector<std::int64_t> counts = {65534, std::int64_t{1} << 31,
                                            (std::int64_t{1} << 31) + 1,
                                            std::numeric_limits<std::int64_t>::max()};
  for (std::uint16_t code : {SLA, SRA, SLL, SRL}) {
    for (std::uint16_t w : {0x8001, 0x7FFF, 0xFFFF, 0x0001, 0x0000}) {
      for (std::int64_t count : counts) {
        const ShiftResult shifted = shiftBy(code, w, count);
        const Expected e = reference(code, w, count);
        EXPECT_EQ(Word(shifted.bits).text(), Word(e.word).text())
            << code << " " << w << " " << count;
        EXPECT_EQ(flagsOfBits(shifted.bits, shifted.lastOut).text(), frOf(e))
            << code << " " << w << " " << count;
      }
    }
  }
  // SRA keeps shifting the sign out: OF 1 for a negative word at any size.
  const ShiftResult sra = shiftBy(SRA, 0x8000, std::int64_t{1} << 31);
  EXPECT_EQ(Word(sra.bits).text(), "FFFF");
  EXPECT_EQ(flagsOfBits(sra.bits, sra.lastOut).text(), "110");
}

TEST_F(ShiftInstruction, CountFromTheIndexRegisterWithoutReadingMemory) {
  setGr(2, 0x0004);
  setWord(4, 0xFFFF);  // the word at address GR2 plays no part
  setGr(1, 0x0001);
  place(0, 0x5212, 0);  // SLL GR1,0,GR2
  EXPECT_EQ(effectiveAddress(m), 4);
  execute();
  EXPECT_EQ(gr(1), "0010");

  setGr(1, 0x0001);
  setGr(2, 0x7FFF);
  place(0, 0x5212, 0x7FFF);  // count 65534, not reduced
  EXPECT_EQ(effectiveAddress(m), 65534);
  execute();
  EXPECT_EQ(gr(1), "0000");
  EXPECT_EQ(fr(), "001");

  setGr(1, 0x0001);
  setGr(2, 0x8000);
  place(0, 0x5212, 0x8000);  // count -65536, not reduced: no shift
  EXPECT_EQ(effectiveAddress(m), -65536);
  execute();
  EXPECT_EQ(gr(1), "0001");
}

TEST_F(ShiftInstruction, ZeroAndNegativeCountsLeaveTheWordAndClearOverflow) {
  struct Case {
    std::uint16_t value, count;
    std::string fr;
  };
  for (std::uint16_t code : {SLA, SRA, SLL, SRL}) {
    for (const auto& c : std::vector<Case>{{0x8000, 0, "010"},
                                           {0x0000, 0, "001"},
                                           {0x1234, 0, "000"},
                                           {0xFFFF, 0xFFFF, "010"},     // -1
                                           {0x4001, 0x8000, "000"}}) {  // -32768
      setFr("100");
      shiftGr1(code, c.value, c.count);
      EXPECT_EQ(gr(1), Word(c.value).text()) << code << " " << c.count;
      EXPECT_EQ(m.registers[1].signedValue(), static_cast<std::int16_t>(c.value));
      EXPECT_EQ(fr(), c.fr) << code << " " << c.value << " " << c.count;
    }
  }
  setGr(2, 0xFFFB);  // -5
  setGr(1, 0x0010);
  place(0, 0x5312, 0);  // SRL GR1,0,GR2
  execute();
  EXPECT_EQ(gr(1), "0010");
  EXPECT_EQ(fr(), "000");
}

TEST_F(ShiftInstruction, ZeroCountLeavesEvenABlankRegisterAsItIs) {
  m.registers[1] = Word::blank();
  place(0, 0x5210, 0);  // SLL GR1,0
  execute();
  EXPECT_EQ(gr(1), "    ");
  EXPECT_EQ(fr(), "001");
  place(0, 0x5210, 1);  // a real shift writes the word
  execute();
  EXPECT_EQ(gr(1), "0000");
}

TEST_F(ShiftInstruction, ReadsItsFieldsFromTheWordAtPr) {
  setGr(3, 0x0003);
  setGr(5, 0x0002);
  place(0, 0x5035, 0x0001);  // SLA GR3,1,GR5
  EXPECT_EQ(m.memory[0].r(), 3);
  EXPECT_EQ(m.memory[0].x(), 5);
  execute();
  EXPECT_EQ(gr(3), "0018");
  EXPECT_EQ(gr(0), "0000");
}

TEST_F(ShiftInstruction, IndexDigit8ToFAddsNothingToTheCount) {
  setGr(1, 0x0001);
  setGr(0, 0x0004);
  place(0, 0x521C, 2);  // SLL GR1,2 with index digit C
  execute();
  EXPECT_EQ(gr(1), "0004");
  setGr(1, 0x0001);
  place(0, 0x5210, 2);  // index digit 0: GR0 is not an index register
  execute();
  EXPECT_EQ(gr(1), "0004");
}

TEST_F(ShiftInstruction, RegisterDigits8ToFChangeNothing) {
  setGr(1, 0x1234);
  setFr("100");
  for (std::uint16_t word : {0x5080, 0x51F0, 0x52A1, 0x53C0}) {
    place(0, word, 3);
    const Snapshot before(m);
    execute();
    EXPECT_TRUE(Snapshot(m) == before) << std::hex << word;
  }
}

TEST_F(ShiftInstruction, NoWordBeyondTheMemoryImageIsRead) {
  // A shift in the last cell has no address word, so no count.
  setGr(1, 0x1234);
  setFr("100");
  place(MemoryImage::lastAddress, 0x5210);
  const Snapshot before(m);
  execute();
  EXPECT_TRUE(Snapshot(m) == before);
}

}  // namespace
}  // namespace casl2wb::instructiontest
