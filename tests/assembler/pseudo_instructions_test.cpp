// The words of START, END, DS, DC, the macro and dump instructions, and the
// literal pool that collects the literals after the program.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "translation_fixture.h"

namespace casl2wb::translationtest {
namespace {

using Words = std::vector<std::string>;

class PseudoInstructions : public TranslationFixture {
 protected:
  std::vector<std::int32_t> values(int from, int count) const {
    std::vector<std::int32_t> result;
    for (int a = from; a < from + count; ++a) result.push_back(value(a));
    return result;
  }
};

// ---------------------------------------------------------------- START, END

TEST_F(PseudoInstructions, StartAndEndOccupyNoWords) {
  assemble({"PRG START", " RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(1), " ");
  EXPECT_EQ(address(3), " ");
  EXPECT_EQ(word(0), "8100");
  EXPECT_EQ(word(1), "    ");
  EXPECT_EQ(table().programEnd, 1);
  EXPECT_EQ(translation.literalCount, 0);
  EXPECT_EQ(wordsInUse(), 1);
}

TEST_F(PseudoInstructions, StartWithAnEntryOperandWritesNoWord) {
  assemble({"PRG START BEGIN", " DC 1", "BEGIN RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(words(0, 3), (Words{"0001", "8100", "    "}));
  EXPECT_EQ(table().programEnd, 2);
  EXPECT_EQ(wordsInUse(), 2);
}

// ---------------------------------------------------------------------- DS

TEST_F(PseudoInstructions, DsSetsItsCellsToZeroAndNothingElse) {
  assembleBody({" DC 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", " DS 3"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(3), "0010");
  EXPECT_EQ(address(4), "0013");
  EXPECT_EQ(words(0x0E, 7), (Words{"000F", "0010", "0000", "0000", "0000", "8100", "    "}));
  EXPECT_EQ(values(0x0F, 5), (std::vector<std::int32_t>{16, 0, 0, 0, -32512}));
  EXPECT_EQ(table().programEnd, 0x14);
}

TEST_F(PseudoInstructions, DsZeroSetsNothing) {
  assemble({"PRG START", " RET", "Z DS 0", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(3), "0001");
  EXPECT_EQ(words(0, 2), (Words{"8100", "    "}));
  EXPECT_EQ(wordsInUse(), 1);
}

TEST_F(PseudoInstructions, DsAtTheEndIsFollowedByTheLiteralPool) {
  assemble({"PRG START", " LD GR1,=7", " RET", "BUF DS 2", " END"});
  ASSERT_EQ(program.errorCount, 0);
  // LD at 0000, RET at 0002, BUF at 0003 and 0004; the pool starts at 0005.
  EXPECT_EQ(words(0, 6), (Words{"1010", "0005", "8100", "0000", "0000", "0007"}));
  EXPECT_EQ(wordsInUse(), 6);
}

// ---------------------------------------------------------------------- DC

TEST_F(PseudoInstructions, SingleConstants) {
  const std::vector<std::pair<std::string, std::pair<std::string, std::int32_t>>> cases = {
      {"10", {"000A", 10}},        {"-1", {"FFFF", -1}},         {"65535", {"FFFF", -1}},
      {"#FFFF", {"FFFF", -1}},     {"#FF", {"00FF", 255}},       {"#7FFF", {"7FFF", 32767}},
      {"#8000", {"8000", -32768}}, {"-32768", {"8000", -32768}}, {"32767", {"7FFF", 32767}},
      {"32768", {"8000", -32768}}, {"0", {"0000", 0}},           {"#0", {"0000", 0}},
      {"#A", {"000A", 10}},        {"#12345", {"2345", 9029}},   {"65536", {"0000", 0}},
      {"70000", {"1170", 4464}},   {"-65535", {"0001", 1}},      {"#0041", {"0041", 65}},
  };
  for (const auto& [constant, expected] : cases) {
    assembleBody({" DC " + constant});
    ASSERT_EQ(program.errorCount, 0) << constant;
    EXPECT_EQ(word(0), expected.first) << constant;
    EXPECT_EQ(value(0), expected.second) << constant;
    EXPECT_EQ(word(1), "8100") << constant;
  }
}

TEST_F(PseudoInstructions, ConstantListGivesOneWordPerConstantInOrder) {
  assembleBody({" DC 1,#FF,-1", " DC 5,6,7", " DC #7FFF,#8000,-32768,65535,32767"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(3), "0003");
  EXPECT_EQ(address(4), "0006");
  EXPECT_EQ(words(0, 12), (Words{"0001", "00FF", "FFFF", "0005", "0006", "0007", "7FFF", "8000",
                                 "8000", "FFFF", "7FFF", "8100"}));
  EXPECT_EQ(values(0, 11),
            (std::vector<std::int32_t>{1, 255, -1, 5, 6, 7, 32767, -32768, -32768, -1, 32767}));
}

TEST_F(PseudoInstructions, ConstantListStartingWithALabel) {
  // DC at 0000 and 0001, DS 0002 to 001F, L at 0020.
  assembleBody({" DC L,2", " DS 30", "L DC 7"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(words(0, 2), (Words{"0020", "0002"}));
  EXPECT_EQ(word(0x20), "0007");
  EXPECT_EQ(value(0), 32);
}

TEST_F(PseudoInstructions, ConstantListStartingWithAStartLabel) {
  assemble({"MAIN START BEGIN", " DC MAIN,3", "BEGIN RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(words(0, 3), (Words{"0002", "0003", "8100"}));
}

TEST_F(PseudoInstructions, CharacterStrings) {
  assembleBody({" DC 'A'", " DC 'ABC'", " DC 'A B'", " DC 'A,B'", " DC 'ab'", " DC 'A\tB'"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(3), "0001");
  EXPECT_EQ(address(4), "0004");
  EXPECT_EQ(address(5), "0007");
  EXPECT_EQ(address(6), "000A");
  EXPECT_EQ(address(7), "000C");
  EXPECT_EQ(words(0, 16), (Words{"0041", "0041", "0042", "0043", "0041", "0020", "0042", "0041",
                                 "002C", "0042", "0061", "0062", "0041", "0009", "0042", "8100"}));
  EXPECT_EQ(values(0, 3), (std::vector<std::int32_t>{65, 65, 66}));
}

// The last statement writes its own words and none after them: the cell
// after the program keeps the blank of the check.
TEST_F(PseudoInstructions, TheLastStatementWritesNoWordAfterItsOwn) {
  const std::vector<std::pair<std::string, Words>> cases = {
      {" DC 'AB'", {"8100", "0041", "0042", "    "}},
      {" DC 1,2", {"8100", "0001", "0002", "    "}},
      {" DS 2", {"8100", "0000", "0000", "    "}},
  };
  for (const auto& [statement, expected] : cases) {
    SCOPED_TRACE(statement);
    assemble({"PRG START", " RET", statement, " END"});
    ASSERT_EQ(program.errorCount, 0);
    EXPECT_EQ(words(0, 4), expected);
  }
}

TEST_F(PseudoInstructions, StringCharactersBecomeTheirCodesInTheJapaneseCodePage) {
  // Double-byte characters give their two-byte code as one word; half-width
  // katakana their single byte; a character the code page lacks gives 003F.
  assembleBody({" DC '漢字'", " DC 'ｱｲ'", " DC 'Ａ'", " DC '한'"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(3), "0002");
  EXPECT_EQ(address(4), "0004");
  EXPECT_EQ(address(5), "0005");
  EXPECT_EQ(words(0, 7), (Words{"8ABF", "8E9A", "00B1", "00B2", "8260", "003F", "8100"}));
  EXPECT_EQ(values(0, 2), (std::vector<std::int32_t>{-30017, -29030}));
}

TEST_F(PseudoInstructions, AddressConstantOfALabel) {
  // LD at 0000, A at 0002, DS 0003 to 001F, L at 0020.
  assembleBody({" LD GR1,A", "A DC L", " DS 29", "L DC 7"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(words(0, 3), (Words{"1010", "0002", "0020"}));
  EXPECT_EQ(value(2), 32);
}

TEST_F(PseudoInstructions, AddressConstantOfStartWithAnEntryOperand) {
  assemble({"MAIN START BEGIN", "V DC MAIN", " DC 9", "BEGIN RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(words(0, 3), (Words{"0002", "0009", "8100"}));
}

TEST_F(PseudoInstructions, AddressConstantOfStartWithoutOperandSkipsCommentLines) {
  assemble(
      {"PRG START", " DC SUB", " RET", "SUB START", "; the subroutine", " NOP", " RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(words(0, 4), (Words{"0002", "8100", "0000", "8100"}));
}

TEST_F(PseudoInstructions, AddressConstantOfALabelOnACommentLine) {
  assembleBody({" DC HERE", " DC 4", "HERE ;the next statement", " DC 5"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(words(0, 4), (Words{"0002", "0004", "0005", "8100"}));
}

TEST_F(PseudoInstructions, AddressConstantOfALabelAfterTheLastStatementIsProgramEnd) {
  assemble({"PRG START", " DC HERE", " RET", "HERE ;nothing follows", " END"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(table().programEnd, 2);
  EXPECT_EQ(words(0, 2), (Words{"0002", "8100"}));
}

// ----------------------------------------------------------------- IN, OUT

TEST_F(PseudoInstructions, InAndOutWithLabels) {
  assembleBody({" IN BUF,LEN", " OUT BUF,LEN", "BUF DS 4", "LEN DC 4"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(3), "0003");
  EXPECT_EQ(address(4), "0006");
  EXPECT_EQ(words(0, 12), (Words{"9000", "0006", "000A", "9100", "0006", "000A", "0000", "0000",
                                 "0000", "0000", "0004", "8100"}));
  EXPECT_EQ(value(0), -28672);
  EXPECT_EQ(value(3), -28416);
  EXPECT_EQ(translation.literalCount, 0);
}

TEST_F(PseudoInstructions, InAndOutWithALiteralLength) {
  // OUT 0000, IN 0003, MSG 0006, BUF 0008, RET 000B; the pool starts at 000C.
  assembleBody({" OUT MSG,=2", " IN BUF,=3", "MSG DC 'OK'", "BUF DS 3"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(table().programEnd, 0x0C);
  EXPECT_EQ(words(0, 14), (Words{"9100", "0006", "000C", "9000", "0008", "000D", "004F", "004B",
                                 "0000", "0000", "0000", "8100", "0002", "0003"}));
  EXPECT_EQ(translation.literalCount, 2);
  EXPECT_EQ(wordsInUse(), 14);
}

TEST_F(PseudoInstructions, OutWithBothOperandsLiteral) {
  // OUT 0000 to 0002, DS 0003 to 001E, RET 001F: the pool starts at 0020.
  assembleBody({" OUT ='OK',=2", " DS 28"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(table().programEnd, 0x20);
  EXPECT_EQ(words(0, 3), (Words{"9100", "0020", "0022"}));
  EXPECT_EQ(words(0x1F, 5), (Words{"8100", "004F", "004B", "0002", "    "}));
  EXPECT_EQ(values(0x20, 3), (std::vector<std::int32_t>{79, 75, 2}));
  EXPECT_EQ(translation.literalCount, 3);
  EXPECT_EQ(wordsInUse(), 0x23);
}

TEST_F(PseudoInstructions, OutWithALiteralBufferAndALabelLength) {
  assembleBody({" OUT ='HI!',LEN", "LEN DC 3"});
  ASSERT_EQ(program.errorCount, 0);
  // OUT 0000, LEN 0003, RET 0004, pool 0005 to 0007.
  EXPECT_EQ(words(0, 8), (Words{"9100", "0005", "0003", "0003", "8100", "0048", "0049", "0021"}));
}

TEST_F(PseudoInstructions, OutOperandsOnACommentLineStandForTheNextStatement) {
  assembleBody({" OUT MSG,LEN", "MSG ;the text", " DC 'HI'", "LEN DC 2"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(words(0, 7), (Words{"9100", "0003", "0005", "0048", "0049", "0002", "8100"}));
}

TEST_F(PseudoInstructions, LowerCaseOutWritesNothing) {
  assemble({"PRG START", " DC 1", " out A,B", " RET", "A DC 2", "B DC 3", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(3), "0001");
  EXPECT_EQ(address(4), "0003");
  EXPECT_EQ(words(0, 6), (Words{"0001", "    ", "    ", "8100", "0002", "0003"}));
}

TEST_F(PseudoInstructions, LowerCaseOutPlacesNoLiterals) {
  assembleBody({" DC 1", " out ='X',=1"});
  ASSERT_EQ(program.errorCount, 0);
  // DC at 0000, "out" at 0001 and 0002, RET at 0003.
  EXPECT_EQ(words(0, 5), (Words{"0001", "    ", "    ", "8100", "    "}));
  EXPECT_EQ(translation.literalCount, 0);
  EXPECT_EQ(wordsInUse(), 4);
}

// ------------------------------------------------- RPUSH, RPOP, DMP, MDMP

TEST_F(PseudoInstructions, RpushSavesTheRegistersInFifteenWords) {
  assembleBody({" DC 1,2,3,4,5", " RPUSH", " DMP"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(3), "0005");
  EXPECT_EQ(address(4), "0014");
  EXPECT_EQ(words(4, 18),
            (Words{"0005", "9500", "7001", "0000", "7002", "0000", "7003", "0000", "7004", "0000",
                   "7005", "0000", "7006", "0000", "7007", "0000", "9300", "8100"}));
  EXPECT_EQ(value(5), -27392);
}

TEST_F(PseudoInstructions, RpopDmpAndMdmp) {
  assembleBody({" RPOP", " DMP", " MDMP", " DMP"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(3), "0008");
  EXPECT_EQ(address(4), "0009");
  EXPECT_EQ(address(5), "000B");
  EXPECT_EQ(words(0, 13), (Words{"9600", "7170", "7160", "7150", "7140", "7130", "7120", "7110",
                                 "9300", "9400", "0000", "9300", "8100"}));
  EXPECT_EQ(value(9), -27648);
  EXPECT_EQ(value(10), 0);
}

// ------------------------------------------------------------ literal pool

TEST_F(PseudoInstructions, EqualLiteralsGetOnePoolWordEach) {
  // LD at 0000, DC 0002 to 0006, ADDA 0007, RET 0009: ten words.
  assembleBody({" LD GR1,=5", " DC 1,2,3,4,5", " ADDA GR1,=5"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(table().programEnd, 10);
  EXPECT_EQ(words(0, 2), (Words{"1010", "000A"}));
  EXPECT_EQ(words(7, 2), (Words{"2010", "000B"}));
  EXPECT_EQ(words(0x0A, 3), (Words{"0005", "0005", "    "}));
  EXPECT_EQ(translation.literalCount, 2);
  EXPECT_EQ(wordsInUse(), 12);
}

TEST_F(PseudoInstructions, EveryLiteralFormInLineOrder) {
  assembleBody({
      " LD GR1,=5",        // 0000, pool 0015
      " ADDA GR1,=5",      // 0002, pool 0016
      " LD GR2,=#FFFF",    // 0004, pool 0017
      " SUBA GR3,=-1",     // 0006, pool 0018
      " LD GR4,='AB'",     // 0008, pool 0019 and 001A
      " CPA GR5,=#8000",   // 000A, pool 001B
      " AND GR6,=' '",     // 000C, pool 001C
      " OR GR7,=65535",    // 000E, pool 001D
      " XOR GR1,='漢'",    // 0010, pool 001E
      " CPL GR2,=#12345",  // 0012, pool 001F
  });                      // RET 0014
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(table().programEnd, 0x15);
  EXPECT_EQ(words(0, 21), (Words{"1010", "0015", "2010", "0016", "1020", "0017", "2130",
                                 "0018", "1040", "0019", "4050", "001B", "3060", "001C",
                                 "3170", "001D", "3210", "001E", "4120", "001F", "8100"}));
  EXPECT_EQ(words(0x15, 12), (Words{"0005", "0005", "FFFF", "FFFF", "0041", "0042", "8000", "0020",
                                    "FFFF", "8ABF", "2345", "    "}));
  EXPECT_EQ(values(0x15, 11),
            (std::vector<std::int32_t>{5, 5, -1, -1, 65, 66, -32768, 32, -1, -30017, 9029}));
  EXPECT_EQ(translation.literalCount, 11);
  EXPECT_EQ(wordsInUse(), 0x20);
  // Only the space literal is rewritten.
  EXPECT_EQ(line(2).operand(secondOperand), U"=5");
  EXPECT_EQ(line(6).operand(secondOperand), U"='AB'");
  EXPECT_EQ(line(8).operand(secondOperand), U"=#0020");
}

TEST_F(PseudoInstructions, EveryTranslationStartsANewPool) {
  assembleBody({" LD GR1,=1", " LD GR2,=2", " LD GR3,=3"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(translation.literalCount, 3);
  assembleBody({" LD GR4,=4"});
  ASSERT_EQ(program.errorCount, 0);
  // LD at 0000, RET at 0002, the one literal at 0003.
  EXPECT_EQ(words(0, 5), (Words{"1040", "0003", "8100", "0004", "    "}));
  EXPECT_EQ(translation.literalCount, 1);
  EXPECT_EQ(wordsInUse(), 4);
}

TEST_F(PseudoInstructions, LiteralsOfMacrosAndInstructionsShareThePoolInLineOrder) {
  // LD 0000, OUT 0002, ADDA 0005, IN 0007, BUF 000A, RET 000B: pool from 000C.
  assembleBody({" LD GR1,=1", " OUT ='AB',=2", " ADDA GR1,=3", " IN BUF,=4", "BUF DS 1"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(table().programEnd, 0x0C);
  EXPECT_EQ(words(0, 12), (Words{"1010", "000C", "9100", "000D", "000F", "2010", "0010", "9000",
                                 "000A", "0011", "0000", "8100"}));
  EXPECT_EQ(words(0x0C, 7), (Words{"0001", "0041", "0042", "0002", "0003", "0004", "    "}));
  EXPECT_EQ(translation.literalCount, 6);
  EXPECT_EQ(wordsInUse(), 0x12);
}

TEST_F(PseudoInstructions, SpaceLiteralIsPlacedAsHex20AndRewritesTheOperand) {
  assembleBody({" LD GR1,=' '", " LD GR2,=' '"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(words(0, 7), (Words{"1010", "0005", "1020", "0006", "8100", "0020", "0020"}));
  EXPECT_EQ(line(2).operand(secondOperand), U"=#0020");
  EXPECT_EQ(line(3).operand(secondOperand), U"=#0020");
  // The source columns keep the text as written.
  EXPECT_EQ(line(2).field(Column::OperandField), U"GR1,=' ' ");
  EXPECT_EQ(translation.literalCount, 2);
}

TEST_F(PseudoInstructions, TextValueAndNumberAgreeInEveryWrittenCell) {
  assembleBody({" DC -1,#8000,90", " LD GR1,=-2", " RPUSH", " OUT ='漢',=65535", " MDMP", " DS 2"});
  ASSERT_EQ(program.errorCount, 0);
  for (int a = 0; a < wordsInUse(); ++a) {
    const std::string text = word(a);
    ASSERT_EQ(text.size(), 4u) << a;
    const auto bits = static_cast<std::uint16_t>(std::stoul(text, nullptr, 16));
    EXPECT_EQ(value(a), static_cast<std::int16_t>(bits)) << a;
  }
  EXPECT_EQ(value(0), -1);
  EXPECT_EQ(value(1), -32768);
  EXPECT_EQ(value(2), 90);
}

// ------------------------------------- labels missing at translation time

// The check resolves every label first; these cases arise only when the
// label table changes between the check and the translation.
class MissingLabels : public PseudoInstructions {
 protected:
  // Whether the translation that follows reported `text` once.
  bool hasMessage(const std::string& text) const {
    return std::count_if(log.all().begin(), log.all().end(),
                         [&](const Diagnostic& d) { return d.text() == text; }) == 1;
  }
};

TEST_F(MissingLabels, StartOperand) {
  assemble({"PRG START BEGIN", "BEGIN RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  line(2).label = U"OTHER";
  translateAgain();
  EXPECT_TRUE(hasMessage("***** ｴﾗ- ***** 行番号 1 の第1ｵﾍﾟﾗﾝﾄﾞBEGINはﾗﾍﾞﾙ欄にありません｡*****"));
  EXPECT_EQ(log.count(), 1);
  EXPECT_EQ(word(0), "8100");
}

TEST_F(MissingLabels, AddressConstant) {
  assembleBody({" DC L", "L DC 1"});
  ASSERT_EQ(program.errorCount, 0);
  line(3).label = U"M";
  translateAgain();
  EXPECT_TRUE(hasMessage("***** ｴﾗ- ***** 行番号 2 の第1ｵﾍﾟﾗﾝﾄﾞLはﾗﾍﾞﾙ欄にありません｡*****"));
  EXPECT_EQ(log.count(), 1);
  EXPECT_EQ(words(1, 2), (Words{"0001", "8100"}));
}

TEST_F(MissingLabels, InOperands) {
  assembleBody({" IN BUF,LEN", "BUF DS 2", "LEN DC 2"});
  ASSERT_EQ(program.errorCount, 0);
  line(3).label = U"X";
  line(4).label = U"Y";
  translateAgain();
  EXPECT_TRUE(hasMessage("***** ｴﾗ- ***** 行番号 2 の第1ｵﾍﾟﾗﾝﾄﾞBUFはﾗﾍﾞﾙ欄にありません｡*****"));
  EXPECT_TRUE(hasMessage("***** ｴﾗ- ***** 行番号 2 の第2ｵﾍﾟﾗﾝﾄﾞLENはﾗﾍﾞﾙ欄にありません｡*****"));
  EXPECT_EQ(log.count(), 2);
  EXPECT_EQ(word(0), "9000");
  EXPECT_EQ(words(3, 4), (Words{"0000", "0000", "0002", "8100"}));
}

}  // namespace
}  // namespace casl2wb::translationtest
