// The words of the machine instructions and their address operands.
#include "translation_fixture.h"

namespace casl2wb::translationtest {
namespace {

using Words = std::vector<std::string>;

class InstructionWords : public TranslationFixture {};

TEST_F(InstructionWords, RegisterFormsAreOneWordAndAddressFormsTwo) {
  assembleBody({" LD GR1,GR2", " LD GR1,ADR", " LD GR1,ADR,GR2", " ADDA GR0,GR7", " CPL GR7,GR0",
                "ADR DC 9"});
  EXPECT_EQ(words(0, 8), (Words{"1412", "1010", "0007", "1012", "0007", "2407", "4570", "0009"}));
  EXPECT_EQ(program.errorCount, 0);
}

TEST_F(InstructionWords, EveryRegisterMemoryMnemonicHasBothForms) {
  const std::vector<std::pair<std::string, std::string>> codes = {
      {"LD", "14"},  {"ADDA", "24"}, {"SUBA", "25"}, {"ADDL", "26"}, {"SUBL", "27"},
      {"AND", "34"}, {"OR", "35"},   {"XOR", "36"},  {"CPA", "44"},  {"CPL", "45"}};
  const std::vector<std::string> twoWordCodes = {"10", "20", "21", "22", "23",
                                                 "30", "31", "32", "40", "41"};
  for (std::size_t i = 0; i < codes.size(); ++i) {
    assembleBody({" " + codes[i].first + " GR3,GR4", " " + codes[i].first + " GR5,#0001,GR6"});
    EXPECT_EQ(words(0, 3), (Words{codes[i].second + "34", twoWordCodes[i] + "56", "0001"}))
        << codes[i].first;
  }
}

TEST_F(InstructionWords, OneWordInstructions) {
  assembleBody({" NOP", " POP GR3", " DMP", " RPOP"});
  EXPECT_EQ(words(0, 4), (Words{"0000", "7130", "9300", "9600"}));
  EXPECT_EQ(words(3, 9),
            (Words{"9600", "7170", "7160", "7150", "7140", "7130", "7120", "7110", "8100"}));
}

TEST_F(InstructionWords, StoreShiftAndBranchForms) {
  assembleBody({" LAD GR1,-1", " LAD GR2,#0010", " ST GR7,12,GR1", " SLA GR1,3", " SRL GR2,1,GR3",
                " JUMP 0", " PUSH 0,GR3", " SVC 2", " CALL 5,GR7"});
  EXPECT_EQ(words(0, 18),
            (Words{"1210", "FFFF", "1220", "0010", "1171", "000C", "5010", "0003", "5323", "0001",
                   "6400", "0000", "7003", "0000", "F000", "0002", "8007", "0005"}));
}

TEST_F(InstructionWords, HashOperandKeepsItsLastFourDigits) {
  assembleBody({" LAD GR1,#FF", " LAD GR1,#12345", " LAD GR1,#0A"});
  EXPECT_EQ(words(0, 6), (Words{"1210", "00FF", "1210", "2345", "1210", "000A"}));
}

TEST_F(InstructionWords, DecimalOperandsWrapToSixteenBits) {
  assembleBody({" LAD GR1,65535", " LAD GR1,65536", " LAD GR1,-32768", " LAD GR1,10"});
  EXPECT_EQ(words(0, 8), (Words{"1210", "FFFF", "1210", "0000", "1210", "8000", "1210", "000A"}));
}

TEST_F(InstructionWords, LabelsWithDigitsAreLabels) {
  assembleBody({" JUMP L1,GR7", "L1 NOP"});
  EXPECT_EQ(words(0, 3), (Words{"6407", "0002", "0000"}));
}

TEST_F(InstructionWords, ReferenceToStartWithOperandGivesTheEntryLine) {
  assemble({"PGM START BEGIN", " NOP", "BEGIN LD GR1,GR2", " JUMP PGM", " RET", " END"});
  EXPECT_EQ(words(2, 2), (Words{"6400", "0001"}));
}

TEST_F(InstructionWords, ReferenceToStartWithoutOperandGivesTheFirstStatement) {
  // A comment line after START does not make the reference point elsewhere.
  assemble(
      {"MAIN START", " CALL SUB", " RET", "SUB START", "; the subroutine", " NOP", " RET", " END"});
  EXPECT_EQ(words(0, 5), (Words{"8000", "0003", "8100", "0000", "8100"}));
  EXPECT_EQ(program.errorCount, 0);
}

TEST_F(InstructionWords, LabelOnCommentLineStandsForTheNextStatement) {
  assembleBody({" JUMP HERE", "HERE ;comes next", " NOP"});
  EXPECT_EQ(words(0, 3), (Words{"6400", "0002", "0000"}));
}

TEST_F(InstructionWords, IndexRegisterZeroIsATranslationError) {
  // The check passes GR0 as an index only where it does not look (after a
  // register name check fails for ST, no index rule stops GR0 either).
  assembleBody({" LD GR1,X", "X DC 1"});
  ASSERT_EQ(program.errorCount, 0);
  line(2).operand(thirdOperand) = U"GR0";
  // The message comes after the error count, before the four dump rows.
  EXPECT_EQ(translateAgain().dump.size(), 4u);
  ASSERT_EQ(log.count(), 1);
  EXPECT_EQ(log.all()[0].place, Diagnostic::Place::AfterTranslation);
  EXPECT_EQ(log.all()[0].text(),
            "***** ｴﾗ- ***** 行番号 2 の第3ｵﾍﾟﾗﾝﾄﾞの指標レジスタにGR0は使用できません｡*****");
  EXPECT_EQ(word(0), "1010");
}

TEST_F(InstructionWords, UndefinedLabelIsATranslationError) {
  assembleBody({" LD GR1,X", "X DC 1"});
  line(3).label = U"Y";
  translateAgain();
  ASSERT_EQ(log.count(), 1);
  EXPECT_EQ(log.all()[0].text(),
            "***** ｴﾗ- ***** 行番号 2 の第2ｵﾍﾟﾗﾝﾄﾞXはﾗﾍﾞﾙ欄にありません｡*****");
}

}  // namespace
}  // namespace casl2wb::translationtest
