// The ">>" replay of a finished run: panel values, the memory of each step
// and the highlighted line of the program-trace text; every other way to a
// step shows what ">>" shows there.
#include "simulator/replay.h"

#include "documents/run_dumps.h"
#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

class StepReplayTest : public RunFixture {
 protected:
  // Runs the loaded program and hands its trace text to the replay.
  void runAndPrepare() {
    run();
    trace = fromUtf8(program.traceText.value_or(""));
  }
  std::string selected() const {
    return toUtf8(trace.substr(static_cast<std::size_t>(selection.start),
                               static_cast<std::size_t>(selection.length)));
  }
  // ">>" as the windows show it: the panel, the trace line and the memory.
  void pressStep() {
    if (const auto step = replay.forward(trace, selection)) show(*step);
  }
  void show(const ReplayStep& step) {
    shown = step.panel;
    selection = step.traceSelection;
    showStepMemory(machine, step.slot + 1, list);
  }

  Text trace;
  TraceRange selection;
  CpuPanel shown;  // the panel of the step shown last
  Replay replay{machine};
};

TEST_F(StepReplayTest, BeforeAnyRunNothingHappens) {
  pressStep();
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(shown, CpuPanel{});
  EXPECT_EQ(selection, TraceRange{});
}

TEST_F(StepReplayTest, StepsThroughTheRunAndStartsAgainAfterTheLast) {
  load({"PRG START", " LAD GR1,1", " LAD GR2,2", " ST GR2,X", " RET", "X DS 1", " END"});
  runAndPrepare();
  ASSERT_EQ(machine.record().recordedSteps(), 3);
  const std::vector<std::int64_t> prs = {0, 2, 4, 0};
  const std::vector<std::string> gr2 = {"0000", "0002", "0002", "0000"};
  for (int press = 0; press < 4; ++press) {
    SCOPED_TRACE(press);
    pressStep();
    EXPECT_EQ(shown.pr, prs[press]);
    EXPECT_EQ(shown.registers[2].text(), gr2[press]);
    EXPECT_EQ(selected(), Word::of(prs[press]).text() + " ");
  }
  EXPECT_EQ(mnemonicOf(shown), "LAD");
  EXPECT_EQ(shown.sp, 0x0100);
  EXPECT_EQ(shown.flags.text(), "000");
}

TEST_F(StepReplayTest, TheListShowsTheMemoryAfterTheStep) {
  load({"PRG START", " LAD GR1,7", " ST GR1,X", " RET", "X DS 1", " END"});
  runAndPrepare();
  pressStep();  // slot 0: LAD, X still 0000
  ASSERT_EQ(list.items.size(), 33u);
  EXPECT_EQ(list.items[0], memoryDumpHeading());
  EXPECT_EQ(list.items[6].substr(0, 11), " 0005(0000)");
  pressStep();  // slot 1: ST, X now 0007
  ASSERT_EQ(list.items.size(), 33u);
  EXPECT_EQ(list.items[6].substr(0, 11), " 0005(0007)");
}

TEST_F(StepReplayTest, PanelShowsPrWithoutLeadingZeros) {
  load({"PRG START", " DS 10", "L LAD GR1,1", " RET", " END"});
  patch(0, Word(0x640A));  // JUMP 000A
  patch(1, Word(0x000A));
  runAndPrepare();
  pressStep();
  pressStep();
  EXPECT_EQ(shown.pr, 0xA);
  EXPECT_EQ(selected(), "000A ");
}

TEST_F(StepReplayTest, AnAddressMissingFromTheTraceLeavesNoLineSelected) {
  load({"PRG START", " RPUSH", " RPOP", " RET", " END"});
  runAndPrepare();
  pressStep();
  EXPECT_EQ(selected(), "0000 ");
  pressStep();  // RPOP is recorded at 000F + 7 = 0016, not a line of its own
  EXPECT_EQ(shown.pr, 0x16);
  EXPECT_EQ(selection.start, 0);
  EXPECT_EQ(selection.length, 0);
}

TEST_F(StepReplayTest, SearchWrapsToTheStartOfTheText) {
  load({"PRG START", "L LAD GR1,1", " JUMP L", " RET", " END"});
  runAndPrepare();
  pressStep();                     // slot 0 at 0000
  pressStep();                     // slot 1 at 0002, further down
  pressStep();                     // slot 2 at 0000 again: found only after the wrap
  EXPECT_EQ(selection.start, 27);  // after the 25 characters of the START line and CR LF
  EXPECT_EQ(selected(), "0000 ");
}

TEST_F(StepReplayTest, ExtendedMemoryShowsSixtyFourLines) {
  load({"PRG START ;MEX", " NOP", " RET", " END"});
  runAndPrepare();
  pressStep();
  EXPECT_EQ(list.items.size(), 65u);
}

TEST_F(StepReplayTest, ANewRunContinuesAReplayUnderWayFromSlotOne) {
  load({"PRG START", " LAD GR1,1", " LAD GR1,2", " LAD GR1,3", " RET", " END"});
  runAndPrepare();
  pressStep();  // slot 0, replay under way
  run();        // the next press shows slot 1 of the new history
  pressStep();
  EXPECT_EQ(shown.registers[1].text(), "0002");
}

// "<<" and the jumps show a step exactly as the presses of ">>" show it,
// the trace line found as the search from the replay's start finds it, and
// ">>" goes on after it; from the last step it starts again.
TEST_F(StepReplayTest, EveryWayToAStepShowsWhatTheButtonShows) {
  load({"PRG START", "L LAD GR1,1", " LAD GR2,2", " JUMP M", "M ST GR1,X", " JUMP N",
        "N ADDA GR1,GR2", " RET", "X DS 1", " END"});
  runAndPrepare();
  std::vector<std::pair<CpuPanel, TraceRange>> pressed;
  std::vector<std::vector<std::string>> lists;
  for (int s = 0; s < machine.record().recordedSteps(); ++s) {
    pressStep();
    pressed.emplace_back(shown, selection);
    lists.push_back(list.items);
  }
  ASSERT_GE(pressed.size(), 6u);
  Replay other(machine);
  selection = {};
  for (const int slot : {4, 1, 5, 0, 3}) {
    SCOPED_TRACE(slot);
    show(other.show(slot, trace, selection));
    EXPECT_EQ(shown, pressed[slot].first);
    EXPECT_EQ(selection, pressed[slot].second);
    EXPECT_EQ(list.items, lists[slot]);
    EXPECT_EQ(other.nextSlot(), slot + 1);
  }
  const auto next = other.forward(trace, selection);
  ASSERT_TRUE(next.has_value());
  EXPECT_EQ(next->slot, 4);
  EXPECT_EQ(next->traceSelection, pressed[4].second);
  other.show(machine.record().recordedSteps() - 1, trace, selection);
  EXPECT_FALSE(other.underWay());
  EXPECT_EQ(other.forward(trace, selection)->slot, 0);
}

TEST(SelectionPlace, CountsLinesAndCharacters) {
  const Text text = fromUtf8("ab\nｱｲ\n\nxyz");
  struct Case {
    TraceRange range;
    SelectionPlace place;
  };
  for (const Case& c : {Case{{0, 2}, {1, 1, 2}}, Case{{4, 1}, {2, 2, 1}}, Case{{7, 3}, {4, 1, 3}},
                        Case{{99, 0}, {4, 4, 0}}}) {
    EXPECT_EQ(selectionPlace(text, c.range), c.place);
  }
}

}  // namespace
}  // namespace casl2wb::runtest
