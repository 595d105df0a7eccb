// The statement checks of the check: which fixed message each line adds, in
// which order, and that every error message counts once.

#include <string>
#include <vector>

#include "check_fixture.h"

namespace casl2wb::checktest {
namespace {

using Items = std::vector<std::string>;

class CheckMessages : public CheckFixture {};

TEST_F(CheckMessages, EmptyProgramLacksRetAndEnd) {
  EXPECT_EQ(check({}), (Items{msgNoRet, msgNoEnd, errorTotal(2)}));
  EXPECT_EQ(program.errorCount, 2);
  EXPECT_EQ(table().lineCount, 0);
}

TEST_F(CheckMessages, OneEmptyLineAlsoLacksStart) {
  EXPECT_EQ(check({""}), (Items{" | | | |  | |", msgNoStart, msgNoRet, msgNoEnd, errorTotal(3)}));
  EXPECT_EQ(program.errorCount, 3);
}

TEST_F(CheckMessages, ShortestCorrectProgram) {
  EXPECT_EQ(check({"PRG START", " RET", " END"}),
            (Items{" | |PRG|START|  | |", "0000| | |RET|  | |", " | | |END|  | |", msgNoErrors}));
  EXPECT_EQ(program.errorCount, 0);
  EXPECT_TRUE(program.diagnostics.empty());
}

TEST_F(CheckMessages, StartWithoutLabelFailsTheLabelCheckAndLacksALabel) {
  EXPECT_EQ(check({" START", " RET", " END"}),
            (Items{" | | |START|  | |", msgLabelBad, msgStartWithoutLabel, "0000| | |RET|  | |",
                   " | | |END|  | |", errorTotal(2)}));
  EXPECT_EQ(program.errorCount, 2);
}

TEST_F(CheckMessages, FirstLineWithoutStart) {
  EXPECT_EQ(check({" NOP", " RET", " END"}),
            (Items{"0000| | |NOP|  | |", msgNoStart, "0001| | |RET|  | |", " | | |END|  | |",
                   errorTotal(1)}));
}

TEST_F(CheckMessages, LabelOfStartIsChecked) {
  EXPECT_EQ(check({"prg START", " RET", " END"}),
            (Items{" | |prg|START|  | |", msgLabelBad, msgLabelBad, msgLabelBad,
                   "0000| | |RET|  | |", " | | |END|  | |", errorTotal(3)}));
}

TEST_F(CheckMessages, StartOnALaterLineIsCheckedWithoutComplaint) {
  EXPECT_EQ(check({" NOP", "PRG START", " RET", " END"}),
            (Items{"0000| | |NOP|  | |", msgNoStart, " | |PRG|START|  | |", "0001| | |RET|  | |",
                   " | | |END|  | |", errorTotal(1)}));
}

TEST_F(CheckMessages, LowerCaseStartIsNotStart) {
  EXPECT_EQ(check({"PRG start", " RET", " END"}),
            (Items{"0000| |PRG|start|  | |", msgNoStart, msgUnknownOperation, "0002| | |RET|  | |",
                   " | | |END|  | |", errorTotal(2)}));
}

TEST_F(CheckMessages, InWithOneOperandLabelChecksTheBlankSecondPart) {
  EXPECT_EQ(bodyItems({" IN BUF", "BUF DS 1"}),
            (Items{"0000| | |IN|BUF | |", msgLabelBad, "0003| |BUF|DS|1 | |"}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, FirstOperandNotARegister) {
  // The second operand is then not examined, so X is never looked up.
  EXPECT_EQ(bodyItems({" LD GR8,X"}), (Items{"0000| | |LD|GR8,X | |", msgFirstOperandNotRegister}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, IndexRegisterZeroIsRejected) {
  EXPECT_EQ(bodyItems({" LD GR1,X,GR0", "X DS 1"}),
            (Items{"0000| | |LD|GR1,X,GR0 | |", msgIndexNotRegister, "0002| |X|DS|1 | |"}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, IndexIsCheckedBeforeTheFirstOperand) {
  EXPECT_EQ(bodyItems({" LD GR8,X,GR0"}),
            (Items{"0000| | |LD|GR8,X,GR0 | |", msgIndexNotRegister, msgFirstOperandNotRegister}));
  EXPECT_EQ(lastItem(), errorTotal(2));
}

TEST_F(CheckMessages, StoreAndShiftIndexIsChecked) {
  EXPECT_EQ(bodyItems({" ST GR1,X,GR0", " SLL GR1,1,GR8", "X DS 1"}),
            (Items{"0000| | |ST|GR1,X,GR0 | |", msgIndexNotRegister, "0002| | |SLL|GR1,1,GR8 | |",
                   msgIndexNotRegister, "0004| |X|DS|1 | |"}));
  EXPECT_EQ(lastItem(), errorTotal(2));
}

TEST_F(CheckMessages, BranchIndexRegisterZeroIsRejected) {
  EXPECT_EQ(bodyItems({" JUMP X,GR0", "X DS 1"}),
            (Items{"0000| | |JUMP|X,GR0 | |", msgBranchIndexBad, "0002| |X|DS|1 | |"}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, NumericOperandWithANonHexLetter) {
  EXPECT_EQ(bodyItems({" LD GR1,12G4,GR2"}),
            (Items{"0000| | |LD|GR1,12G4,GR2 | |", msgSecondOperandBad}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, NumericOperandsWithDigitsSignsAndHexLetters) {
  EXPECT_EQ(bodyItems({" LD GR1,1234,GR2", " ST GR1,12AF,GR2", " LAD GR1,-1,GR3", " SLA GR1,0F"}),
            (Items{"0000| | |LD|GR1,1234,GR2 | |", "0002| | |ST|GR1,12AF,GR2 | |",
                   "0004| | |LAD|GR1,-1,GR3 | |", "0006| | |SLA|GR1,0F | |"}));
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckMessages, BranchAddressHasNoHexLetters) {
  EXPECT_EQ(bodyItems({" JUMP 12A4"}), (Items{"0000| | |JUMP|12A4 | |", msgSecondOperandBad}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, ShortBranchAddressesPass) {
  // "12 " and "AB " keep their space through normalisation; the branch check
  // drops it before looking at the characters.
  EXPECT_EQ(bodyItems({" JUMP 12", " JPL -1,GR1", " JZE AB", "AB DS 1"}),
            (Items{"0000| | |JUMP|12 | |", "0002| | |JPL|-1,GR1 | |", "0004| | |JZE|AB | |",
                   "0006| |AB|DS|1 | |"}));
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckMessages, OneMessagePerBadNumericOperand) {
  EXPECT_EQ(bodyItems({" LD GR1,1GGG,GR2"}),
            (Items{"0000| | |LD|GR1,1GGG,GR2 | |", msgSecondOperandBad}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, BadOperandDoesNotSpoilALaterGoodOne) {
  EXPECT_EQ(
      bodyItems({" LD GR1,12G4,GR2", " LD GR1,1234,GR2"}),
      (Items{"0000| | |LD|GR1,12G4,GR2 | |", msgSecondOperandBad, "0002| | |LD|GR1,1234,GR2 | |"}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, LongAddressOperandWithIndex) {
  // Too long: no further checks, and the operand is not looked up later.
  EXPECT_EQ(bodyItems({" LD GR1,ABCDEFGHI,GR2"}),
            (Items{"0000| | |LD|GR1,ABCDEFGHI,GR2 | |", msgSecondOperandTooLong}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, LongAddressOperandWithoutIndexFailsTheLabelCheck) {
  EXPECT_EQ(check({"PRG START", " LD GR1,ABCDEFGHI", " RET", " END"}),
            (Items{" | |PRG|START|  | |", "0000| | |LD|GR1,ABCDEFGHI | |", msgLabelTooLong,
                   "0002| | |RET|  | |", " | | |END|  | |", labelUndefined(2, 2, "ABCDEFGHI"),
                   errorTotal(2)}));
}

TEST_F(CheckMessages, LongStoreAddressOperand) {
  EXPECT_EQ(bodyItems({" ST GR1,ABCDEFGHI"}),
            (Items{"0000| | |ST|GR1,ABCDEFGHI | |", msgSecondOperandTooLong}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, NegativeOperandWithoutIndexFailsTheLabelCheck) {
  EXPECT_EQ(bodyItems({" LD GR1,-5"}), (Items{"0000| | |LD|GR1,-5 | |", msgLabelBad}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, PopOperands) {
  EXPECT_EQ(
      bodyItems({" POP GR1", " POP X", " POP GR1,GR2", " POP GR1,GR2,GR3"}),
      (Items{"0000| | |POP|GR1 | |", "0001| | |POP|X | |", msgPopOperandBad,
             "0002| | |POP|GR1,GR2 | |", msgSecondOperandNotAllowed, "0003| | |POP|GR1,GR2,GR3 | |",
             msgSecondOperandNotAllowed, msgThirdOperandNotAllowed}));
  EXPECT_EQ(lastItem(), errorTotal(4));
}

TEST_F(CheckMessages, InAndOutTakeNoThirdOperand) {
  EXPECT_EQ(bodyItems({" IN A,B,C", " OUT A,B,C", " out A,B,C", "A DS 2", "B DC 2"}),
            (Items{"0000| | |IN|A,B,C | |", msgThirdOperandNotAllowed, "0003| | |OUT|A,B,C | |",
                   msgThirdOperandNotAllowed, "0006| | |out|A,B,C | |", msgThirdOperandNotAllowed,
                   "0008| |A|DS|2 | |", "000A| |B|DC|2 | |"}));
  EXPECT_EQ(lastItem(), errorTotal(3));
}

TEST_F(CheckMessages, StatementsWithoutOperands) {
  EXPECT_EQ(bodyItems({" NOP X", " RET X", " RPUSH X", " RPOP X", " DMP X", " MDMP X"}),
            (Items{"0000| | |NOP|X | |", msgOperandNotAllowed, "0001| | |RET|X | |",
                   msgOperandNotAllowed, "0002| | |RPUSH|X | |", msgOperandNotAllowed,
                   "0011| | |RPOP|X | |", msgOperandNotAllowed, "0019| | |DMP|X | |",
                   msgOperandNotAllowed, "001A| | |MDMP|X | |", msgOperandNotAllowed}));
  EXPECT_EQ(lastItem(), errorTotal(6));
}

TEST_F(CheckMessages, LabelsOfStatementsWithoutOperandsAreChecked) {
  EXPECT_EQ(bodyItems({"r1 NOP", "r0 RET", "r2 RPUSH", "r3 RPOP", "r4 DMP", "r5 MDMP"}),
            (Items{"0000| |r1|NOP|  | |", msgLabelBad, "0001| |r0|RET|  | |", msgLabelBad,
                   "0002| |r2|RPUSH|  | |", msgLabelBad, "0011| |r3|RPOP|  | |", msgLabelBad,
                   "0019| |r4|DMP|  | |", msgLabelBad, "001A| |r5|MDMP|  | |", msgLabelBad}));
  EXPECT_EQ(lastItem(), errorTotal(6));
}

TEST_F(CheckMessages, LabelOfABranchIsChecked) {
  EXPECT_EQ(bodyItems({"lp JUMP X", "X DS 1"}),
            (Items{"0000| |lp|JUMP|X | |", msgLabelBad, msgLabelBad, "0002| |X|DS|1 | |"}));
  EXPECT_EQ(lastItem(), errorTotal(2));
}

TEST_F(CheckMessages, RetWithAnOperandStillCountsAsRet) {
  EXPECT_EQ(check({"PRG START", " RET X", " END"}),
            (Items{" | |PRG|START|  | |", "0000| | |RET|X | |", msgOperandNotAllowed,
                   " | | |END|  | |", errorTotal(1)}));
}

TEST_F(CheckMessages, UnknownOperations) {
  EXPECT_EQ(bodyItems({" HALT", " ld GR1,X", " Nop"}),
            (Items{"0000| | |HALT|  | |", msgUnknownOperation, "0002| | |ld|GR1,X | |",
                   msgUnknownOperation, "0004| | |Nop|  | |", msgUnknownOperation}));
  EXPECT_EQ(lastItem(), errorTotal(3));
}

TEST_F(CheckMessages, EndWithALabelAndAnOperand) {
  EXPECT_EQ(check({"PRG START", " RET", "E END X"}),
            (Items{" | |PRG|START|  | |", "0000| | |RET|  | |", " | |E|END|X | |",
                   msgLabelNotAllowed, msgOperandNotAllowed, errorTotal(2)}));
}

TEST_F(CheckMessages, LowerCaseEndIsUnknownAndLeavesTheProgramWithoutEnd) {
  EXPECT_EQ(check({"PRG START", " RET", " end"}),
            (Items{" | |PRG|START|  | |", "0000| | |RET|  | |", "0001| | |end|  | |",
                   msgUnknownOperation, msgNoEnd, errorTotal(2)}));
}

TEST_F(CheckMessages, LowerCaseEndIsCheckedLikeEndFirst) {
  EXPECT_EQ(
      check({"PRG START", " RET", "E end X"}),
      (Items{" | |PRG|START|  | |", "0000| | |RET|  | |", "0001| |E|end|X | |", msgLabelNotAllowed,
             msgOperandNotAllowed, msgUnknownOperation, msgNoEnd, errorTotal(4)}));
}

TEST_F(CheckMessages, StraySpaceInsideAQuotedOperand) {
  EXPECT_EQ(bodyItems({" LD GR1,='A B'"}), (Items{"0000| | |LD|GR1,='A |B'|", msgStraySpace}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, ExtraTokenWithoutAQuoteIsNotReported) {
  EXPECT_EQ(bodyItems({" LD GR1,GR2 EXTRA"}), (Items{"0000| | |LD|GR1,GR2 |EXTRA|"}));
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckMessages, CommentAfterAQuotedOperandIsNotAStrayToken) {
  EXPECT_EQ(bodyItems({" LD GR1,='AB' ;c", " DC 'A B'"}),
            (Items{"0000| | |LD|GR1,='AB' |;c|", "0002| | |DC|'A B' |B'|"}));
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckMessages, SeventyTwoCharactersAreAllowedCountingCharactersNotBytes) {
  EXPECT_EQ(bodyItems({" NOP ;" + repeat("あ", 66)}),
            (Items{"0000| | |NOP|  |;" + repeat("あ", 65) + "|"}));
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckMessages, SeventyThreeCharactersAreReportedAndStillChecked) {
  EXPECT_EQ(bodyItems({" NOP ;" + repeat("あ", 67)}),
            (Items{msgLineTooLong, "0000| | |NOP|  |;" + repeat("あ", 65) + "|"}));
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckMessages, OverLongLineMessageComesBeforeTheLineItsOtherMessages) {
  const std::string line = " HALT ;" + repeat("x", 66);  // 73 characters
  EXPECT_EQ(check({line, " RET", " END"}),
            (Items{msgLineTooLong, "0000| | |HALT|  |;" + repeat("x", 64) + "|", msgNoStart,
                   msgUnknownOperation, "0002| | |RET|  | |", " | | |END|  | |", errorTotal(3)}));
  EXPECT_EQ(program.errorCount, 3);
}

}  // namespace
}  // namespace casl2wb::checktest
