// Programs at and past the bounds of the memory image and its tables: words
// outside addresses 0 to 3000 are never written and give one counted error.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "translation_fixture.h"

namespace casl2wb::translationtest {
namespace {

using Words = std::vector<std::string>;

const std::string noErrors = "機械語に変換する前のエラー個数は0個です。";
const std::string badDsSize = "***** ｴﾗ- ***** DSの語数が違います｡*****";
const std::string outsideMemory = "***** ｴﾗ- ***** プログラムがメモリに入りきりません｡*****";

std::string fourHexDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value) & 0xFFFFu);
  return text;
}

class TranslationLimits : public TranslationFixture {
 protected:
  long outsideMemoryMessages() const {
    return std::count(messages.begin(), messages.end(), outsideMemory);
  }
  std::vector<std::string> dumpRows() const {
    const auto& items = messages;
    auto at = std::find(items.begin(), items.end(), noErrors);
    if (at == items.end()) return {};
    ++at;
    if (at != items.end() && *at == outsideMemory) ++at;
    return std::vector<std::string>(at, items.end());
  }
  // "PRG START", `count` lines " LD GR1,=k" for k = 1..count, " RET", " END".
  void assembleLiteralLines(int count) {
    std::vector<std::string> lines{"PRG START"};
    for (int k = 1; k <= count; ++k) lines.push_back(" LD GR1,=" + std::to_string(k));
    lines.push_back(" RET");
    lines.push_back(" END");
    assemble(lines);
  }
};

// ------------------------------------------------------------------- DS

TEST_F(TranslationLimits, Ds65535FillsTheWholeMemoryAndReportsOnce) {
  assemble({"PRG START", " DS 65535", " RET", " END"});
  EXPECT_EQ(address(3), "FFFF");
  ASSERT_EQ(table().programEnd, 65536);
  EXPECT_EQ(program.errorCount, 1);
  EXPECT_EQ(outsideMemoryMessages(), 1);
  ASSERT_EQ(messages.size(), 4u + 1u + 1u + 31u);
  EXPECT_EQ(messages.at(4), noErrors);
  EXPECT_EQ(messages.at(5), outsideMemory);
  for (int a : {0, 1, 255, 512, 513, 2999, 3000}) {
    EXPECT_EQ(word(a), "0000") << a;
    EXPECT_EQ(value(a), 0) << a;
  }
  EXPECT_EQ(translation.literalCount, 0);
  EXPECT_EQ(wordsInUse(), 65536);
  EXPECT_EQ(program.image.addressTexts.at(1013), "03F5");
  const std::vector<std::string> rows = dumpRows();
  ASSERT_EQ(rows.size(), 31u);
  EXPECT_EQ(rows.at(0),
            "0001  0000  0021  0000  0041  0000  0061  0000  0081  0000  00A1  0000  00C1  0000  "
            "00E1  0000");
  EXPECT_EQ(rows.at(30),
            "001F  0000  003F  0000  005F  0000  007F  0000  009F  0000  00BF  0000  00DF  0000  "
            "00FF  0000");
}

TEST_F(TranslationLimits, Ds65535FollowedByALiteralInstruction) {
  // LD lies at FFFF and its address word beyond; the literal at 65537.
  assemble({"PRG START", " DS 65535", " LD GR1,=1", " RET", " END"});
  EXPECT_EQ(program.errorCount, 1);
  EXPECT_EQ(outsideMemoryMessages(), 1);
  EXPECT_EQ(word(3000), "0000");
  EXPECT_EQ(translation.literalCount, 1);
  EXPECT_EQ(dumpRows().size(), 31u);
  // RET's address text wraps to 0001, but its word lies past the memory and
  // is not written over the DS area.
  EXPECT_EQ(address(4), "0001");
  EXPECT_EQ(word(1), "0000");
}

TEST_F(TranslationLimits, NegativeDsIsRefusedByTheCheckAndOccupiesNothing) {
  program.image[0] = Word(0x1234);
  assemble({"PRG START", " DS -5", " RET", " END"});
  // The check counts a negative DS as 0 words and as an error, so the
  // translation does not run and cell 0 keeps its word.
  EXPECT_EQ(address(2), "0000");
  EXPECT_EQ(address(3), "0000");
  ASSERT_EQ(table().programEnd, 1);
  ASSERT_EQ(program.errorCount, 1);
  EXPECT_EQ(std::count(messages.begin(), messages.end(), badDsSize), 1);
  EXPECT_EQ(word(0), "1234");
  EXPECT_EQ(outsideMemoryMessages(), 0);
}

