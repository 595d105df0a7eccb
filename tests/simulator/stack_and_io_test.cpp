// PUSH, POP, RPUSH, RPOP, CALL, RET, OUT, IN and DMP inside whole runs.
#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

using Lines = std::vector<std::string>;

class StackAndIo : public RunFixture {};

// A push decrements SP, then writes; a pop reads, then increments SP. The
// stack starts at 0100 (empty); neither changes FR.
TEST(Stack, PushPopAndTheRegisterMacros) {
  const std::vector<RunCase> runs = {
      {"PUSH adr,x pushes eff", " LAD GR1,3\n PUSH 5,GR1\n POP GR2", "",
       "#00FF=0008 GR2=0008 SP=0100"},
      {"PUSH leaves FR", " LD GR1,=#8000\n PUSH 0,GR1\n LAD GR1,0\n POP GR1", "",
       "GR1=8000 FR=010"},
      {"POP into GR7 leaves FR", " LAD GR1,#1234\n PUSH 0,GR1\n LD GR2,=0\n POP GR7", "",
       "GR7=1234 FR=001 SP=0100"},
      {"POP into GR0", " LAD GR1,9\n PUSH 0,GR1\n POP GR0", "", "GR0=0009 SP=0100"},
      {"last in, first out", " LAD GR1,1\n LAD GR2,2\n PUSH 0,GR1\n PUSH 0,GR2\n POP GR3\n POP GR4",
       "", "GR3=0002 GR4=0001 #00FF=0001 #00FE=0002 SP=0100"},
      {"POP r=8 only moves SP", " LAD GR1,9\n PUSH 0,GR1\n DC #7180", "",
       "GR0=0000 SP=0100 steps=3"},
      {"RPUSH and RPOP", " LAD GR1,1\n LAD GR7,7\n RPUSH\n LAD GR1,0\n LAD GR7,0\n RPOP", "",
       "GR1=0001 GR7=0007 #00FF=0001 #00F9=0007 SP=0100 steps=6"},
      {"RPUSH and RPOP leave FR", " LD GR1,=#8000\n RPUSH\n LD GR1,=0\n RPOP", "",
       "GR1=8000 FR=001"},
  };
  for (const RunCase& r : runs) {
    SCOPED_TRACE(r.what);
    expectState(FinishedRun(r.code, r.data), r.expected);
  }
}

// CALL pushes the address after it and jumps to eff; RET pops PR. A return
// to an address past the memory ends the run with PR 255 (512 with MEX).
TEST(Stack, CallAndReturn) {
  const std::vector<RunCase> runs = {
      {"CALL and RET", " CALL S\n LAD GR7,1", "S LAD GR6,1\n RET",
       "GR6=0001 GR7=0001 #00FF=0002 SP=0100 steps=4"},
      {"nested calls", " CALL S", "S CALL T\n RET\nT LAD GR7,1\n RET",
       "GR7=0001 #00FF=0002 #00FE=0005 SP=0100"},
      {"CALL adr,x", " LAD GR2,2\n CALL S,GR2", "S LAD GR7,1\n LAD GR7,2\n RET", "GR7=0002"},
      {"CALL adr,GR7", " LAD GR7,2\n CALL S,GR7", "S LAD GR6,1\n LAD GR6,2\n RET", "GR6=0002"},
      {"CALL and RET leave FR", " LD GR1,=#8000\n CALL S", "S RET", "FR=010"},
      {"RET to a pushed address", " LAD GR1,T\n PUSH 0,GR1\n RET\n LAD GR7,1\nT LAD GR7,2", "",
       "GR7=0002 SP=0100"},
      {"RET to the memory top goes there", " LAD GR1,#100\n PUSH 0,GR1\n RET", "",
       "PR=0100 SP=0100"},
      {"RET past the memory top", " PUSH #0101\n RET", "", "PR=00FF"},
  };
  for (const RunCase& r : runs) {
    SCOPED_TRACE(r.what);
    expectState(FinishedRun(r.code, r.data), r.expected);
  }
  expectState(FinishedRun(" PUSH #0201\n RET", "", {}, "P START ;MEX"), "PR=0200");
  expectState(FinishedRun(" PUSH #0200\n RET", "", {}, "P START ;MEX"), "PR=0200 SP=0200");
}

