// SLA, SRA, SLL and SRL, each in a run: the result word, OF the bit that
// left in the last step, counts of every size (adr plus the index, never
// reduced modulo 65536).
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

// GR1 holding `value`, FR 110, then the shift of GR1 by the operand `count`.
FinishedRun shiftRun(const std::string& mnemonic, const std::string& value,
                     const std::string& count) {
  return FinishedRun(" LD GR1,=#" + value + "\n SUBA GR3,=#8000\n " + mnemonic + " GR1," + count);
}

struct EdgeCase {
  const char* mnemonic;
  const char* value;
  const char* count;
  const char* result;
  const char* fr;
};

TEST(Shift, EdgeCases) {
  const std::vector<EdgeCase> cases = {
      {"SLA", "4001", "1", "0002", "100"},  // bit 14 leaves
      {"SLA", "2001", "2", "0004", "100"},  // bit 13 leaves last
      {"SLA", "C000", "1", "8000", "110"},  // the sign stays
      {"SLA", "7FFF", "15", "0000", "101"},
      {"SLA", "7FFF", "16", "0000", "001"},
      {"SLA", "7FFF", "100", "0000", "001"},
      {"SLA", "FFFF", "15", "8000", "110"},
      {"SLA", "8000", "3", "8000", "010"},
      {"SRA", "8001", "1", "C000", "110"},
      {"SRA", "8000", "15", "FFFF", "010"},
      {"SRA", "8000", "16", "FFFF", "110"},
      {"SRA", "8000", "17", "FFFF", "110"},
      {"SRA", "8000", "#7FFF", "FFFF", "110"},
      {"SRA", "7FFF", "15", "0000", "101"},
      {"SRA", "7FFF", "16", "0000", "001"},
      {"SRA", "4000", "14", "0001", "000"},
      {"SLL", "8000", "1", "0000", "101"},
      {"SLL", "0001", "15", "8000", "010"},
      {"SLL", "0001", "16", "0000", "101"},
      {"SLL", "0001", "17", "0000", "001"},
      {"SLL", "FFFF", "4", "FFF0", "110"},
      {"SRL", "0001", "1", "0000", "101"},
      {"SRL", "8000", "15", "0001", "000"},
      {"SRL", "8000", "16", "0000", "101"},
      {"SRL", "8000", "17", "0000", "001"},
      {"SRL", "FFFF", "4", "0FFF", "100"},
      {"SRL", "8000", "1", "4000", "000"},
      // A count of 0 or less moves no bit: the word stays, SF and ZF follow
      // it, OF is 0.
      {"SLA", "8000", "0", "8000", "010"},
      {"SRA", "0000", "0", "0000", "001"},
      {"SLL", "1234", "0", "1234", "000"},
      {"SRL", "FFFF", "-1", "FFFF", "010"},
      {"SLL", "4001", "#8000", "4001", "000"},  // -32768
      {"SRA", "8001", "-16", "8001", "010"},
  };
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(std::string(c.mnemonic) + " " + c.value + " by " + c.count);
    expectState(shiftRun(c.mnemonic, c.value, c.count),
                std::string("GR1=") + c.result + " FR=" + c.fr);
  }
}

// The same shifts as plain integer operations: the word, and the bit that
// leaves in the last step.
struct Expected {
  std::uint16_t word;
  int out;
};

Expected reference(const std::string& mnemonic, std::uint16_t w, std::int64_t n) {
  if (n <= 0) return {w, 0};
  if (mnemonic == "SLA") {
    const auto moved = n >= 15 ? 0 : (w << n) & 0x7FFF;
    return {static_cast<std::uint16_t>((w & 0x8000) | moved), n <= 15 ? (w >> (15 - n)) & 1 : 0};
  }
  if (mnemonic == "SRA") {
    const auto s = static_cast<std::int16_t>(w);
    const auto word = static_cast<std::uint16_t>(s >> std::min<std::int64_t>(n, 15));
    const auto lastIn = static_cast<std::uint16_t>(s >> std::min<std::int64_t>(n - 1, 15));
    return {word, lastIn & 1};
  }
  if (mnemonic == "SLL") {
    return {static_cast<std::uint16_t>(n >= 16 ? 0 : (w << n) & 0xFFFF),
            n <= 16 ? (w >> (16 - n)) & 1 : 0};
  }
  return {static_cast<std::uint16_t>(n >= 16 ? 0 : w >> n), n <= 16 ? (w >> (n - 1)) & 1 : 0};
}