TEST_F(TranslationLimits, NegativeDsWritesNothingWhenTranslated) {
  // DC at 0000 and 0001, RET at 0002, DS -5 at 0003 takes no word.
  assemble({"PRG START", " DC 1,2", " RET", " DS -5", " END"});
  ASSERT_EQ(program.errorCount, 1);
  ASSERT_EQ(table().programEnd, 3);
  EXPECT_EQ(messages.back(), "1個のエラーがあります。");
  const Translation again = translateAgain();
  EXPECT_EQ(log.count(), 0);
  EXPECT_EQ(words(0, 5), (Words{"0001", "0002", "8100", "    ", "    "}));
  EXPECT_EQ(again.literalCount, 0);
  // Three words in use: three dump rows.
  ASSERT_EQ(again.dump.size(), 3u);
  EXPECT_EQ(listingText({0, again.dump.at(1)}), "0002  8100" + std::string(56, ' '));
  EXPECT_EQ(listingText({0, again.dump.at(2)}), "0003      " + std::string(56, ' '));
}

// ------------------------------------------------------------------- DC

TEST_F(TranslationLimits, ThreeHundredConstantsOnFifteenLines) {
  std::vector<std::string> lines{"PRG START"};
  int c = 0;
  for (int line = 0; line < 15; ++line) {
    std::string text = " DC ";
    for (int i = 0; i < 20; ++i, ++c) {
      if (i > 0) text += ",";
      text += std::to_string(10 + c % 90);
    }
    lines.push_back(text);
  }
  lines.push_back(" RET");
  lines.push_back(" END");
  assemble(lines);
  ASSERT_EQ(program.errorCount, 0);
  EXPECT_EQ(address(17), "012C");
  for (int a = 0; a < 300; ++a) EXPECT_EQ(word(a), fourHexDigits(10 + a % 90)) << a;
  EXPECT_EQ(word(0), "000A");
  EXPECT_EQ(word(89), "0063");
  EXPECT_EQ(word(90), "000A");
  EXPECT_EQ(word(299), "0027");
  EXPECT_EQ(word(300), "8100");
  EXPECT_EQ(wordsInUse(), 301);
}

TEST_F(TranslationLimits, ThreeHundredConstantsOnOneLineAreAllWritten) {
  std::string text = " DC ";
  for (int c = 0; c < 300; ++c) {
    if (c > 0) text += ",";
    text += std::to_string((c * 7) % 10);
  }
  assemble({"PRG START", text, " RET", " END"});
  // The line is longer than 72 characters: the check counts that and does
  // not translate; the table still holds every constant.
  ASSERT_EQ(program.errorCount, 1);
  EXPECT_EQ(address(3), "012C");
  translateAgain();
  EXPECT_EQ(log.count(), 0);
  for (int c = 0; c < 300; ++c) EXPECT_EQ(word(c), fourHexDigits((c * 7) % 10)) << c;
  EXPECT_EQ(words(49, 4), (Words{"0003", "0000", "0007", "0004"}));
  EXPECT_EQ(word(299), "0003");
  EXPECT_EQ(word(300), "8100");
}

// ------------------------------------------------------------- literals

TEST_F(TranslationLimits, FiveHundredLiterals) {
  assembleLiteralLines(500);
  ASSERT_EQ(program.errorCount, 0);
  ASSERT_EQ(table().programEnd, 1001);
  EXPECT_EQ(translation.literalCount, 500);
  EXPECT_EQ(wordsInUse(), 1501);
  for (int k = 1; k <= 500; ++k) {
    EXPECT_EQ(word(2 * (k - 1)), "1010") << k;
    EXPECT_EQ(word(2 * (k - 1) + 1), fourHexDigits(1000 + k)) << k;
    EXPECT_EQ(word(1000 + k), fourHexDigits(k)) << k;
  }
  EXPECT_EQ(words(998, 4), (Words{"1010", "05DC", "8100", "0001"}));
  EXPECT_EQ(word(1500), "01F4");
  EXPECT_EQ(program.image.addressTexts.at(1013), "03F5");
  const std::vector<std::string> rows = dumpRows();
  ASSERT_EQ(rows.size(), 31u);
  EXPECT_EQ(rows.at(0),
            "0001  03E9  0021  03F9  0041  0409  0061  0419  0081  0429  00A1  0439  00C1  0449  "
            "00E1  0459");
  EXPECT_EQ(rows.at(1),
            "0002  1010  0022  1010  0042  1010  0062  1010  0082  1010  00A2  1010  00C2  1010  "
            "00E2  1010");
}

