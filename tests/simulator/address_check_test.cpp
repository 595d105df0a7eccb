// The address check before every instruction, and the run's own guards for
// buffers, pushes and returns outside the memory.
#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

using Lines = std::vector<std::string>;

std::string rangeError(const std::string& highest, long long pr, const std::string& eff,
                       const std::string& sp) {
  return "****** ｴﾗ- ****** 実行ｱﾄﾞﾚｽか,ﾌﾟﾛｸﾞﾗﾑｶｳﾝﾀか,ｽﾀｯｸﾎﾟｲﾝﾀがﾒﾓﾘの使用範囲#0000より小さいか," +
         highest + "より大きくなった．------- ｱﾄﾞﾚｽは," + std::to_string(pr) +
         "です．------ 実効ｱﾄﾞﾚｽは" + eff + "です.-----  SP=" + sp;
}

class AddressCheck : public RunFixture {};

TEST_F(AddressCheck, IndexedLoadPastTheMemoryStopsBeforeItRuns) {
  load({"PRG START", " LAD GR2,#0100", " LD GR1,0,GR2", " RET", " END"});
  run();
  EXPECT_EQ(runLines(), Lines{rangeError("00FF", 2, "0100", "0100")});
  EXPECT_EQ(machine.record().recordedSteps(), 1);
  EXPECT_EQ(gr(1), "0000");
  EXPECT_EQ(panel().pr, 0x2);
}

TEST_F(AddressCheck, TheSameLoadRunsInExtendedMemory) {
  load({"PRG START ;MEX", " LAD GR2,#0100", " LD GR1,0,GR2", " RET", " END"});
  run();
  EXPECT_EQ(runLines(), Lines{});
  EXPECT_EQ(gr(1), "    ");  // the blank word at 0100 is copied as it is
  EXPECT_EQ(machine.cpu().flags.text(), "001");
}

TEST_F(AddressCheck, LadIsNotChecked) {
  load({"PRG START", " LAD GR1,#FFFF", " RET", " END"});
  run();
  EXPECT_EQ(runLines(), Lines{});
  EXPECT_EQ(gr(1), "FFFF");
}

// With SP already out of range after a POP on the empty stack, the next
// instruction stops the run; the line shows its effective address when it
// has one, checked or not, and 0000 when it has none.
TEST_F(AddressCheck, TheErrorLineShowsTheEffectiveAddressOfEveryInstructionThatHasOne) {
  struct Case {
    std::string instruction;
    std::string eff;
  };
  for (const Case& c :
       {Case{" LAD GR1,5,GR2", "0008"}, Case{" SLA GR1,2,GR2", "0005"},
        Case{" SRL GR1,#FFFF,GR2", "0002"}, Case{" PUSH 1,GR2", "0004"}, Case{" SVC 9", "0009"},
        Case{" LD GR1,5,GR2", "0008"}, Case{" JUMP 1,GR2", "0004"}, Case{" NOP", "0000"},
        Case{" POP GR1", "0000"}, Case{" LD GR1,GR2", "0000"}}) {
    SCOPED_TRACE(c.instruction);
    list.items.clear();
    load({"EFF START", " LAD GR2,3", " POP GR1", c.instruction, " RET", " END"});
    run();
    EXPECT_EQ(runLines(), Lines{rangeError("00FF", 3, c.eff, "0101")});
  }
}

TEST_F(AddressCheck, JumpToTheMemoryTopStopsAtTheJump) {
  load({"PRG START", " NOP", " JUMP #0100", " RET", " END"});
  run();
  EXPECT_EQ(runLines(), Lines{rangeError("00FF", 1, "0100", "0100")});
}

TEST_F(AddressCheck, ExtendedMemoryShowsItsOwnHighestAddress) {
  load({"PRG START ;MEX", " JUMP #0200", " RET", " END"});
  run();
  EXPECT_EQ(runLines(), Lines{rangeError("01FF", 0, "0200", "0200")});
}

TEST_F(AddressCheck, OutWithABufferOutsideTheMemoryChangesNothing) {
  load({"PRG START", " OUT BUF,LEN", " RET", "BUF DS 1", "LEN DS 1", " END"});
  patch(1, Word(0x0BB9));  // buffer address 3001
  run();
  EXPECT_EQ(runLines(), Lines{rangeError("00FF", 0, "0BB9", "0100")});
  EXPECT_EQ(word(5), "0000");
  EXPECT_EQ(machine.record().recordedSteps(), 0);
}

TEST_F(AddressCheck, InWithALengthAddressBelowZeroAsksNothing) {
  load({"PRG START", " IN BUF,LEN", " RET", "BUF DS 1", "LEN DS 1", " END"});
  patch(2, Word(0xFFFE));  // length address -2
  dialogs.answers = {"A"};
  run();
  EXPECT_EQ(runLines(), Lines{rangeError("00FF", 0, "FFFE", "0100")});
  EXPECT_TRUE(dialogs.prompts.empty());
  EXPECT_EQ(word(4), "0000");
}

