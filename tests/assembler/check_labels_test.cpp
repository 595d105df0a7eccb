// Label syntax and the resolution of label references after the last line:
// undefined labels and labels defined on more than one line, reported with
// the source line number and the operand text.

#include <string>
#include <vector>

#include "check_fixture.h"

namespace casl2wb::checktest {
namespace {

using Items = std::vector<std::string>;

class CheckLabels : public CheckFixture {};

TEST_F(CheckLabels, EightCharacterLabelPasses) {
  EXPECT_EQ(bodyItems({"ABCDEFGH DS 1"}), (Items{"0000| |ABCDEFGH|DS|1 | |"}));
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckLabels, NineCharacterLabelIsTooLongOnceWithoutCharacterMessages) {
  EXPECT_EQ(bodyItems({"ABCDEFGHI DS 1", "abcdefghi DS 1"}),
            (Items{"0000| |ABCDEFGHI|DS|1 | |", msgLabelTooLong, "0001| |abcdefghi|DS|1 | |",
                   msgLabelTooLong}));
  EXPECT_EQ(lastItem(), errorTotal(2));
}

TEST_F(CheckLabels, EveryBadCharacterGivesOneMessage) {
  EXPECT_EQ(bodyItems({"ab DS 1", "A_B DC 1", "A-B DC 2"}),
            (Items{"0000| |ab|DS|1 | |", msgLabelBad, msgLabelBad, "0001| |A_B|DC|1 | |",
                   msgLabelBad, "0002| |A-B|DC|2 | |", msgLabelBad}));
  EXPECT_EQ(lastItem(), errorTotal(4));
}

TEST_F(CheckLabels, DigitMayComeFirst) {
  EXPECT_EQ(bodyItems({"1A DS 1"}), (Items{"0000| |1A|DS|1 | |"}));
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckLabels, DoubleWidthAndHalfWidthCharactersCountAsOneEach) {
  const std::string wideEight = "ＡＢＣＤＥＦＧＨ";
  const std::string wideNine = "ＡＢＣＤＥＦＧＨＩ";
  EXPECT_EQ(
      bodyItems({"あい DS 1", "ﾗﾍﾞﾙ DS 1", wideEight + " DS 1", wideNine + " DS 1"}),
      (Items{"0000| |あい|DS|1 | |", msgLabelBad, msgLabelBad, "0001| |ﾗﾍﾞﾙ|DS|1 | |", msgLabelBad,
             msgLabelBad, msgLabelBad, msgLabelBad, "0002| |" + wideEight + "|DS|1 | |",
             msgLabelBad, msgLabelBad, msgLabelBad, msgLabelBad, msgLabelBad, msgLabelBad,
             msgLabelBad, msgLabelBad, "0003| |" + wideNine + "|DS|1 | |", msgLabelTooLong}));
  EXPECT_EQ(lastItem(), errorTotal(15));
}

TEST_F(CheckLabels, LabelsOfInOutDcAndDsAreChecked) {
  EXPECT_EQ(bodyItems({"i IN A,B", "o OUT A,B", "d DC 1", "s DS 1", "A DS 1", "B DS 1"}),
            (Items{"0000| |i|IN|A,B | |", msgLabelBad, "0003| |o|OUT|A,B | |", msgLabelBad,
                   "0006| |d|DC|1 | |", msgLabelBad, "0007| |s|DS|1 | |", msgLabelBad,
                   "0008| |A|DS|1 | |", "0009| |B|DS|1 | |"}));
  EXPECT_EQ(lastItem(), errorTotal(4));
}

TEST_F(CheckLabels, UndefinedLabelNamesTheSourceLine) {
  check({"PRG START", " NOP", " NOP", " NOP", " NOP", " NOP", " LD GR1,X", " RET", " END"});
  ASSERT_GE(checkItems.size(), 2u);
  EXPECT_EQ(checkItems[checkItems.size() - 2], labelUndefined(7, 2, "X"));
  EXPECT_EQ(lastItem(), errorTotal(1));
  EXPECT_FALSE(line(7).secondOperandIsLabel);  // cleared for an undefined reference
}

TEST_F(CheckLabels, LabelDefinedTwiceIsReportedOncePerReference) {
  const auto& items =
      check({"PRG START", "L DS 1", "L DS 1", " LD GR1,L", " ST GR1,L", " JUMP L", " RET", " END"});
  EXPECT_EQ(items, (Items{" | |PRG|START|  | |", "0000| |L|DS|1 | |", "0001| |L|DS|1 | |",
                          "0002| | |LD|GR1,L | |", "0004| | |ST|GR1,L | |", "0006| | |JUMP|L | |",
                          "0008| | |RET|  | |", " | | |END|  | |", labelTwice(4, 2, "L"),
                          labelTwice(5, 2, "L"), labelTwice(6, 2, "L"), errorTotal(3)}));
  EXPECT_TRUE(line(4).secondOperandIsLabel);
  EXPECT_TRUE(line(5).secondOperandIsLabel);
  EXPECT_TRUE(line(6).secondOperandIsLabel);
}

TEST_F(CheckLabels, UnreferencedDuplicateIsNotReported) {
  EXPECT_EQ(check({"PRG START", "L DS 1", "L DS 1", " RET", " END"}),
            (Items{" | |PRG|START|  | |", "0000| |L|DS|1 | |", "0001| |L|DS|1 | |",
                   "0002| | |RET|  | |", " | | |END|  | |", msgNoErrors}));
}

TEST_F(CheckLabels, HexNumericAndLiteralOperandsAreNotLookedUp) {
  check({"PRG START", " LD GR1,#0010", " LD GR1,1234", " ADDA GR1,=5", " LD GR1,#00GG,GR2",
         " JUMP #FFFF", " RET", " END"});
  EXPECT_EQ(lastItem(), msgNoErrors);
  EXPECT_EQ(program.errorCount, 0);
  EXPECT_FALSE(line(2).secondOperandIsLabel);  // "#" without index: not a label
  EXPECT_TRUE(line(3).secondOperandIsLabel);   // marked, passes, never looked up
  EXPECT_FALSE(line(4).secondOperandIsLabel);  // literal
  EXPECT_TRUE(line(5).secondOperandIsLabel);   // "#" with index: marked, not label-checked
  EXPECT_TRUE(line(6).secondOperandIsLabel);
}

TEST_F(CheckLabels, DigitsWithALetterAreLookedUp) {
  EXPECT_EQ(check({"PRG START", " LD GR1,12G4", " RET", " END"}),
            (Items{" | |PRG|START|  | |", "0000| | |LD|GR1,12G4 | |", "0002| | |RET|  | |",
                   " | | |END|  | |", labelUndefined(2, 2, "12G4"), errorTotal(1)}));
}

TEST_F(CheckLabels, UndefinedStartOperand) {
  EXPECT_EQ(check({"PRG START MAIN", " RET", " END"}),
            (Items{" | |PRG|START|MAIN | |", "0000| | |RET|  | |", " | | |END|  | |",
                   labelUndefined(1, 1, "MAIN"), errorTotal(1)}));
  EXPECT_FALSE(line(1).firstOperandIsLabel);
}

TEST_F(CheckLabels, StartOperandNamesALaterLabel) {
  EXPECT_EQ(
      check({"PRG START MAIN", "MAIN RET", " END"}),
      (Items{" | |PRG|START|MAIN | |", "0000| |MAIN|RET|  | |", " | | |END|  | |", msgNoErrors}));
  EXPECT_TRUE(line(1).firstOperandIsLabel);
  EXPECT_EQ(part(1, firstOperand), "MAIN");
}

TEST_F(CheckLabels, StartOperandIsLabelChecked) {
  EXPECT_EQ(
      check({"PRG START a_b", " RET", " END"}),
      (Items{" | |PRG|START|a_b | |", msgLabelBad, msgLabelBad, msgLabelBad, "0000| | |RET|  | |",
             " | | |END|  | |", labelUndefined(1, 1, "a_b"), errorTotal(4)}));
}

TEST_F(CheckLabels, ResolutionGoesByLineThenOperand) {
  EXPECT_EQ(check({"PRG START", " LD GR1,Y", " IN A,B", " RET", " END"}),
            (Items{" | |PRG|START|  | |", "0000| | |LD|GR1,Y | |", "0002| | |IN|A,B | |",
                   "0005| | |RET|  | |", " | | |END|  | |", labelUndefined(2, 2, "Y"),
                   labelUndefined(3, 1, "A"), labelUndefined(3, 2, "B"), errorTotal(3)}));
  EXPECT_FALSE(line(3).firstOperandIsLabel);
  EXPECT_FALSE(line(3).secondOperandIsLabel);
}

TEST_F(CheckLabels, LiteralOperandsOfInAndOutAreNotLabels) {
  EXPECT_EQ(check({"PRG START", " OUT ='HI',=2", " IN BUF,=80", "BUF DS 80", " RET", " END"}),
            (Items{" | |PRG|START|  | |", "0000| | |OUT|='HI',=2 | |", "0003| | |IN|BUF,=80 | |",
                   "0006| |BUF|DS|80 | |", "0056| | |RET|  | |", " | | |END|  | |", msgNoErrors}));
  EXPECT_FALSE(line(2).firstOperandIsLabel);
  EXPECT_FALSE(line(2).secondOperandIsLabel);
  EXPECT_TRUE(line(3).firstOperandIsLabel);
  EXPECT_FALSE(line(3).secondOperandIsLabel);
}

TEST_F(CheckLabels, DcOperandStartingWithALetterNamesALabel) {
  EXPECT_EQ(
      check({"PRG START", "A DC B", "B DC C", "N DC 5", "H DC #10", "S DC 'C'", " RET", " END"}),
      (Items{" | |PRG|START|  | |", "0000| |A|DC|B | |", "0001| |B|DC|C | |", "0002| |N|DC|5 | |",
             "0003| |H|DC|#10 | |", "0004| |S|DC|'C' | |", "0005| | |RET|  | |", " | | |END|  | |",
             labelUndefined(3, 1, "C"), errorTotal(1)}));
  EXPECT_TRUE(line(2).firstOperandIsLabel);
  EXPECT_FALSE(line(3).firstOperandIsLabel);
  EXPECT_FALSE(line(4).firstOperandIsLabel);
  EXPECT_FALSE(line(5).firstOperandIsLabel);
  EXPECT_FALSE(line(6).firstOperandIsLabel);
}

TEST_F(CheckLabels, LowerCaseDcOperandIsCheckedAndLookedUp) {
  EXPECT_EQ(bodyItems({"A DC abc"}),
            (Items{"0000| |A|DC|abc | |", msgLabelBad, msgLabelBad, msgLabelBad}));
  ASSERT_GE(checkItems.size(), 2u);
  EXPECT_EQ(checkItems[checkItems.size() - 2], labelUndefined(2, 1, "abc"));
  EXPECT_EQ(lastItem(), errorTotal(4));
}

TEST_F(CheckLabels, EveryLineLabelTakesPartIncludingStart) {
  EXPECT_EQ(
      check({"PRG START", " JUMP PRG", " CALL SUB", "SUB RET", "X DC 1", " LD GR1,X", " END"}),
      (Items{" | |PRG|START|  | |", "0000| | |JUMP|PRG | |", "0002| | |CALL|SUB | |",
             "0004| |SUB|RET|  | |", "0005| |X|DC|1 | |", "0006| | |LD|GR1,X | |",
             " | | |END|  | |", msgNoErrors}));
}

TEST_F(CheckLabels, LabelsAreCaseSensitive) {
  EXPECT_EQ(
      check({"PRG START", "Lp DS 1", " LD GR1,LP", " RET", " END"}),
      (Items{" | |PRG|START|  | |", "0000| |Lp|DS|1 | |", msgLabelBad, "0001| | |LD|GR1,LP | |",
             "0003| | |RET|  | |", " | | |END|  | |", labelUndefined(3, 2, "LP"), errorTotal(2)}));
}

TEST_F(CheckLabels, LabelTableCopiesEveryLabelColumn) {
  check({"PRG START", "LAB LD GR1,X", " RET", "X DS 1", " END"});
  EXPECT_EQ(table().lineCount, 5);
  EXPECT_EQ(label(1), "PRG");
  EXPECT_EQ(label(2), "LAB");
  EXPECT_EQ(label(3), " ");
  EXPECT_EQ(label(4), "X");
  EXPECT_EQ(label(5), " ");
}

}  // namespace
}  // namespace casl2wb::checktest
