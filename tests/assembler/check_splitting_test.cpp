// How the check cuts source lines into text columns and operand parts, seen
// through the listing items and the source table after a complete check.
// A listing item reads address|reserved|label|operation|operand field|extra
// field|comment; the operand field carries one appended space.

#include <string>
#include <vector>

#include "check_fixture.h"

namespace casl2wb::checktest {
namespace {

using Items = std::vector<std::string>;

class CheckSplitting : public CheckFixture {};

TEST_F(CheckSplitting, LabelledLineFillsLabelOperationAndOperandColumns) {
  check({"PRG START", "LAB LD GR1,X", " RET", "X DS 1", " END"});
  EXPECT_EQ(field(2, Column::Reserved), " ");
  EXPECT_EQ(field(2, Column::Label), "LAB");
  EXPECT_EQ(field(2, Column::Operation), "LD");
  EXPECT_EQ(field(2, Column::OperandField), "GR1,X ");
  EXPECT_EQ(field(2, Column::ExtraField), " ");
  EXPECT_EQ(field(2, Column::Comment), "");
  EXPECT_EQ(part(2, firstOperand), "GR1");
  EXPECT_EQ(part(2, secondOperand), "X");
  EXPECT_EQ(part(2, thirdOperand), "");
  ASSERT_GE(checkItems.size(), 2u);
  EXPECT_EQ(checkItems[1], "0000| |LAB|LD|GR1,X | |");
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckSplitting, LineStartingInTheFirstCharacterHasALabel) {
  const auto& items = check({"PRG START", "LD GR1,X", " RET", " END"});
  EXPECT_EQ(field(2, Column::Label), "LD");
  EXPECT_EQ(field(2, Column::Operation), "GR1,X");
  EXPECT_EQ(field(2, Column::OperandField), "  ");
  EXPECT_EQ(field(2, Column::ExtraField), " ");
  EXPECT_EQ(items, (Items{" | |PRG|START|  | |", "0000| |LD|GR1,X|  | |", msgUnknownOperation,
                          "0002| | |RET|  | |", " | | |END|  | |", errorTotal(1)}));
}

TEST_F(CheckSplitting, LeadingSpacesLeaveTheLabelBlank) {
  check({"PRG START", "    LD GR1,X", " RET", "X DS 1", " END"});
  EXPECT_EQ(field(2, Column::Label), " ");
  EXPECT_EQ(field(2, Column::Operation), "LD");
  EXPECT_EQ(field(2, Column::OperandField), "GR1,X ");
  ASSERT_GE(checkItems.size(), 2u);
  EXPECT_EQ(checkItems[1], "0000| | |LD|GR1,X | |");
}

TEST_F(CheckSplitting, LineOfSpacesIsBlankAndEndsTheProgram) {
  const auto& items = check({"PRG START", "     ", " RET", " END"});
  EXPECT_EQ(field(2, Column::Reserved), " ");
  EXPECT_EQ(field(2, Column::Label), " ");
  EXPECT_EQ(field(2, Column::Operation), " ");
  EXPECT_EQ(field(2, Column::OperandField), "  ");
  EXPECT_EQ(field(2, Column::ExtraField), " ");
  EXPECT_EQ(field(2, Column::Comment), "");
  EXPECT_EQ(address(2), " ");
  EXPECT_EQ(table().lineCount, 1);
  EXPECT_EQ(items, (Items{" | |PRG|START|  | |", " | | | |  | |", "0000| | |RET|  | |",
                          " | | |END|  | |", msgNoEnd, errorTotal(1)}));
}

TEST_F(CheckSplitting, SpaceAfterCommaPutsTheSecondOperandIntoTheExtraField) {
  // The blank operand part 2 is label-checked and fails as one bad character.
  EXPECT_EQ(bodyItems({" LD GR1, X"}), (Items{"0000| | |LD|GR1, |X|", msgLabelBad}));
  EXPECT_EQ(field(2, Column::OperandField), "GR1, ");
  EXPECT_EQ(field(2, Column::ExtraField), "X");
  EXPECT_EQ(part(2, firstOperand), "GR1");
  EXPECT_EQ(part(2, secondOperand), "");  // " " after the final clean-up
  EXPECT_EQ(lastItem(), errorTotal(1));
}

TEST_F(CheckSplitting, CommentLineFromTheFirstCharacterFillsOnlyTheExtraField) {
  const auto& items = check({"PRG START", ";COMMENT LINE", " RET", " END"});
  EXPECT_EQ(field(2, Column::Label), " ");
  EXPECT_EQ(field(2, Column::Operation), " ");
  EXPECT_EQ(field(2, Column::OperandField), "  ");
  EXPECT_EQ(field(2, Column::ExtraField), ";COMMENT LINE ");
  EXPECT_EQ(field(2, Column::Comment), "");
  EXPECT_EQ(address(2), " ");
  EXPECT_EQ(table().lineCount, 4);
  EXPECT_EQ(items, (Items{" | |PRG|START|  | |", " | | | |  |;COMMENT LINE |", "0000| | |RET|  | |",
                          " | | |END|  | |", msgNoErrors}));
}

TEST_F(CheckSplitting, SemicolonTouchingTheOperandLosesTheOperand) {
  EXPECT_EQ(bodyItems({" LD GR1,X;c"}), (Items{"0000| | |LD|  |;c |", msgFirstOperandNotRegister}));
  EXPECT_EQ(field(2, Column::OperandField), "  ");
  EXPECT_EQ(field(2, Column::ExtraField), ";c ");
}

TEST_F(CheckSplitting, CommentAfterTheOperandFillsTheExtraFieldWithItsSpaces) {
  EXPECT_EQ(bodyItems({" LD GR1,X ; load it"}), (Items{"0000| | |LD|GR1,X |; load it |"}));
  EXPECT_EQ(field(2, Column::ExtraField), "; load it ");
  EXPECT_EQ(field(2, Column::Comment), "");
}

TEST_F(CheckSplitting, CommentAfterAnExtraTokenGoesToTheCommentField) {
  EXPECT_EQ(bodyItems({"LAB LD GR1,X EXTRA ;note it"}),
            (Items{"0000| |LAB|LD|GR1,X |EXTRA|;note it "}));
  EXPECT_EQ(field(2, Column::ExtraField), "EXTRA");
  EXPECT_EQ(field(2, Column::Comment), ";note it ");
}

TEST_F(CheckSplitting, CommentRunsFromTheFirstSemicolon) {
  EXPECT_EQ(bodyItems({" LD GR1,X ;a ;b"}), (Items{"0000| | |LD|GR1,X |;a ;b |"}));
}

TEST_F(CheckSplitting, SemicolonInTheLabelClearsLabelOperationAndOperand) {
  EXPECT_EQ(bodyItems({"AB;C LD GR1,X"}), (Items{" | | | |  |;C LD GR1,X |"}));
  EXPECT_EQ(address(2), " ");
  EXPECT_EQ(address(3), "0000");  // the RET after it
}

TEST_F(CheckSplitting, SemicolonInTheOperationClearsOperationAndOperand) {
  EXPECT_EQ(bodyItems({" NOP;x Y"}), (Items{" | | | |  |;x Y |"}));
  EXPECT_EQ(field(2, Column::Operation), " ");
  EXPECT_EQ(field(2, Column::OperandField), "  ");
}

TEST_F(CheckSplitting, SemicolonInTheOperandBesideAnExtraTokenFillsTheCommentField) {
  EXPECT_EQ(bodyItems({" LD GR1,X;c EXTRA"}),
            (Items{"0000| | |LD|  |EXTRA|;c EXTRA ", msgFirstOperandNotRegister}));
}

TEST_F(CheckSplitting, TokensAfterTheFifthFieldAreDropped) {
  EXPECT_EQ(bodyItems({"LAB LD GR1,X ONE TWO", " LD GR1,X ONE TWO", "X DS 1"}),
            (Items{"0000| |LAB|LD|GR1,X |ONE|", "0002| | |LD|GR1,X |ONE|", "0004| |X|DS|1 | |"}));
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckSplitting, RunsOfSpacesSeparateLikeOneSpace) {
  EXPECT_EQ(bodyItems({"LAB    LD     GR1,X", "X DS 1"}),
            (Items{"0000| |LAB|LD|GR1,X | |", "0002| |X|DS|1 | |"}));
}

TEST_F(CheckSplitting, TabIsAnOrdinaryCharacter) {
  EXPECT_EQ(bodyItems({" LD\tGR1,X"}), (Items{"0000| | |LD\tGR1,X|  | |", msgUnknownOperation}));
  EXPECT_EQ(field(2, Column::Operation), "LD\tGR1,X");
}

TEST_F(CheckSplitting, StringConstantWithASpaceIsKeptWhole) {
  EXPECT_EQ(bodyItems({" DC 'A B'"}), (Items{"0000| | |DC|'A B' |B'|"}));
  EXPECT_EQ(field(2, Column::OperandField), "'A B' ");
  EXPECT_EQ(field(2, Column::ExtraField), "B'");
  EXPECT_EQ(part(2, firstOperand), "'A B'");
  EXPECT_EQ(address(3), "0003");
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckSplitting, StringConstantKeepsARunOfSpaces) {
  EXPECT_EQ(bodyItems({"MSG DC 'A  B'"}), (Items{"0000| |MSG|DC|'A  B' |B'|"}));
  EXPECT_EQ(address(3), "0004");
}

TEST_F(CheckSplitting, StringConstantEndingInASpaceLeavesAnEmptyExtraField) {
  // The extra field held the closing quote alone; its first character is dropped.
  EXPECT_EQ(bodyItems({" DC 'AB '"}), (Items{"0000| | |DC|'AB ' ||"}));
  EXPECT_EQ(field(2, Column::ExtraField), "");
  EXPECT_EQ(address(3), "0003");
}

TEST_F(CheckSplitting, LettersDcAnywhereInTheLineRepairAQuotedOperand) {
  EXPECT_EQ(bodyItems({"ADC LD GR1,='A B'"}),
            (Items{"0000| |ADC|LD|GR1,='A B' |B'|", msgStraySpace}));
  EXPECT_EQ(part(2, firstOperand), "GR1");
  EXPECT_EQ(part(2, secondOperand), "='A");
}

TEST_F(CheckSplitting, SpaceLiteralKeepsItsSpace) {
  EXPECT_EQ(bodyItems({" LD GR1,=' '"}), (Items{"0000| | |LD|GR1,=' ' | |"}));
  EXPECT_EQ(field(2, Column::OperandField), "GR1,=' ' ");
  EXPECT_EQ(field(2, Column::ExtraField), " ");
  EXPECT_EQ(part(2, firstOperand), "GR1");
  EXPECT_EQ(checkedPart(2, secondOperand), "=' '");
  EXPECT_EQ(part(2, secondOperand), "=#0020");  // as the translation placed it
  EXPECT_EQ(address(3), "0002");
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckSplitting, QuoteBeforeTheSemicolonStopsCommentHandling) {
  EXPECT_EQ(bodyItems({" LD GR1,=' ' ;c", " DC 'AB' ;text here"}),
            (Items{"0000| | |LD|GR1,=' ' | |", "0002| | |DC|'AB' |;text|"}));
  EXPECT_EQ(field(2, Column::Comment), "");
  EXPECT_EQ(field(3, Column::ExtraField), ";text");
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckSplitting, CommentEndsAtPosition72OfThePaddedLine) {
  // 72 characters: the padded line has the semicolon at 7; the comment keeps
  // positions 7 to 72, so the last character of the line is cut off.
  const std::string line = " NOP ;" + repeat("あ", 66);
  EXPECT_EQ(bodyItems({line}), (Items{"0000| | |NOP|  |;" + repeat("あ", 65) + "|"}));
  EXPECT_EQ(field(2, Column::ExtraField), ";" + repeat("あ", 65));
  EXPECT_EQ(lastItem(), msgNoErrors);
}

// A ';' as the 71st character of the line (position 72 of the padded line)
// is a comment of its own; as the 72nd it gives an empty comment.
TEST_F(CheckSplitting, SemicolonAfterPosition72GivesAnEmptyComment) {
  for (const auto& [length, comment] : {std::pair{71, ";"}, std::pair{72, ""}}) {
    SCOPED_TRACE(length);
    const std::string line = " NOP" + std::string(static_cast<std::size_t>(length) - 5, ' ') + ";";
    EXPECT_EQ(bodyItems({line}), (Items{"0000| | |NOP|  |" + std::string(comment) + "|"}));
    EXPECT_EQ(field(2, Column::ExtraField), comment);
    EXPECT_EQ(lastItem(), msgNoErrors);
  }
}

TEST_F(CheckSplitting, OperandPartsAfterTheFinalCleanUp) {
  check({"PRG START", "LAB LD GR1,X,GR2", " JUMP LAB,GR1", "X DC 1,2,3,4,5", "S DC 'A,B'", " RET",
         " END"});
  EXPECT_EQ(lastItem(), msgNoErrors);
  EXPECT_EQ(part(1, firstOperand), " ");  // "  " loses one space
  EXPECT_EQ(part(1, secondOperand), "");
  EXPECT_EQ(part(2, firstOperand), "GR1");
  EXPECT_EQ(part(2, secondOperand), "X");
  EXPECT_EQ(part(2, thirdOperand), "GR2");
  EXPECT_EQ(part(3, firstOperand), "");  // branch operands move one place right
  EXPECT_EQ(part(3, secondOperand), "LAB");
  EXPECT_EQ(part(3, thirdOperand), "GR1");
  EXPECT_EQ(part(4, firstOperand), "1");
  EXPECT_EQ(part(4, secondOperand), "2");
  EXPECT_EQ(part(4, thirdOperand), "3");
  EXPECT_EQ(part(4, 3), "4");
  EXPECT_EQ(part(4, 4), "5");
  EXPECT_EQ(part(5, firstOperand), "'A,B'");  // a comma inside quotes does not cut
  EXPECT_EQ(part(5, secondOperand), "");
  EXPECT_EQ(part(6, firstOperand), " ");
  EXPECT_EQ(part(6, secondOperand), "");
  EXPECT_EQ(part(6, thirdOperand), "");
}

TEST_F(CheckSplitting, LinesAfterTheProgramEndKeepTheirNormalisedParts) {
  check({"PRG START", " RET", " END", "", " LD GR1,X", " POP GR1", " DS 10", " DS 100", " NOP",
         " LD GR1,=' '"});
  EXPECT_EQ(table().lineCount, 3);
  // No reference after the blank line is resolved, so nothing is reported.
  EXPECT_EQ(lastItem(), msgNoErrors);
  EXPECT_EQ(part(5, firstOperand), "GR1");
  EXPECT_EQ(part(5, secondOperand), "X");
  EXPECT_EQ(part(5, thirdOperand), " ");
  EXPECT_EQ(part(6, firstOperand), "GR1");  // "GR1 " is longer than 3 and loses its space
  EXPECT_EQ(part(7, firstOperand), "10 ");  // 3 characters keep their space
  EXPECT_EQ(part(8, firstOperand), "100");
  EXPECT_EQ(part(9, firstOperand), "  ");
  EXPECT_EQ(part(10, firstOperand), "GR1");
  EXPECT_EQ(part(10, secondOperand), "=' '");
}

}  // namespace
}  // namespace casl2wb::checktest