TEST_F(AddressCheck, InNearTheEndOfTheImageStoresOnlyWhatFits) {
  load({"PRG START", " IN BUF,LEN", " RET", "BUF DS 1", "LEN DS 1", " END"});
  patch(1, Word(2999));
  dialogs.answers = {"ABCD"};
  run();
  EXPECT_EQ(word(2999), "0041");
  EXPECT_EQ(word(3000), "0042");
  EXPECT_EQ(word(5), "0004");
}

TEST_F(AddressCheck, ReturnToANegativeAddressStopsAtTheNextPass) {
  load({"PRG START", " LAD GR1,-5", " PUSH 0,GR1", " RET", " END"});
  run();
  EXPECT_EQ(runLines(), Lines{rangeError("00FF", -5, "0000", "0100")});
  EXPECT_EQ(machine.record().recordedSteps(), 3);
}

TEST_F(AddressCheck, ReturnPastTheMemoryEndsWithPr255) {
  load({"PRG START", " PUSH #0101", " RET", " END"});
  run();
  EXPECT_EQ(panel().pr, 0xFF);
  EXPECT_EQ(machine.record().recordedSteps(), 2);
}

TEST_F(AddressCheck, EndlessRecursionNeverWritesBelowAddressZero) {
  // Each CALL pushes 0002 and jumps back to itself; once the stack has
  // climbed down over the program the run ends one way or another, and
  // never with a write outside the memory image.
  load({"PRG START", "L CALL L", " RET", " END"});
  run();
  ASSERT_FALSE(list.items.empty());
  for (int a = 3; a < 256; ++a) EXPECT_EQ(word(a), "0002") << a;
  EXPECT_LE(machine.outcome().passCount, 5001);
}

TEST_F(AddressCheck, APushBelowAddressZeroStopsTheRunAndWritesNothing) {
  // RPUSH fills the stack down over the program seven words at a time. The
  // registers are chosen so that the words landing on the loop's own RPUSH
  // and JUMP words are those words again; at SP 0004 the next RPUSH would
  // write below address 0.
  load({"PRG START", " LAD GR4,#6400", " LAD GR3,6", " LAD GR5,#9500", "L RPUSH", " JUMP L", " RET",
        " END"});
  run();
  EXPECT_EQ(runLines(), Lines{rangeError("00FF", 6, "FFFF", "0004")});
  EXPECT_EQ(word(0), "1240");  // below the last block nothing was written
  EXPECT_EQ(word(3), "0006");
}

// The highest address of the usable memory is usable: an instruction whose
// effective address is that address runs, and one past it stops the run.
TEST(AddressLimits, TheHighestAddressIsUsable) {
  const std::vector<RunCase> runs = {
      {"ST and LD at 00FF", " LAD GR1,7\n ST GR1,#00FF\n LD GR2,#00FF", "", "GR2=0007 #00FF=0007"},
      {"ADDA from 00FF by the index", " LAD GR3,#00FE\n LAD GR1,2\n ST GR1,1,GR3\n ADDA GR1,1,GR3",
       "", "GR1=0004"},
      {"a jump to 00FF finds the blank word there", " JUMP #00FF", "", "PR=00FF steps=1"},
  };
  for (const RunCase& r : runs) {
    SCOPED_TRACE(r.what);
    const FinishedRun run(r.code, r.data);
    EXPECT_EQ(run.runLines(), Lines{});
    expectState(run, r.expected);
  }
  const FinishedRun extended(" LAD GR1,7\n ST GR1,#01FF\n LD GR2,#01FF", "", {}, "P START ;MEX");
  EXPECT_EQ(extended.runLines(), Lines{});
  expectState(extended, "GR2=0007 #01FF=0007");
}

// The stack may grow down to address 0 and no further. Each loop fills the
// stack with words that, read as instructions, take it back to the loop
// (6401 6401: JUMP 0 with GR1 -6401), so the stack can grow over the loop
// itself; the last push that fits writes address 0, the next one stops the
// run with SP 0000.
TEST(AddressLimits, TheStackReachesAddressZero) {
  const std::vector<RunCase> runs = {
      // PUSH #5800,GR2 pushes 6401 until it has pushed over its own address
      // word, then 7002: the PUSH word itself.
      {"PUSH", "L PUSH #5800,GR2\n DC #6401\n DC #6401\nS LAD GR1,#9BFF\n LAD GR2,#0C01\n JUMP L",
       "", "#0000=7002 SP=0000"},
      // After four pushes SP is 252, so the RPUSH of the loop runs at SP 7
      // and writes 6 to 0 last. GR5 and GR6 give the words of JUMP L again,
      // GR7 twice over the RPUSH word.
      {"RPUSH",
       "L RPUSH\n JUMP L\nS PUSH 0,GR1\n PUSH 0,GR1\n PUSH 0,GR1\n PUSH 0,GR1\n"
       " LAD GR6,#6400\n LAD GR7,#4A80\n JUMP L",
       "", "#0000=9500 SP=0000"},
  };
  for (const RunCase& r : runs) {
    SCOPED_TRACE(r.what);
    const FinishedRun run(r.code, r.data, {}, "P START S");
    EXPECT_EQ(run.runLines(), Lines{rangeError("00FF", 0, "FFFF", "0000")});
    expectState(run, r.expected);
  }
}

}  // namespace
}  // namespace casl2wb::runtest