TEST_F(StackAndIo, CallPushesTheReturnAddressAndRetTakesItBack) {
  load({"PRG START", " CALL SUB", " RET", "SUB RET", " END"});
  run();
  EXPECT_EQ(word(255), "0002");
  ASSERT_EQ(machine.record().recordedSteps(), 2);
  EXPECT_EQ(machine.record().slot(0).pr, 0);
  EXPECT_EQ(machine.record().slot(0).sp, 0x00FF);
  EXPECT_EQ(machine.record().slot(1).pr, 3);
  EXPECT_EQ(machine.record().slot(1).sp, 0x00FF);  // recorded before the return
  EXPECT_EQ(panel().pr, 0x2);                      // the main program's RET, on an empty stack
  EXPECT_EQ(panel().sp, 0x0100);
}

TEST_F(StackAndIo, MainProgramRetEndsTheRunWithoutARecord) {
  load({"PRG START", " LD GR1,A", " RET", "A DC 7", " END"});
  run();
  EXPECT_EQ(machine.record().recordedSteps(), 1);
  EXPECT_EQ(gr(1), "0007");
  EXPECT_EQ(mnemonicOf(panel()), "RET");
}

TEST_F(StackAndIo, RpushAndRpopRestoreEveryRegisterInOneStepEach) {
  load({"PRG START", " LAD GR1,1", " LAD GR2,2", " LAD GR3,3", " LAD GR4,4", " LAD GR5,5",
        " LAD GR6,6", " LAD GR7,7", " RPUSH", " LAD GR1,0", " LAD GR7,0", " RPOP", " RET", " END"});
  run();
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(gr(n), "000" + std::to_string(n));
  EXPECT_EQ(word(255), "0001");  // GR1 at the highest address
  EXPECT_EQ(word(249), "0007");  // GR7 at SP
  ASSERT_EQ(machine.record().recordedSteps(), 11);
  EXPECT_EQ(machine.record().slot(7).pr, 14);  // the RPUSH word
  EXPECT_EQ(machine.record().slot(7).sp, 0x00F9);
  EXPECT_EQ(machine.record().slot(10).pr, 33 + 7);  // the last POP word of RPOP at 33
  EXPECT_EQ(machine.record().slot(10).sp, 0x0100);
  EXPECT_EQ(panel().pr, 0x29);  // RPOP + 8: the RET
}

TEST_F(StackAndIo, PushWithoutIndexWarnsAndPushesTheAddress) {
  load({"PRG START", " PUSH 5", " POP GR3", " RET", " END"});
  run();
  EXPECT_EQ(runLines(), Lines{"******* 警告 ******* GR0は使用できません　*******"});
  EXPECT_EQ(gr(3), "0005");
  EXPECT_EQ(word(255), "0005");
}

TEST_F(StackAndIo, PopOnAnEmptyStackReadsTheBlankWordAndTheNextStepStops) {
  load({"PRG START", " LAD GR1,9", " POP GR1", " NOP", " RET", " END"});
  run();
  EXPECT_EQ(gr(1), "0000");
  EXPECT_EQ(machine.record().slot(1).sp, 0x0101);
  EXPECT_EQ(
      runLines(),
      Lines{"****** ｴﾗ- ****** 実行ｱﾄﾞﾚｽか,ﾌﾟﾛｸﾞﾗﾑｶｳﾝﾀか,ｽﾀｯｸﾎﾟｲﾝﾀがﾒﾓﾘの使用範囲#0000より小さいか,"
            "00FFより大きくなった．------- ｱﾄﾞﾚｽは,3です．------ 実効ｱﾄﾞﾚｽは0000です.-----  "
            "SP=0101"});
}

TEST_F(StackAndIo, OutCountsTheWordsThatAreNotZeroAndWritesTheLength) {
  load({"PRG START", " LD GR1,=#41", " ST GR1,BUF", " LD GR1,=#42", " LAD GR2,1", " ST GR1,BUF,GR2",
        " OUT BUF,LEN", " RET", "BUF DS 2", "LEN DS 1", " END"});
  EXPECT_EQ(program.outputSize, 2);
  run();
  EXPECT_EQ(runLines(), Lines{"AB"});
  EXPECT_EQ(word(0x10), "0002");  // LEN, right after the two buffer words
  EXPECT_EQ(machine.outcome().outputLine, "AB");
}

