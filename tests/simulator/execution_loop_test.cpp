// Runs of whole programs: the run start, the run parameters, the pass
// structure, the history limit and the end-of-run display.
#include "documents/run_dumps.h"
#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

class SimulatorRun : public RunFixture {};

const std::string historyLimitNotice =
    "実行回数が９９９回を越えていますのでメモリの変化のトレースは９９９回までとします。";

TEST_F(SimulatorRun, EmptyMemoryEndsAtOnceWithTheInitialDisplay) {
  run();  // nothing translated: address 0 holds a blank word
  EXPECT_EQ(machine.record().recordedSteps(), 0);
  EXPECT_EQ(machine.outcome().passCount, 0);
  ASSERT_EQ(list.items.size(), 1u + 32u + 1u);
  EXPECT_EQ(list.items.front(), memoryDumpHeading());
  EXPECT_EQ(
      list.items[1],
      " 0000(    ) 0020(    ) 0040(    ) 0060(    ) 0080(    ) 00A0(    ) 00C0(    ) 00E0(    )");
  EXPECT_EQ(list.items.back(), "  PR| GR0| GR1| GR2| GR3| GR4| GR5| GR6| GR7| FR|  SP|");
  EXPECT_EQ(panel().pr, 0);
  EXPECT_EQ(panel().sp, 0x0100);
  EXPECT_EQ(panel().flags.text(), "000");
  EXPECT_EQ(mnemonicOf(panel()), "");
  EXPECT_EQ(panel().registers, zeroRegisters);
}

TEST_F(SimulatorRun, LoadThenStoreRunInOnePassAndStoreThenLoadInTwo) {
  load({"PRG START", " LD GR1,A", " ST GR1,B", " RET", "A DC 5", "B DS 1", " END"});
  run();
  EXPECT_EQ(machine.outcome().passCount, 1);
  EXPECT_EQ(machine.record().recordedSteps(), 2);
  EXPECT_EQ(word(5), "0005");

  std::vector<Text> lines;
  for (const char* line :
       {"PRG START", " ST GR1,B", " LD GR1,A", " RET", "A DC 5", "B DS 1", " END"}) {
    lines.push_back(fromUtf8(line));
  }
  Machine otherMachine;
  otherMachine.load(Assembler().assemble(lines));
  VectorMessageList otherList;
  RunListing otherListing(otherList);
  Simulator(otherMachine, otherListing, dialogs).run();
  EXPECT_EQ(otherMachine.outcome().passCount, 2);
  EXPECT_EQ(otherMachine.record().recordedSteps(), 2);
  EXPECT_EQ(otherMachine.record().slot(0).pr, 0);
  EXPECT_EQ(otherMachine.record().slot(1).pr, 2);
}

TEST_F(SimulatorRun, LmtOfZeroAllowsExactlyOnePass) {
  load({"PRG START ;LMT00000", "L JUMP L2", "L2 NOP", " JUMP L", " RET", " END"});
  run();
  EXPECT_EQ(machine.outcome().passLimit, 0);
  EXPECT_EQ(machine.outcome().passCount, 1);
  EXPECT_EQ(machine.record().recordedSteps(), 2);  // the jump, then the NOP it reached
  EXPECT_EQ(panel().pr, 0x3);
  EXPECT_EQ(mnemonicOf(panel()), "JUMP");
}

TEST_F(SimulatorRun, MalformedLmtKeepsTheDefaultLimitAndSaysSo) {
  const std::string message =
      "****** ｴﾗ- ****** 無限ﾙ-ﾌﾟﾊﾟﾗﾒ-ﾀ設定が違います.----- "
      "LMT以下5文字で数値を設定してください.-----";
  for (const char* first : {"PRG START ;LMT12", "PRG START PRG LMT1234", "PRG START ;LMTabcde"}) {
    SCOPED_TRACE(first);
    load({first, " NOP", " RET", " END"});
    list.clear();
    run();
    EXPECT_EQ(machine.outcome().passLimit, 5000);
    ASSERT_FALSE(list.items.empty());
    EXPECT_EQ(list.items.front(), message);
  }
}

TEST_F(SimulatorRun, LmtAfterTheOperandCountsAndLaterCharactersAreIgnored) {
  load({"PRG START BEGIN LMT00002XYZ", "BEGIN NOP", "L JUMP L", " RET", " END"});
  run();
  EXPECT_EQ(machine.outcome().passLimit, 2);
  EXPECT_EQ(machine.outcome().passCount, 3);
  // JUMP comes before NOP in the instruction set, so each pass runs one step.
  EXPECT_EQ(machine.record().recordedSteps(), 3);
}

