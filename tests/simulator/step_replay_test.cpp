// The ">>" replay of a finished run: panel values, the memory of each step
// and the highlighted line of the program-trace text.
#include "simulator/step_replay.h"

#include "run_fixture.h"
#include "simulator/run_dumps.h"

namespace casl2wb::runtest {
namespace {

class StepReplayTest : public RunFixture {
 protected:
  void SetUp() override { selection.content = ""; }
  // Runs the loaded program and hands its trace text to the replay.
  void runAndPrepare() {
    run();
    selection.content = program.traceText.value_or("");
  }
  std::string selected() const {
    const Text text = fromUtf8(selection.content);
    return toUtf8(text.substr(selection.start, selection.length));
  }

  StringTraceSelection selection;
  StepReplay replay{machine, list, selection, panel};
};

TEST_F(StepReplayTest, BeforeAnyRunNothingHappens) {
  replay.stepForward();
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(panel.programRegister, "");
  EXPECT_EQ(selection.focusCount, 0);
}

TEST_F(StepReplayTest, StepsThroughTheRunAndStartsAgainAfterTheLast) {
  load({"PRG START", " LAD GR1,1", " LAD GR2,2", " ST GR2,X", " RET", "X DS 1", " END"});
  runAndPrepare();
  ASSERT_EQ(machine.recordedSteps, 3);
  const std::vector<std::string> prs = {"0", "2", "4", "0"};
  const std::vector<std::string> gr2 = {"0000", "0002", "0002", "0000"};
  for (int press = 0; press < 4; ++press) {
    SCOPED_TRACE(press);
    replay.stepForward();
    EXPECT_EQ(panel.programRegister, prs[press]);
    EXPECT_EQ(panel.registers[2], gr2[press]);
    EXPECT_EQ(selected(), "000" + prs[press] + " ");
  }
  EXPECT_EQ(panel.mnemonic, "LAD");
  EXPECT_EQ(panel.stackPointer, "0100");
  EXPECT_EQ(panel.flags, "000");
}

TEST_F(StepReplayTest, TheListShowsTheMemoryAfterTheStep) {
  load({"PRG START", " LAD GR1,7", " ST GR1,X", " RET", "X DS 1", " END"});
  runAndPrepare();
  replay.stepForward();  // slot 0: LAD, X still 0000
  ASSERT_EQ(list.items.size(), 33u);
  EXPECT_EQ(list.items[0], memoryDumpHeading());
  EXPECT_EQ(list.items[6].substr(0, 11), " 0005(0000)");
  replay.stepForward();  // slot 1: ST, X now 0007
  ASSERT_EQ(list.items.size(), 33u);
  EXPECT_EQ(list.items[6].substr(0, 11), " 0005(0007)");
}

TEST_F(StepReplayTest, PanelShowsPrWithoutLeadingZeros) {
  load({"PRG START", " DS 10", "L LAD GR1,1", " RET", " END"});
  machine.memory[0] = Word(0x640A);  // JUMP 000A
  machine.memory[1] = Word(0x000A);
  runAndPrepare();
  replay.stepForward();
  replay.stepForward();
  EXPECT_EQ(panel.programRegister, "A");
  EXPECT_EQ(selected(), "000A ");
}

TEST_F(StepReplayTest, AnAddressMissingFromTheTraceLeavesNoLineSelected) {
  load({"PRG START", " RPUSH", " RPOP", " RET", " END"});
  runAndPrepare();
  replay.stepForward();
  EXPECT_EQ(selected(), "0000 ");
  replay.stepForward();  // RPOP is recorded at 000F + 7 = 0016, not a line of its own
  EXPECT_EQ(panel.programRegister, "16");
  EXPECT_EQ(selection.start, 0);
  EXPECT_EQ(selection.length, 0);
}

TEST_F(StepReplayTest, SearchWrapsToTheStartOfTheText) {
  load({"PRG START", "L LAD GR1,1", " JUMP L", " RET", " END"});
  run();
  selection.content = program.traceText.value_or("");
  replay.stepForward();            // slot 0 at 0000
  replay.stepForward();            // slot 1 at 0002, further down
  replay.stepForward();            // slot 2 at 0000 again: found only after the wrap
  EXPECT_EQ(selection.start, 27);  // after the 25 characters of the START line and CR LF
  EXPECT_EQ(selected(), "0000 ");
  EXPECT_EQ(selection.focusCount, 3);
}

TEST_F(StepReplayTest, ExtendedMemoryShowsSixtyFourLines) {
  load({"PRG START ;MEX", " NOP", " RET", " END"});
  runAndPrepare();
  replay.stepForward();
  EXPECT_EQ(list.items.size(), 65u);
}

TEST_F(StepReplayTest, ANewRunContinuesAReplayUnderWayFromSlotOne) {
  load({"PRG START", " LAD GR1,1", " LAD GR1,2", " LAD GR1,3", " RET", " END"});
  runAndPrepare();
  replay.stepForward();  // slot 0, replay under way
  run();                 // the next press shows slot 1 of the new history
  replay.stepForward();
  EXPECT_EQ(panel.registers[1], "0002");
}

}  // namespace
}  // namespace casl2wb::runtest
