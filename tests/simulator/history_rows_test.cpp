// The memory rows of the history: the row recorded for a step holds the
// memory after that step, for every kind of instruction that writes memory,
// whether or not the steps before it changed anything. And the registers of
// the slots, which a run records only as far as a step changes them.
#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

class HistoryRows : public RunFixture {
 protected:
  std::string rowWord(int row, int address) const {
    return machine.record().memoryRow(row)[address].text();
  }
  std::string slotRegister(int slot, int n) const {
    return machine.record().slot(slot).registers[static_cast<std::size_t>(n)].text();
  }
};

struct WriteCase {
  const char* kind;
  std::vector<std::string> lines;
  std::vector<std::string> answers;  // for IN
  int slot;                          // the step that writes
  int address;                       // the word it writes
  std::string before;                // in the row of the step before
  std::string after;                 // in the row of the step itself
};

TEST_F(HistoryRows, EveryStepThatWritesShowsItsWriteInItsOwnRow) {
  const std::vector<WriteCase> cases = {
      {"ST",
       {"P START", " NOP", " LAD GR1,7", " ST GR1,X", " RET", "X DS 1", " END"},
       {},
       2,
       6,
       "0000",
       "0007"},
      {"PUSH",
       {"P START", " LAD GR1,5", " PUSH 0,GR1", " POP GR2", " RET", " END"},
       {},
       1,
       0xFF,
       "    ",
       "0005"},
      {"CALL after PUSH and POP",
       {"P START", " LAD GR1,5", " PUSH 0,GR1", " POP GR2", " CALL S", " RET", "S LAD GR3,7",
        " RET", " END"},
       {},
       3,
       0xFF,
       "0005",
       "0007"},
      {"RPUSH",
       {"P START", " LAD GR1,1", " RPUSH", " RPOP", " RET", " END"},
       {},
       1,
       0xFF,
       "    ",
       "0001"},
      {"IN",
       {"P START", " NOP", " IN B,L", " RET", "B DS 2", "L DS 1", " END"},
       {"AB"},
       1,
       6,
       "0000",
       "0042"},
      {"IN length",
       {"P START", " NOP", " IN B,L", " RET", "B DS 2", "L DS 1", " END"},
       {"AB"},
       1,
       7,
       "0000",
       "0002"},
      {"OUT length",
       {"P START", " LAD GR1,#41", " ST GR1,B", " NOP", " OUT B,L", " RET", "B DS 1", "L DS 1",
        " END"},
       {},
       3,
       10,
       "0000",
       "0001"},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.kind);
    load(c.lines);
    dialogs.answers.assign(c.answers.begin(), c.answers.end());
    run();
    ASSERT_GT(machine.record().recordedSteps(), c.slot);
    // Slot s is the (s+1)-th step; row s+1 holds the memory after it.
    EXPECT_EQ(rowWord(c.slot, c.address), c.before);
    EXPECT_EQ(rowWord(c.slot + 1, c.address), c.after);
  }
}

TEST_F(HistoryRows, StepsThatWriteNothingShowTheMemoryOfTheStepBefore) {
  load({"P START", " LAD GR1,5", " PUSH 0,GR1", " POP GR2", " DMP", " NOP", " RET", " END"});
  run();
  ASSERT_EQ(machine.record().recordedSteps(), 5);
  for (int row = 3; row <= 5; ++row) EXPECT_EQ(rowWord(row, 0xFF), "0005") << row;
}

TEST_F(HistoryRows, TheLastRowOfARunEqualsTheFinalMemory) {
  load({"P START", " LAD GR1,5", " PUSH 0,GR1", " CALL S", " RPUSH", " RPOP", " RET", "S LAD GR3,7",
        " RET", " END"});
  run();
  const auto row = machine.record().memoryRow(machine.record().recordedSteps());
  for (int a = 0; a < 256; ++a) EXPECT_EQ(row[a], machine.cpu().memory[a]) << a;
}

// Past 999 steps each pass starts recording again at slot 999: the slots
// hold the last pass (ST, CPA, JNZ; LAD ends the pass before it, and the
// final RET is not recorded), the count of records every instruction, and
// row 999 still the memory of slot 998, recorded in round 250.
TEST_F(HistoryRows, PastTheHistoryLimitEveryInstructionIsCountedAndTheLastPassKept) {
  load({"P START", "L LAD GR1,1,GR1", " ST GR1,X", " CPA GR1,N", " JNZ L", " RET", "X DS 1",
        "N DC 700", " END"});
  run();
  EXPECT_EQ(machine.record().recordCount(), 4u * 700u);
  ASSERT_EQ(machine.record().recordedSteps(), 1002);
  EXPECT_EQ(machine.record().slot(999).pr, 2);
  EXPECT_EQ(machine.record().slot(1001).pr, 6);
  EXPECT_EQ(rowWord(999, 9), "00FA");
  EXPECT_EQ(rowWord(1000, 9), "02BC");
  EXPECT_EQ(rowWord(1002, 9), "02BC");
  // The registers of the slots of the last pass, and of slot 998 before them.
  EXPECT_EQ(slotRegister(998, 1), "00FA");
  for (int slot = 999; slot <= 1001; ++slot) EXPECT_EQ(slotRegister(slot, 1), "02BC") << slot;
}

TEST_F(HistoryRows, EverySlotHoldsAllRegistersAfterItsStep) {
  load({"P START", " LAD GR1,5", " PUSH 0,GR1", " POP GR2", " RPUSH", " LAD GR3,9", " ST GR3,X",
        " CPA GR3,X", " RPOP", " LD GR4,GR2", " RET", "X DS 1", " END"});
  run();
  // GR1 to GR4 after each step: RPOP takes back the GR3 of RPUSH.
  const std::vector<std::array<const char*, 4>> expected = {
      {"0005", "0000", "0000", "0000"},  // LAD
      {"0005", "0000", "0000", "0000"},  // PUSH
      {"0005", "0005", "0000", "0000"},  // POP
      {"0005", "0005", "0000", "0000"},  // RPUSH
      {"0005", "0005", "0009", "0000"},  // LAD
      {"0005", "0005", "0009", "0000"},  // ST
      {"0005", "0005", "0009", "0000"},  // CPA
      {"0005", "0005", "0000", "0000"},  // RPOP
      {"0005", "0005", "0000", "0005"},  // LD
  };
  ASSERT_EQ(machine.record().recordedSteps(), static_cast<int>(expected.size()));
  for (std::size_t s = 0; s < expected.size(); ++s) {
    for (int n = 1; n <= 4; ++n) {
      EXPECT_EQ(slotRegister(static_cast<int>(s), n), expected[s][static_cast<std::size_t>(n - 1)])
          << "slot " << s << " GR" << n;
    }
  }
}

}  // namespace
}  // namespace casl2wb::runtest