TEST_F(TranslationLimits, ThousandLiteralsFillTheMemoryExactly) {
  assembleLiteralLines(1000);
  ASSERT_EQ(table().programEnd, 2001);
  EXPECT_EQ(program.errorCount, 0);
  EXPECT_EQ(outsideMemoryMessages(), 0);
  EXPECT_EQ(words(1998, 4), (Words{"1010", "0BB8", "8100", "0001"}));
  EXPECT_EQ(words(2999, 2), (Words{"03E7", "03E8"}));
  EXPECT_EQ(wordsInUse(), 3001);
}

TEST_F(TranslationLimits, LiteralPoolPastTheEndOfMemory) {
  // programEnd 2007; the literals of k = 995 to 1003 would lie at 3001 to 3009.
  assembleLiteralLines(1003);
  ASSERT_EQ(table().programEnd, 2007);
  EXPECT_EQ(program.errorCount, 1);
  EXPECT_EQ(outsideMemoryMessages(), 1);
  ASSERT_EQ(messages.size(), 1006u + 1u + 1u + 31u);
  EXPECT_EQ(messages.at(1006), noErrors);
  EXPECT_EQ(messages.at(1007), outsideMemory);
  // Every occurrence still gets its own pool address.
  EXPECT_EQ(words(2002, 5), (Words{"1010", "0BC0", "1010", "0BC1", "8100"}));
  EXPECT_EQ(words(2998, 3), (Words{"03E0", "03E1", "03E2"}));
  EXPECT_EQ(translation.literalCount, 1003);
  EXPECT_EQ(wordsInUse(), 3010);
}

// ------------------------------------------------------ end of memory

TEST_F(TranslationLimits, LabelAtTheEndOfAFullMemory) {
  // LD 0000, LD 0002, DS 0004 to 0BB6, RET 0BB7, LAST 0BB8 (3000); HERE
  // labels a line after the last word and stands for programEnd, 0BB9.
  assemble({"PRG START", " LD GR1,LAST", " LD GR2,HERE", " DS 2995", " RET", "LAST DC 5",
            "HERE ;after the last word", " END"});
  ASSERT_EQ(table().programEnd, 3001);
  EXPECT_EQ(program.errorCount, 0);
  EXPECT_EQ(outsideMemoryMessages(), 0);
  EXPECT_EQ(words(0, 5), (Words{"1010", "0BB8", "1020", "0BB9", "0000"}));
  EXPECT_EQ(words(2998, 3), (Words{"0000", "8100", "0005"}));
  EXPECT_EQ(value(3000), 5);
  EXPECT_EQ(wordsInUse(), 3001);
  EXPECT_EQ(program.image.addressTexts.at(1013), "03F5");
  EXPECT_EQ(dumpRows().size(), 31u);
}

TEST_F(TranslationLimits, OneConstantPastTheLastAddress) {
  assemble({"PRG START", " DS 2999", " RET", "LAST DC 5,6", " END"});
  ASSERT_EQ(table().programEnd, 3002);
  EXPECT_EQ(program.errorCount, 1);
  EXPECT_EQ(outsideMemoryMessages(), 1);
  EXPECT_EQ(words(2999, 2), (Words{"8100", "0005"}));
}

TEST_F(TranslationLimits, InstructionsAndLiteralsPastTheEndReportOnce) {
  // RET 0BB7, the first LD at 3000 and 3001, the second at 3002, 3003; the
  // pool at 3004 and 3005.
  assemble({"PRG START", " DS 2999", " RET", " LD GR1,=7", " LD GR2,=8", " END"});
  ASSERT_EQ(table().programEnd, 3004);
  EXPECT_EQ(program.errorCount, 1);
  EXPECT_EQ(outsideMemoryMessages(), 1);
  EXPECT_EQ(words(2999, 2), (Words{"8100", "1010"}));
  EXPECT_EQ(translation.literalCount, 2);
  EXPECT_EQ(wordsInUse(), 3006);
}

TEST_F(TranslationLimits, RpushAcrossTheLastAddress) {
  // RET at 2990, RPUSH from 2991 to 3005: its first ten words fit.
  assemble({"PRG START", " DS 2990", " RET", " RPUSH", " END"});
  EXPECT_EQ(program.errorCount, 1);
  EXPECT_EQ(outsideMemoryMessages(), 1);
  EXPECT_EQ(words(2990, 11), (Words{"8100", "9500", "7001", "0000", "7002", "0000", "7003", "0000",
                                    "7004", "0000", "7005"}));
}

}  // namespace
}  // namespace casl2wb::translationtest
