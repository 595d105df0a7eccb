// Address assignment during the check: the location counter, the address
// texts of the lines, the two-word marks, the end of the program, the OUT
// buffer length, and the memory cells a check resets.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "assembler/address_assignment.h"
#include "check_fixture.h"

namespace casl2wb::checktest {
namespace {

using Items = std::vector<std::string>;

class CheckAddresses : public CheckFixture {
 protected:
  // Checks the lines and remembers how many there were.
  const std::vector<std::string>& checkAll(const std::vector<std::string>& lines) {
    checkedLines = static_cast<int>(lines.size());
    return check(lines);
  }
  // The address texts of all checked lines, line 1 first.
  std::vector<std::string> addresses() const {
    std::vector<std::string> texts;
    for (int n = 1; n <= checkedLines; ++n) texts.push_back(address(n));
    return texts;
  }
  // Whether line n counts as a two-word instruction.
  bool twoWords(int n) const { return statementSize(line(n), 0).words.value == 2; }
  // Makes a check leave `words` as the OUT buffer length for the next one.
  void leaveOutputSize(int words) {
    check({"PRG START", " OUT B,L", " RET", "B DS " + std::to_string(words), "L DC 1", " END"});
    ASSERT_EQ(program.outputSize, words);
  }

  int checkedLines = 0;
};

TEST_F(CheckAddresses, SixLineProgram) {
  checkAll({"PRG START", " LD GR1,GR2", " LD GR1,X", "X DC 5", " RET", " END"});
  EXPECT_EQ(addresses(), (Items{" ", "0000", "0001", "0003", "0004", " "}));
  EXPECT_EQ(table().programEnd, 5);
  EXPECT_FALSE(twoWords(2));
  EXPECT_TRUE(twoWords(3));
  EXPECT_FALSE(twoWords(4));
  EXPECT_FALSE(twoWords(5));
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckAddresses, DsMovesTheCounterByItsCount) {
  checkAll({"PRG START", " LD GR1,X", " LD GR1,Y", "X DS 10", "Y DS 1", " RET", " END"});
  EXPECT_EQ(addresses(), (Items{" ", "0000", "0002", "0004", "000E", "000F", " "}));
  EXPECT_EQ(table().programEnd, 16);
}

TEST_F(CheckAddresses, DcTakesOneWordPerConstantOrCharacter) {
  checkAll({"PRG START", "A1 DC 'ABC'", "A2 DC 1,2,3", "A3 DC #FFFF", "A4 DC 'A B'", "A5 DC 'A,B'",
            "A6 DC 'IT''S'", "A7 DC 'A  B'", " RET", " END"});
  EXPECT_EQ(addresses(),
            (Items{" ", "0000", "0003", "0006", "0007", "000A", "000D", "0012", "0016", " "}));
  EXPECT_EQ(table().programEnd, 23);
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckAddresses, SizeOfEveryKindOfStatement) {
  checkAll({"PRG START",    "BUF DS 5",    "LEN DC 5",   " IN BUF,LEN",   " OUT BUF,LEN",
            " RPUSH",       " RPOP",       " NOP",       " POP GR1",      " DMP",
            " MDMP",        " ST GR1,BUF", " LAD GR1,1", " SLA GR1,1",    " JUMP BUF",
            " PUSH 0",      " CALL BUF",   " SVC 1",     " ADDA GR1,GR2", " CPL GR1,BUF",
            " out BUF,LEN", " HALT",       " RET",       " END"});
  EXPECT_EQ(addresses(), (Items{" ",    "0000", "0005", "0006", "0009", "000C", "001B", "0023",
                                "0024", "0025", "0026", "0028", "002A", "002C", "002E", "0030",
                                "0032", "0034", "0036", "0037", "0039", "003B", "003D", " "}));
  EXPECT_EQ(table().programEnd, 62);
  // Lines counted as two-word instructions: MDMP, ST, LAD, SLA, JUMP, PUSH,
  // CALL, SVC, CPL with an address, "out" and the unknown HALT.
  const std::vector<int> twoWordLines{11, 12, 13, 14, 15, 16, 17, 18, 20, 21, 22};
  for (int n = 1; n <= 24; ++n) {
    const bool expected =
        std::find(twoWordLines.begin(), twoWordLines.end(), n) != twoWordLines.end();
    EXPECT_EQ(twoWords(n), expected) << "line " << n;
  }
  // Only HALT is wrong in this program.
  EXPECT_EQ(lastItem(), errorTotal(1));
  EXPECT_EQ(occurrences(msgUnknownOperation), 1);
}

TEST_F(CheckAddresses, AddressesKeepTheirLowFourHexDigits) {
  checkAll({"PRG START", "BIG DS 65535", " NOP", " NOP", " RET", " END"});
  EXPECT_EQ(addresses(), (Items{" ", "0000", "FFFF", "0000", "0001", " "}));
  EXPECT_EQ(table().programEnd, 65538);
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckAddresses, HugeDsCountsKeepTheExactLowDigitsOfTheCounter) {
  // 2^32 + 1, 2^64 + 1 and 2^128 + 1 each move the shown digits by one;
  // 10^30 = 2^30 * 5^30 moves them by nothing.
  checkAll({"PRG START", " NOP", "A DS 4294967297", "B DS 18446744073709551617",
            "C DS 340282366920938463463374607431768211457", "D DS 1000000000000000000000000000000",
            " NOP", " RET", " END"});
  EXPECT_EQ(addresses(), (Items{" ", "0000", "0001", "0002", "0003", "0004", "0004", "0005", " "}));
  EXPECT_GT(table().programEnd, MemoryImage::lastAddress);  // the translation reports it too large
}

TEST_F(CheckAddresses, LinesWithoutAnOperationTakeNoAddress) {
  checkAll({"PRG START", ";note", " NOP", "  ;x", " RET", " END"});
  EXPECT_EQ(addresses(), (Items{" ", " ", "0000", " ", "0001", " "}));
  EXPECT_EQ(table().programEnd, 2);
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckAddresses, DsCountIsReadAsASignedDecimalNumber) {
  checkAll({"PRG START", "B1 DS 10", "B2 DS 0", "B3 DS ABC", "B4 DS +3", " RET", " END"});
  EXPECT_EQ(addresses(), (Items{" ", "0000", "000A", "000A", "000A", "000D", " "}));
  EXPECT_EQ(table().programEnd, 14);
  EXPECT_EQ(lastItem(), msgNoErrors);
}

TEST_F(CheckAddresses, NegativeDsCountIsReportedBeforeItsLineAndCountsNoWords) {
  const auto& items = checkAll({"PRG START", "B1 DS -3", " RET", " END"});
  EXPECT_EQ(items, (Items{" | |PRG|START|  | |", msgDsCountBad, "0000| |B1|DS|-3 | |",
                          "0000| | |RET|  | |", " | | |END|  | |", errorTotal(1)}));
  EXPECT_EQ(table().programEnd, 1);
  EXPECT_EQ(program.errorCount, 1);
}

TEST_F(CheckAddresses, OutputSizeComesFromTheDsThatOutNames) {
  checkAll({"PRG START", " OUT B1,L1", " RET", "B1 DS 80", "L1 DC 5", " END"});
  EXPECT_EQ(lastItem(), msgNoErrors);
  EXPECT_EQ(program.outputSize, 80);
}

TEST_F(CheckAddresses, OutputSizeFromTheLastOutLineWithAMatchingDs) {
  // OUT lines are taken in line order; the buffer of the last one wins even
  // though its DS line comes first.
  checkAll(
      {"PRG START", " OUT B2,L1", " OUT B1,L1", " RET", "B1 DS 10", "B2 DS 20", "L1 DC 5", " END"});
  EXPECT_EQ(lastItem(), msgNoErrors);
  EXPECT_EQ(program.outputSize, 10);
}

TEST_F(CheckAddresses, OutputSizeFromTheLastDsOfALabelWrittenTwice) {
  // The last pair in line order wins, also when the label is on two DS
  // lines (an error of the OUT line, but the size stays for the next check).
  checkAll({"PRG START", " OUT B,L", " RET", "B DS 1", "B DS 3", "L DS 1", " END"});
  EXPECT_EQ(lastItem(), errorTotal(1));
  EXPECT_EQ(program.outputSize, 3);
}

TEST_F(CheckAddresses, OutputSizeKeepsItsValueWithoutAMatchingPair) {
  leaveOutputSize(33);
  checkAll({"PRG START", " out B1,L1", " RET", "B1 DS 10", "L1 DC 5", " END"});
  EXPECT_EQ(lastItem(), msgNoErrors);
  EXPECT_EQ(program.outputSize, 33);
}

TEST_F(CheckAddresses, OutputSizeKeepsItsValueFromTheCheckBefore) {
  checkAll({"PRG START", " OUT B1,L1", " RET", "B1 DS 12", "L1 DC 5", " END"});
  EXPECT_EQ(program.outputSize, 12);
  checkAll({"PRG START", " RET", " END"});
  EXPECT_EQ(lastItem(), msgNoErrors);
  EXPECT_EQ(program.outputSize, 12);
}

TEST_F(CheckAddresses, OutputSizeIgnoresDsLinesAfterTheProgramEnd) {
  leaveOutputSize(33);
  checkAll({"PRG START", " OUT B1,L1", " RET", "L1 DC 5", " END", "", "B1 DS 10"});
  EXPECT_EQ(table().lineCount, 5);
  EXPECT_EQ(program.outputSize, 33);
  EXPECT_EQ(lastItem(), errorTotal(1));  // B1 is not defined within the program
}

TEST_F(CheckAddresses, LinesAfterABlankLineStillMoveTheCounter) {
  checkAll({"PRG START", " NOP", " RET", " END", "", " DS 4", " NOP"});
  EXPECT_EQ(addresses(), (Items{" ", "0000", "0001", " ", " ", "0002", "0006"}));
  EXPECT_EQ(table().programEnd, 7);
  EXPECT_EQ(table().lineCount, 4);
}

TEST_F(CheckAddresses, CheckResetsMemoryCellsOneTo512Only) {
  const Word word(0xABCD);
  for (int a : {0, 1, 2, 256, 511, 512, 513, 1000, 3000}) program.image[a] = word;
  // The lower-case "out" occupies two words and writes neither, so the
  // translation leaves cells 0 to 3 as the check left them.
  check({"PRG START", " out A,B", " out A,B", " RET", "A DC 1", "B DC 2", " END"});
  EXPECT_EQ(lastItem(), msgNoErrors);
  for (int a : {0, 513, 1000, 3000}) {
    EXPECT_EQ(program.image[a], word) << "cell " << a;
    EXPECT_EQ(program.image[a].signedValue(), static_cast<std::int16_t>(0xABCD)) << "cell " << a;
  }
  for (int a : {1, 2, 256, 511, 512}) {
    EXPECT_EQ(program.image[a], Word::blank()) << "cell " << a;
    EXPECT_EQ(program.image[a].text(), "    ") << "cell " << a;
    EXPECT_EQ(program.image[a].signedValue(), 0) << "cell " << a;
  }
}

TEST_F(CheckAddresses, CheckWithErrorsResetsMemoryToo) {
  program.image[5] = Word(0x0001);
  program.image[0] = Word(0x0002);
  check({" HALT"});
  EXPECT_FALSE(program.translated);
  EXPECT_EQ(program.image[5], Word::blank());
  EXPECT_EQ(program.image[5].signedValue(), 0);
  EXPECT_EQ(program.image[0], Word(0x0002));
  EXPECT_EQ(program.image[0].signedValue(), 2);
}

}  // namespace
}  // namespace casl2wb::checktest