std::string frOf(const Expected& e) {
  return std::string(e.out ? "1" : "0") + ((e.word & 0x8000) != 0 ? "10"
                                           : e.word == 0          ? "01"
                                                                  : "00");
}

TEST(Shift, EveryCountMatchesIntegerShifts) {
  const std::vector<std::uint16_t> words = {0x0000, 0x0001, 0x8000, 0xFFFF, 0x7FFF,
                                            0x4001, 0xC000, 0x8001, 0xA5A5, 0x1234};
  std::vector<std::int64_t> counts = {-1, 31, 32, 100, 0x7FFF};
  for (std::int64_t n = 0; n <= 18; ++n) counts.push_back(n);
  for (const std::string mnemonic : {"SLA", "SRA", "SLL", "SRL"}) {
    for (std::uint16_t w : words) {
      for (std::int64_t n : counts) {
        const Expected e = reference(mnemonic, w, n);
        SCOPED_TRACE(mnemonic + " " + Word(w).text() + " by " + std::to_string(n));
        expectState(shiftRun(mnemonic, Word(w).text(), std::to_string(n)),
                    "GR1=" + Word(e.word).text() + " FR=" + frOf(e));
      }
    }
  }
}

TEST(Shift, TheCountAndTheRegister) {
  const std::vector<RunCase> runs = {
      {"the count is adr plus the index, no memory is read",
       " LAD GR1,1\n LAD GR2,4\n SLL GR1,0,GR2", "", "GR1=0010"},
      {"a count of 65534 is not reduced", " LAD GR1,1\n LAD GR2,#7FFF\n SLL GR1,#7FFF,GR2", "",
       "GR1=0000 FR=001"},
      {"a count of -65536 is not reduced", " LAD GR1,1\n LAD GR2,#8000\n SLL GR1,#8000,GR2", "",
       "GR1=0001 FR=000"},
      {"a count of -5 from the index", " LAD GR1,#10\n LAD GR2,-5\n SRL GR1,0,GR2", "",
       "GR1=0010 FR=000"},
      {"SLA of GR3 by GR5", " LAD GR3,3\n LAD GR5,2\n SLA GR3,1,GR5", "", "GR3=0018 GR0=0000"},
      {"index digit C adds nothing", " LAD GR1,1\n LAD GR4,4\n DC #521C\n DC 2", "", "GR1=0004"},
      {"index digit 0 adds not GR0", " LAD GR1,1\n LAD GR0,4\n SLL GR1,2", "", "GR1=0004"},
      {"a count of 0 leaves a blank register", " LD GR1,#00F0\n SLL GR1,0", "", "GR1=blank FR=001"},
      {"a count of 1 writes the blank register", " LD GR1,#00F0\n SLL GR1,1", "",
       "GR1=0000 FR=001"},
      {"shifts of GR7", " LAD GR7,1\n SLL GR7,3", "", "GR7=0008"},
      {"register digit 8 changes nothing", " LD GR1,=#8000\n DC #5080\n DC 3", "",
       "GR0=0000 GR1=8000 FR=010 steps=2"},
      {"register digit F changes nothing", " LD GR1,=#8000\n DC #53F0\n DC 3", "",
       "GR7=0000 FR=010 steps=2"},
  };
  for (const RunCase& r : runs) {
    SCOPED_TRACE(r.what);
    expectState(FinishedRun(r.code, r.data), r.expected);
  }
}

}  // namespace
}  // namespace casl2wb::runtest