// MEX extends the memory only where the run parameters stand: after the
// operands of the first line. A load from 0100 tells which memory the run has.
TEST(RunParameters, MexCountsOnlyAfterTheOperandsOfTheFirstLine) {
  struct Case {
    const char* start;
    const char* secondLine;
    bool extended;
  };
  for (const Case& c :
       {Case{"P START ;MEX", " NOP", true}, Case{"P START BEGIN MEX", "BEGIN NOP", true},
        Case{"P START ;LMT00100MEX", " NOP", true}, Case{"MEX START", " NOP", false},
        Case{"P START MEX", "MEX NOP", false}, Case{"P START", " NOP ;MEX", false}}) {
    SCOPED_TRACE(std::string(c.start) + " / " + c.secondLine);
    const FinishedRun run(std::string(c.secondLine) + "\n LD GR1,#0100", "", {}, c.start);
    EXPECT_EQ(run.runLines().empty(), c.extended);
    expectState(run, c.extended ? "PR=0003 GR1=blank" : "PR=0001");
  }
}

TEST_F(SimulatorRun, RunawayLoopStopsAtThePassLimitWithOneNotice) {
  load({"PRG START", "L JUMP L", " RET", " END"});
  run();
  EXPECT_EQ(machine.outcome().passCount, 5001);
  EXPECT_EQ(dialogs.notices, std::vector<std::string>{historyLimitNotice});
  EXPECT_EQ(machine.record().recordedSteps(), 999);
  EXPECT_EQ(machine.record().slot(999).pr, 0);  // the last passes kept rewriting slot 999
}

// One step a pass: the notice comes at the first pass that starts with more
// than 999 steps recorded, and not a pass sooner.
TEST_F(SimulatorRun, TheNoticeComesOnceMoreThan999StepsAreRecorded) {
  for (const auto& [start, notices] :
       {std::pair{"PRG START ;LMT00998", 0u}, std::pair{"PRG START ;LMT00999", 1u}}) {
    SCOPED_TRACE(start);
    dialogs.notices.clear();
    load({start, "L JUMP L", " RET", " END"});
    run();
    EXPECT_EQ(dialogs.notices.size(), notices);
    EXPECT_EQ(machine.record().recordedSteps(), 999);
  }
}

TEST_F(SimulatorRun, EveryRunShowsTheNoticeAgain) {
  load({"PRG START ;LMT01200", "L JUMP L", " RET", " END"});
  run();
  run();
  EXPECT_EQ(dialogs.notices.size(), 2u);
}

TEST_F(SimulatorRun, WordsNoInstructionCarriesOutStallUntilThePassLimit) {
  load({"PRG START ;LMT00010", " NOP", " MDMP", " RET", " END"});
  run();
  EXPECT_EQ(machine.outcome().passCount, 11);
  EXPECT_EQ(machine.record().recordedSteps(), 1);
  EXPECT_EQ(panel().pr, 0x1);
  EXPECT_EQ(mnemonicOf(panel()), "MDMP");
}

TEST_F(SimulatorRun, ExtendedMemoryMovesTheStackAndDumpsSixtyFourLines) {
  load({"PRG START ;MEX", " PUSH 0,GR1", " POP GR2", " RET", " END"});
  run();
  EXPECT_EQ(machine.cpu().memoryTop(), 512);
  EXPECT_EQ(word(511), "0000");
  EXPECT_EQ(machine.record().slot(0).sp, 0x01FF);
  EXPECT_EQ(machine.record().slot(1).sp, 0x0200);
  EXPECT_EQ(panel().sp, 0x0200);
  // The heading, then 64 memory lines before the register trace.
  const auto heading = std::find(list.items.begin(), list.items.end(), registerTraceHeading());
  ASSERT_NE(heading, list.items.end());
  EXPECT_EQ(heading - std::find(list.items.begin(), list.items.end(), memoryDumpHeading()), 65);
}

TEST_F(SimulatorRun, RegisterDigitsOutsideTheRegistersChangeNothingButAreRecorded) {
  load({"PRG START", " LAD GR1,5", " NOP", " RET", " END"});
  patch(2, Word(0x1480));  // LD r1 8 <- r2 0
  patch(0, Word(0x1218));  // LAD r1 with index digit 8: no index
  run();
  EXPECT_EQ(gr(1), "0005");
  EXPECT_EQ(machine.record().recordedSteps(), 2);
  EXPECT_EQ(machine.record().slot(1).pr, 2);
}

TEST_F(SimulatorRun, ASecondRunStartsFreshOnTheMemoryTheFirstLeft) {
  load({"PRG START", " LD GR1,N", " ADDA GR1,=1", " ST GR1,N", " PUSH 0,GR1", " POP GR2", " RET",
        "N DC 0", " END"});
  run();
  EXPECT_EQ(word(10), "0001");
  const std::size_t firstRunItems = list.items.size();
  run();
  EXPECT_EQ(word(10), "0002");
  EXPECT_EQ(gr(1), "0002");
  EXPECT_EQ(machine.record().slot(0).registers[2].text(), "0000");  // registers start at zero again
  EXPECT_EQ(machine.record().slot(0).sp, 0x0100);
  EXPECT_EQ(list.items.size(), 2 * firstRunItems);
}

