// Whole checks: complete programs with their full message lists, the hand-over
// to the translation, the line limit, the end of the program for the passes
// after the last line, and a fresh start for every check.

#include <string>
#include <vector>

#include "check_fixture.h"

namespace casl2wb::checktest {
namespace {

using Items = std::vector<std::string>;

class CheckBehaviour : public CheckFixture {};

TEST_F(CheckBehaviour, CorrectProgramListsEveryLineAndReportsNoErrors) {
  const std::vector<std::string> source{
      "SAMPLE START MAIN ;LMT=100",
      "MAIN IN BUF,LEN",
      " LD GR1,LEN",
      " JZE FIN",
      " LAD GR2,0",
      "LOOP LD GR0,BUF,GR2",
      " ADDA GR0,=' '",
      " ST GR0,BUF,GR2",
      " LAD GR2,1,GR2",
      " CPA GR2,LEN",
      " JMI LOOP",
      "FIN OUT BUF,LEN ;echo",
      " RPUSH",
      " RPOP",
      " PUSH 0,GR1",
      " POP GR1",
      " RET",
      "MSG DC 'HELLO WORLD'",
      "BUF DS 80",
      "LEN DS 1",
      "CNT DC 1,-2,#00FF",
      "ADR DC LOOP",
      " END",
  };
  const Items expected{
      " | |SAMPLE|START|MAIN |;LMT=100 |",
      "0000| |MAIN|IN|BUF,LEN | |",
      "0003| | |LD|GR1,LEN | |",
      "0005| | |JZE|FIN | |",
      "0007| | |LAD|GR2,0 | |",
      "0009| |LOOP|LD|GR0,BUF,GR2 | |",
      "000B| | |ADDA|GR0,=' ' | |",
      "000D| | |ST|GR0,BUF,GR2 | |",
      "000F| | |LAD|GR2,1,GR2 | |",
      "0011| | |CPA|GR2,LEN | |",
      "0013| | |JMI|LOOP | |",
      "0015| |FIN|OUT|BUF,LEN |;echo |",
      "0018| | |RPUSH|  | |",
      "0027| | |RPOP|  | |",
      "002F| | |PUSH|0,GR1 | |",
      "0031| | |POP|GR1 | |",
      "0032| | |RET|  | |",
      "0033| |MSG|DC|'HELLO WORLD' |WORLD'|",
      "003E| |BUF|DS|80 | |",
      "008E| |LEN|DS|1 | |",
      "008F| |CNT|DC|1,-2,#00FF | |",
      "0092| |ADR|DC|LOOP | |",
      " | | |END|  | |",
      msgNoErrors,
  };
  EXPECT_EQ(check(source), expected);
  EXPECT_EQ(program.errorCount, 0);
  EXPECT_EQ(table().lineCount, 23);
  EXPECT_EQ(table().programEnd, 0x93);
  EXPECT_EQ(program.outputSize, 80);
  EXPECT_TRUE(program.translated);
  // Resolved references keep their marks.
  EXPECT_TRUE(line(1).firstOperandIsLabel);
  EXPECT_TRUE(line(2).firstOperandIsLabel);
  EXPECT_TRUE(line(2).secondOperandIsLabel);
  EXPECT_TRUE(line(11).secondOperandIsLabel);
  EXPECT_TRUE(line(22).firstOperandIsLabel);
  EXPECT_EQ(checkedPart(7, secondOperand), "=' '");
  EXPECT_EQ(part(7, secondOperand), "=#0020");
  EXPECT_EQ(part(11, secondOperand), "LOOP");
  EXPECT_EQ(part(15, secondOperand), "0");
  EXPECT_EQ(part(15, thirdOperand), "GR1");
  EXPECT_EQ(part(18, firstOperand), "'HELLO WORLD'");
  EXPECT_EQ(part(21, thirdOperand), "#00FF");
}

TEST_F(CheckBehaviour, ProgramWithSeveralErrorsListsEveryMessageAndTheirCount) {
  const std::vector<std::string> source{
      "PROGRAMX1 START", " LD GR8,DATA",   " LD GR1,DATA,GR0", " ADDA GR1,12G4,GR2",
      " JUMP 12A4",      " JUMP NEXT,GR0", "data DS 2",        " POP GR1,GR2",
      " NOP 1",          " HALT",          "DATA DC 3",        "DATA DC 4",
      " LD GR2,DATA",    "E END",
  };
  const Items expected{
      " | |PROGRAMX1|START|  | |",
      msgLabelTooLong,
      "0000| | |LD|GR8,DATA | |",
      msgFirstOperandNotRegister,
      "0002| | |LD|GR1,DATA,GR0 | |",
      msgIndexNotRegister,
      "0004| | |ADDA|GR1,12G4,GR2 | |",
      msgSecondOperandBad,
      "0006| | |JUMP|12A4 | |",
      msgSecondOperandBad,
      "0008| | |JUMP|NEXT,GR0 | |",
      msgBranchIndexBad,
      "000A| |data|DS|2 | |",
      msgLabelBad,
      msgLabelBad,
      msgLabelBad,
      msgLabelBad,
      "000C| | |POP|GR1,GR2 | |",
      msgSecondOperandNotAllowed,
      "000D| | |NOP|1 | |",
      msgOperandNotAllowed,
      "000E| | |HALT|  | |",
      msgUnknownOperation,
      "0010| |DATA|DC|3 | |",
      "0011| |DATA|DC|4 | |",
      "0012| | |LD|GR2,DATA | |",
      " | |E|END|  | |",
      msgLabelNotAllowed,
      msgNoRet,
      labelTwice(3, 2, "DATA"),
      labelUndefined(6, 2, "NEXT"),
      labelTwice(13, 2, "DATA"),
      "18個のエラーがあります。",
  };
  EXPECT_EQ(check(source), expected);
  EXPECT_EQ(program.errorCount, 18);
  EXPECT_EQ(static_cast<int>(program.diagnostics.size()), 18);
  EXPECT_EQ(table().lineCount, 14);
  EXPECT_EQ(table().programEnd, 0x14);
  EXPECT_FALSE(program.translated);
}

TEST_F(CheckBehaviour, BlankLineEndsTheProgramForTheLaterPasses) {
  const Items expected{
      " | |PRG|START|  | |",
      "0000| | |JUMP|LATER | |",
      "0002| | |RET|  | |",
      " | | | |  | |",
      "0003| |LATER|NOP|X | |",
      msgOperandNotAllowed,  // lines after the blank line are still checked
      " | | |END|  | |",
      msgNoEnd,  // the line before the blank line is not END
      labelUndefined(2, 2, "LATER"),
      errorTotal(3),
  };
  EXPECT_EQ(check({"PRG START", " JUMP LATER", " RET", "", "LATER NOP X", " END"}), expected);
  EXPECT_EQ(table().lineCount, 3);
  EXPECT_EQ(table().programEnd, 4);
  EXPECT_FALSE(line(2).secondOperandIsLabel);
}

TEST_F(CheckBehaviour, EndRightBeforeABlankLineIsEnough) {
  EXPECT_EQ(check({"PRG START", " RET", " END", "", "X DS 1"}),
            (Items{" | |PRG|START|  | |", "0000| | |RET|  | |", " | | |END|  | |", " | | | |  | |",
                   "0001| |X|DS|1 | |", msgNoErrors}));
  EXPECT_EQ(table().lineCount, 3);
}

TEST_F(CheckBehaviour, RetAfterTheBlankLineStillCounts) {
  EXPECT_EQ(check({"PRG START", " NOP", "", " RET", " END"}),
            (Items{" | |PRG|START|  | |", "0000| | |NOP|  | |", " | | | |  | |",
                   "0001| | |RET|  | |", " | | |END|  | |", msgNoEnd, errorTotal(1)}));
  EXPECT_EQ(table().lineCount, 2);
}

TEST_F(CheckBehaviour, LineWithOnlyALabelEndsTheProgram) {
  check({"PRG START", " RET", " END", "LBL", " NOP"});
  EXPECT_EQ(table().lineCount, 3);
  EXPECT_EQ(field(4, Column::Label), "LBL");
  EXPECT_EQ(field(4, Column::Operation), " ");
  EXPECT_EQ(address(4), " ");
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckBehaviour, CommentLinesDoNotEndTheProgram) {
  check({"PRG START", ";first", "   ;second", " RET", " END"});
  EXPECT_EQ(table().lineCount, 5);
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckBehaviour, TranslationStartsAfterTheNoErrorsItem) {
  check({"PRG START", " RET", " END"});
  EXPECT_TRUE(program.translated);
  ASSERT_FALSE(checkItems.empty());
  EXPECT_EQ(checkItems.back(), msgNoErrors);
  // The translation's memory dump follows: one row, the word at 0001.
  std::vector<std::string> all = checkItems;
  all.push_back("0001      " + std::string(56, ' '));
  EXPECT_EQ(messages, all);
}

TEST_F(CheckBehaviour, NoTranslationWhenErrorsWereFound) {
  check({"PRG START", " RET"});
  EXPECT_EQ(lastItem(), errorTotal(1));
  EXPECT_FALSE(program.translated);
  EXPECT_EQ(messages, checkItems);
  check({});
  EXPECT_FALSE(program.translated);
  EXPECT_EQ(messages, checkItems);
}

TEST_F(CheckBehaviour, ProgramOfExactly1013LinesIsCheckedWhole) {
  std::vector<std::string> source{"PRG START"};
  for (int n = 2; n <= 1011; ++n) source.push_back(" NOP");
  source.push_back(" RET");  // line 1012
  source.push_back(" END");  // line 1013
  const auto& items = check(source);
  ASSERT_EQ(items.size(), 1014u);
  EXPECT_EQ(items[1011], "03F2| | |RET|  | |");
  EXPECT_EQ(items[1012], " | | |END|  | |");
  EXPECT_EQ(items[1013], msgNoErrors);
  EXPECT_EQ(table().lineCount, 1013);
  EXPECT_EQ(table().programEnd, 1011);
  EXPECT_EQ(occurrences(msgTooManyLines), 0);
}

TEST_F(CheckBehaviour, LinesAfter1013AreNotProcessed) {
  std::vector<std::string> source{"PRG START"};
  for (int n = 2; n <= 1012; ++n) source.push_back(" NOP");
  source.push_back(" NOP X");  // line 1013
  source.push_back(" RET");    // line 1014, not processed
  source.push_back(" END");    // line 1015, not processed
  const auto& items = check(source);
  ASSERT_EQ(items.size(), 1018u);
  EXPECT_EQ(items[0], " | |PRG|START|  | |");
  EXPECT_EQ(items[1], "0000| | |NOP|  | |");
  EXPECT_EQ(items[1011], "03F2| | |NOP|  | |");
  EXPECT_EQ(items[1012], "03F3| | |NOP|X | |");
  EXPECT_EQ(items[1013], msgOperandNotAllowed);
  EXPECT_EQ(items[1014], msgTooManyLines);
  EXPECT_EQ(items[1015], msgNoRet);
  EXPECT_EQ(items[1016], msgNoEnd);
  EXPECT_EQ(items[1017], errorTotal(4));
  EXPECT_EQ(program.errorCount, 4);
  EXPECT_EQ(table().lineCount, 1013);
  EXPECT_EQ(table().programEnd, 1012);
  EXPECT_FALSE(program.translated);
}

TEST_F(CheckBehaviour, EveryCheckStartsAfresh) {
  check({"PRG START", " LD GR1,X", " RET", "X DC 1", " NOP", " END"});
  EXPECT_EQ(lastItem(), msgNoErrors);
  EXPECT_EQ(table().lineCount, 6);
  EXPECT_TRUE(program.translated);

  // The shorter program must not see the rows, labels or counts of the first.
  EXPECT_EQ(check({"PRG START", " LD GR1,X", " RET", " END"}),
            (Items{" | |PRG|START|  | |", "0000| | |LD|GR1,X | |", "0002| | |RET|  | |",
                   " | | |END|  | |", labelUndefined(2, 2, "X"), errorTotal(1)}));
  EXPECT_EQ(program.errorCount, 1);
  EXPECT_EQ(table().lineCount, 4);
  EXPECT_EQ(table().programEnd, 3);
  EXPECT_EQ(field(5, Column::Operation), " ");
  EXPECT_EQ(field(5, Column::Label), " ");
  EXPECT_FALSE(program.translated);

  // And a third check after errors counts from zero again.
  EXPECT_EQ(check({"PRG START", " RET", " END"}),
            (Items{" | |PRG|START|  | |", "0000| | |RET|  | |", " | | |END|  | |", msgNoErrors}));
  EXPECT_EQ(program.errorCount, 0);
  EXPECT_TRUE(program.translated);
}

TEST_F(CheckBehaviour, RetSeenDoesNotCarryOverToTheNextCheck) {
  check({"PRG START", " RET", " END"});
  EXPECT_EQ(check({"PRG START", " NOP", " END"}),
            (Items{" | |PRG|START|  | |", "0000| | |NOP|  | |", " | | |END|  | |", msgNoRet,
                   errorTotal(1)}));
}

}  // namespace
}  // namespace casl2wb::checktest