TEST_F(StackAndIo, OutShowsHalfWidthKanaAndStopsAtTheFirstZeroWord) {
  load({"PRG START", " OUT MSG,LEN", " RET", "MSG DS 3", "LEN DS 1", " END"});
  patch(4, Word(0x00B1));
  patch(5, Word(0x0000));
  patch(6, Word(0x0041));
  run();
  EXPECT_EQ(runLines(), Lines{"ｱ"});
  EXPECT_EQ(word(7), "0002");  // two words are not 0000, one of them after the NUL
}

TEST_F(StackAndIo, InStoresTheCharactersAndTheirCount) {
  load({"PRG START", " IN BUF,LEN", " RET", "BUF DS 5", "LEN DS 1", " END"});
  dialogs.answers = {"ABC"};
  run();
  EXPECT_EQ(dialogs.prompts, Lines{"IN命令の入力|IN|0"});
  EXPECT_EQ(word(4), "0041");
  EXPECT_EQ(word(5), "0042");
  EXPECT_EQ(word(6), "0043");
  EXPECT_EQ(word(7), "0000");
  EXPECT_EQ(word(9), "0003");
  EXPECT_EQ(machine.cpu().memory[9].signedValue(), 3);
}

TEST_F(StackAndIo, InOfEightyCharactersStoresThemAllWithoutAWarning) {
  const FinishedRun run(" IN BUF,LEN", "BUF DS 81\nLEN DS 1", {std::string(80, 'Z')});
  EXPECT_EQ(run.runLines(), Lines{});
  expectState(run, "BUF+79=005A BUF+80=0000 LEN=0050");
}

TEST_F(StackAndIo, InOfTheDefaultEntryStoresTheDigitZero) {
  load({"PRG START", " IN BUF,LEN", " RET", "BUF DS 1", "LEN DS 1", " END"});
  dialogs.answers = {"0"};
  run();
  EXPECT_EQ(word(4), "0030");
  EXPECT_EQ(word(5), "0001");
}

TEST_F(StackAndIo, InCancelledOrMinusOneStoresNothingAndLengthFFFF) {
  for (const char* answer : {"", "-1"}) {
    SCOPED_TRACE(answer);
    load({"PRG START", " IN BUF,LEN", " RET", "BUF DS 2", "LEN DS 1", " END"});
    dialogs.answers = {answer};
    run();
    EXPECT_EQ(word(4), "0000");
    EXPECT_EQ(word(6), "FFFF");
    EXPECT_EQ(machine.cpu().memory[6].signedValue(), -1);
  }
}

TEST_F(StackAndIo, InOfMoreThanEightyCharactersKeepsEightyAndTheFullLength) {
  load({"PRG START", " IN BUF,LEN", " RET", "BUF DS 90", "LEN DS 1", " END"});
  dialogs.answers = {std::string(85, 'Z')};
  run();
  EXPECT_EQ(runLines(),
            Lines{"******* 警告 ******* 入力ﾃﾞ-ﾀが80語を越えたので以降の文字を無視します.*******"});
  EXPECT_EQ(word(4 + 79), "005A");
  EXPECT_EQ(word(4 + 80), "0000");
  EXPECT_EQ(word(94), "0055");
}

TEST_F(StackAndIo, InStoresDoubleByteCharactersAsOneWord) {
  load({"PRG START", " IN BUF,LEN", " RET", "BUF DS 3", "LEN DS 1", " END"});
  dialogs.answers = {"あｱ"};
  run();
  EXPECT_EQ(word(4), "82A0");
  EXPECT_EQ(word(5), "00B1");
  EXPECT_EQ(word(7), "0002");
}

TEST_F(StackAndIo, DmpShowsTheInstructionCountAndTheRegisters) {
  load({"PRG START", " LAD GR1,#1234", " DMP", " DMP", " RET", " END"});
  run();
  EXPECT_EQ(runLines(),
            (Lines{"命令：DMP    実行回数：1",
                   " PC(0002)GR0(0000)GR1(1234)GR2(0000)GR3(0000)GR4(0000)GR5(0000)GR6(0000)"
                   "GR7(0000)FR(000)SP(0100)",
                   "命令：DMP    実行回数：2",
                   " PC(0003)GR0(0000)GR1(1234)GR2(0000)GR3(0000)GR4(0000)GR5(0000)GR6(0000)"
                   "GR7(0000)FR(000)SP(0100)"}));
}

}  // namespace
}  // namespace casl2wb::runtest