TEST_F(SimulatorRun, StartOperandChoosesTheEntryAndAnUnknownOneStartsAtZero) {
  load({"PRG START BEGIN", " LAD GR1,1", "BEGIN LAD GR2,2", " RET", " END"});
  run();
  EXPECT_EQ(gr(1), "0000");
  EXPECT_EQ(gr(2), "0002");
  EXPECT_EQ(machine.record().slot(0).pr, 2);
}

// The entry label is looked for on the first 256 lines only: one on a
// later line leaves the start at address 0.
TEST_F(SimulatorRun, TheEntryIsLookedForOnTheFirst256Lines) {
  for (const std::size_t entryLine : {256u, 257u}) {
    SCOPED_TRACE(entryLine);
    std::vector<std::string> lines = {"PRG START BEGIN"};
    lines.insert(lines.end(), entryLine - 2, " NOP");  // a word each, from address 0
    lines.insert(lines.end(), {"BEGIN RET", " END"});
    load(lines);
    EXPECT_EQ(program.run.startAddress, entryLine == 256 ? 254 : 0);
  }
}

TEST_F(SimulatorRun, TheEndOfRunDumpListsEveryStep) {
  load({"PRG START", " LAD GR1,#000A", " LD GR2,GR1", " RET", " END"});
  run();
  const std::vector<std::string> tail(list.items.end() - 3, list.items.end());
  EXPECT_EQ(tail,
            (std::vector<std::string>{"  PR| GR0| GR1| GR2| GR3| GR4| GR5| GR6| GR7| FR|  SP|",
                                      "0000|0000|000A|0000|0000|0000|0000|0000|0000|000|0100|",
                                      "0002|0000|000A|000A|0000|0000|0000|0000|0000|000|0100|"}));
  EXPECT_EQ(
      list.items[1],
      " 0000(1210) 0020(    ) 0040(    ) 0060(    ) 0080(    ) 00A0(    ) 00C0(    ) 00E0(    )");
  EXPECT_EQ(panel().pr, 0x3);
  EXPECT_EQ(mnemonicOf(panel()), "RET");
  EXPECT_EQ(panel().registers[2].text(), "000A");
}

// What a run hands on, in its order: each line, each DMP with its count and
// the CPU as the DMP word finds it, and the end once, after everything.
TEST_F(SimulatorRun, TheRunHandsOnLinesDumpsAndItsEndInOrder) {
  class RecordingOutput : public RunOutput {
   public:
    void line(std::string_view text) override { events.push_back("line " + std::string(text)); }
    void dumped(int count, const CpuState& cpu) override {
      events.push_back("dump " + std::to_string(count) + " PR=" + Word::of(cpu.pr).text() +
                       " GR1=" + cpu.registers[1].text());
    }
    void ended(const Machine& machine) override {
      events.push_back("end steps=" + std::to_string(machine.record().recordedSteps()));
    }
    std::vector<std::string> events;
  };
  load({"P START", " LAD GR1,#41", " ST GR1,B", " DMP", " OUT B,L", " LAD GR1,1,GR1", " DMP",
        " RET", "B DS 1", "L DS 1", " END"});
  RecordingOutput output;
  Simulator(machine, output, dialogs).run();
  EXPECT_EQ(output.events, (std::vector<std::string>{"dump 1 PR=0004 GR1=0041", "line A",
                                                     "dump 2 PR=000A GR1=0042", "end steps=6"}));
}

TEST_F(SimulatorRun, TheMachineTellsHowTheRunEnded) {
  using End = RunEnd;
  EXPECT_EQ(machine.outcome().end, End::None);
  struct Case {
    std::vector<std::string> lines;
    End end;
  };
  for (const Case& c : {
           Case{{"P START", " NOP", " RET", " END"}, End::Return},
           Case{{"P START", " CALL S", " RET", "S PUSH #0101", " RET", " END"}, End::Return},
           Case{{"P START ;LMT00003", "L JUMP L", " RET", " END"}, End::PassLimit},
           Case{{"P START", " JUMP #0100", " RET", " END"}, End::AddressError},
           Case{{"P START", " JUMP X", " RET", "X DS 0", " END"}, End::BlankWord},
       }) {
    SCOPED_TRACE(c.lines[1]);
    load(c.lines);
    run();
    EXPECT_EQ(machine.outcome().end, c.end);
  }
}

}  // namespace
}  // namespace casl2wb::runtest
