// What a translation shows at its end: the memory dump rows in the message
// list, the address texts behind them, and the program-trace text; and what
// the check's reset of the memory image leaves alone.
#include <algorithm>
#include <string>
#include <vector>

#include "translation_fixture.h"

namespace casl2wb::translationtest {
namespace {

using Words = std::vector<std::string>;

const std::string noErrors = "機械語に変換する前のエラー個数は0個です。";

// Words 0000 to 0026 hold the constants 1 to 39, RET is at 0027: 40 words.
const std::vector<std::string> fortyWordProgram = {
    "PRG START",
    " DC 1,2,3,4,5,6,7,8,9,10",
    " DC 11,12,13,14,15,16,17,18,19,20",
    " DC 21,22,23,24,25,26,27,28,29,30",
    " DC 31,32,33,34,35,36,37,38,39",
    " RET",
    " END",
};

std::string spaces(std::size_t n) { return std::string(n, ' '); }

class DumpAndTrace : public TranslationFixture {
 protected:
  // The items after the "no errors" item.
  std::vector<std::string> dumpRows() const {
    const auto& items = messages;
    const auto at = std::find(items.begin(), items.end(), noErrors);
    if (at == items.end()) return {};
    return std::vector<std::string>(at + 1, items.end());
  }
};

// ---------------------------------------------------------- memory dump

TEST_F(DumpAndTrace, FortyWordProgramShowsThirtyOneRowsOfEightPairs) {
  assemble(fortyWordProgram);
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(wordsInUse(), 40);
  ASSERT_EQ(messages.size(), 7u + 1u + 31u);
  EXPECT_EQ(messages.at(7), noErrors);
  const std::vector<std::string> rows = dumpRows();
  ASSERT_EQ(rows.size(), 31u);
  // Addresses above 40 have no address text on the first translation; their
  // cells were reset to blank words by the check.
  EXPECT_EQ(rows.at(0), "0001  0002  0021  0022" + spaces(48));
  EXPECT_EQ(rows.at(5), "0006  0007  0026  0027" + spaces(48));
  EXPECT_EQ(rows.at(6), "0007  0008  0027  8100" + spaces(48));
  EXPECT_EQ(rows.at(7), "0008  0009  0028      " + spaces(48));
  EXPECT_EQ(rows.at(8), "0009  000A" + spaces(56));
  EXPECT_EQ(rows.at(15), "0010  0011" + spaces(56));
  EXPECT_EQ(rows.at(30), "001F  0020" + spaces(56));
}

TEST_F(DumpAndTrace, AddressTextsAreWrittenFromOneToWordsInUse) {
  assemble(fortyWordProgram);
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(program.image.addressTexts.at(0), "");
  EXPECT_EQ(program.image.addressTexts.at(1), "0001");
  EXPECT_EQ(program.image.addressTexts.at(10), "000A");
  EXPECT_EQ(program.image.addressTexts.at(40), "0028");
  EXPECT_EQ(program.image.addressTexts.at(41), "");
  EXPECT_EQ(program.image.addressTexts.at(1013), "");
}

TEST_F(DumpAndTrace, AddressThirtyTwoIsNeverShown) {
  // DS 0000 to 001E, RET at 001F: 32 words, yet only 31 rows.
  assembleBody({" DS 31"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(wordsInUse(), 32);
  EXPECT_EQ(program.image.addressTexts.at(32), "0020");
  const std::vector<std::string> rows = dumpRows();
  ASSERT_EQ(rows.size(), 31u);
  EXPECT_EQ(rows.at(0), "0001  0000" + spaces(56));
  EXPECT_EQ(rows.at(30), "001F  8100" + spaces(56));
  for (const std::string& row : rows) EXPECT_EQ(row.find("0020  "), std::string::npos) << row;
}

TEST_F(DumpAndTrace, TwelveWordProgramShowsTwelveRows) {
  assembleBody({" DC 1,2,3,4,5,6,7,8,9,10,11"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(wordsInUse(), 12);
  const std::vector<std::string> rows = dumpRows();
  ASSERT_EQ(rows.size(), 12u);
  EXPECT_EQ(messages.size(), 4u + 1u + 12u);
  EXPECT_EQ(rows.at(0), "0001  0002" + spaces(56));
  EXPECT_EQ(rows.at(9), "000A  000B" + spaces(56));
  EXPECT_EQ(rows.at(10), "000B  8100" + spaces(56));
  EXPECT_EQ(rows.at(11), "000C      " + spaces(56));
}

TEST_F(DumpAndTrace, LiteralPoolCountsInTheDump) {
  // LD at 0000, RET at 0002, the literal at 0003: four words, four rows.
  assembleBody({" LD GR1,=#ABCD"});
  ASSERT_EQ(program.errorCount, 0);
  const std::vector<std::string> rows = dumpRows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows.at(0), "0001  0003" + spaces(56));
  EXPECT_EQ(rows.at(1), "0002  8100" + spaces(56));
  EXPECT_EQ(rows.at(2), "0003  ABCD" + spaces(56));
  EXPECT_EQ(rows.at(3), "0004      " + spaces(56));
}

TEST_F(DumpAndTrace, AddressTextsOfAnEarlierTranslationStayAboveWordsInUse) {
  assemble(fortyWordProgram);
  ASSERT_EQ(program.errorCount, 0);
  assemble({"PRG START", " DC 7,8", " RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(wordsInUse(), 3);
  EXPECT_EQ(messages.size(), 4u + 1u + 3u);
  const std::vector<std::string> rows = dumpRows();
  ASSERT_EQ(rows.size(), 3u);
  // 0021 to 0023 are the address texts the first translation left; their
  // cells were reset by the second check.
  EXPECT_EQ(rows.at(0), "0001  0008  0021      " + spaces(48));
  EXPECT_EQ(rows.at(1), "0002  8100  0022      " + spaces(48));
  EXPECT_EQ(rows.at(2), "0003        0023      " + spaces(48));
  EXPECT_EQ(program.image.addressTexts.at(4), "0004");
  EXPECT_EQ(program.image.addressTexts.at(40), "0028");
  EXPECT_EQ(program.image.addressTexts.at(41), "");
}

TEST_F(DumpAndTrace, AWholeRowOfStaleAddressTexts) {
  assemble({"PRG START", " DS 250", " RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(wordsInUse(), 251);
  std::vector<std::string> rows = dumpRows();
  ASSERT_EQ(rows.size(), 31u);
  EXPECT_EQ(rows.at(0),
            "0001  0000  0021  0000  0041  0000  0061  0000  0081  0000  00A1  0000  00C1  0000  "
            "00E1  0000");
  EXPECT_EQ(rows.at(25),
            "001A  0000  003A  0000  005A  0000  007A  0000  009A  0000  00BA  0000  00DA  0000  "
            "00FA  8100");
  EXPECT_EQ(rows.at(26),
            "001B  0000  003B  0000  005B  0000  007B  0000  009B  0000  00BB  0000  00DB  0000  "
            "00FB      ");
  EXPECT_EQ(rows.at(27),
            "001C  0000  003C  0000  005C  0000  007C  0000  009C  0000  00BC  0000  00DC  0000" +
                spaces(8));

  assemble({"PRG START", " RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  rows = dumpRows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows.at(0),
            "0001        0021        0041        0061        0081        00A1        00C1        "
            "00E1      ");
}

// ------------------------------------------- the check's reset of memory

TEST_F(DumpAndTrace, CheckResetsOnlyCellsOneTo512) {
  program.image[0] = Word(0x1234);
  program.image[1] = Word(0x5678);
  program.image[512] = Word(0x9ABC);
  program.image[513] = Word(0xDEF0);
  program.image[3000] = Word(0x1111);
  // An unknown operation: the check counts an error and nothing is translated.
  assemble({"PRG START", " LDX GR1,A", " RET", " END"});
  ASSERT_EQ(program.errorCount, 1);
  EXPECT_EQ(messages.back(), "1個のエラーがあります。");
  EXPECT_EQ(word(0), "1234");
  EXPECT_EQ(value(0), 0x1234);
  EXPECT_EQ(word(1), "    ");
  EXPECT_EQ(value(1), 0);
  EXPECT_EQ(word(512), "    ");
  EXPECT_EQ(value(512), 0);
  EXPECT_EQ(word(513), "DEF0");
  EXPECT_EQ(value(513), -8464);
  EXPECT_EQ(word(3000), "1111");
  EXPECT_EQ(value(3000), 0x1111);
}

TEST_F(DumpAndTrace, TranslationLeavesCellsItDoesNotWrite) {
  program.image[0] = Word(0x1234);
  program.image[1] = Word(0x5678);
  program.image[513] = Word(0xDEF0);
  // "out" occupies 0000 and 0001 but writes nothing; RET is at 0002.
  assemble({"PRG START", " out A,B", " RET", "A DC 1", "B DC 2", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(words(0, 5), (Words{"1234", "    ", "8100", "0001", "0002"}));
  EXPECT_EQ(value(0), 0x1234);
  EXPECT_EQ(word(513), "DEF0");
  const std::vector<std::string> rows = dumpRows();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows.at(0), "0001      " + spaces(56));
  EXPECT_EQ(rows.at(1), "0002  8100" + spaces(56));
}

TEST_F(DumpAndTrace, WordsAbove512OfAnEarlierTranslationSurviveTheNextCheck) {
  // DS 0000 to 0257, X at 0258 (600), RET at 0259.
  assemble({"PRG START", " DS 600", "X DC #BEEF", " RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(word(600), "BEEF");
  assemble({"PRG START", " DC 1", " RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(word(600), "BEEF");
  EXPECT_EQ(value(600), -16657);
  EXPECT_EQ(word(513), "0000");
  EXPECT_EQ(words(0, 3), (Words{"0001", "8100", "    "}));
  EXPECT_EQ(words(511, 2), (Words{"    ", "    "}));
}

// -------------------------------------------------- program-trace text

TEST_F(DumpAndTrace, TraceTextHasEveryLineWithTwoSpaceSeparatorsAndCrLf) {
  assemble({"PRG START", " LD GR1,X ;load", "X DC 5 FIVE ;five", " RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(traceText(),
            "      PRG  START         \r\n"
            "0000        LD  GR1,X   ;load   \r\n"
            "0002     X  DC  5   FIVE  ;five \r\n"
            "0003        RET         \r\n"
            "         END         \r\n");
}

TEST_F(DumpAndTrace, TraceTextShowsTheStartOperandAndStringsAsWritten) {
  // Column 4 holds the whole quoted string; column 5 keeps the piece after
  // the space that the splitting by spaces put there.
  assemble({"MAIN START BEGIN", "MSG DC 'A B'", "BEGIN RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(traceText(),
            "      MAIN  START  BEGIN      \r\n"
            "0000     MSG  DC  'A B'   B'  \r\n"
            "0003     BEGIN  RET         \r\n"
            "         END         \r\n");
}

TEST_F(DumpAndTrace, TraceTextEndsAtTheLineBeforeABlankLine) {
  assemble({"PRG START", " RET", " END", "", " NOP"});
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(table().lineCount, 3);
  EXPECT_EQ(traceText(),
            "      PRG  START         \r\n"
            "0000        RET         \r\n"
            "         END         \r\n");
  // The NOP after the blank line has its address but is not translated.
  ASSERT_EQ(table().programEnd, 2);
  EXPECT_EQ(words(0, 2), (Words{"8100", "    "}));
  const std::vector<std::string> rows = dumpRows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows.at(0), "0001      " + spaces(56));
  EXPECT_EQ(rows.at(1), "0002      " + spaces(56));
}

TEST_F(DumpAndTrace, EachTranslationReplacesTheWholeTraceText) {
  assemble(fortyWordProgram);
  ASSERT_EQ(program.errorCount, 0);
  assemble({"P START", " RET", " END"});
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(traceText(),
            "      P  START         \r\n"
            "0000        RET         \r\n"
            "         END         \r\n");
}

}  // namespace
}  // namespace casl2wb::translationtest
