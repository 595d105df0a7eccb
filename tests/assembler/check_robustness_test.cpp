// Hostile input for the whole check and translation: whatever the bytes,
// the check ends, writes only inside its tables and reports what it found.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "assembler/assembler.h"
#include "assembler/listing_text.h"
#include "base/source_file.h"

namespace casl2wb {
namespace {

struct Assembly {
  AssembledProgram program;
  std::vector<std::string> messages;  // the texts of its message list

  void checkBytes(std::string_view bytes) {
    program = Assembler().assemble(splitSourceLines(decodeSourceBytes(bytes)));
    messages = listingTexts(program.listing);
  }
};

TEST(CheckRobustness, RandomBinaryBytes) {
  std::mt19937 random(12345);
  for (int round = 0; round < 20; ++round) {
    std::string bytes(4096, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
    Assembly assembly;
    assembly.checkBytes(bytes);
    ASSERT_FALSE(assembly.messages.empty());
    EXPECT_GT(assembly.program.errorCount, 0);
  }
}

TEST(CheckRobustness, NulBytesAreOrdinaryCharacters) {
  Assembly assembly;
  assembly.checkBytes(std::string("PRG START\n L\0D GR1,A\n RET\n END\n", 31));
  const std::string listing("0000| | |L\0D|GR1,A | |", 22);
  EXPECT_EQ(assembly.messages.at(1), listing);
  EXPECT_EQ(assembly.messages.at(2), "****** ｴﾗ- ****** CASLⅡの命令語ではありません。********");
}

TEST(CheckRobustness, OneMegabyteLines) {
  const std::string longComment = " NOP ;" + std::string(1 << 20, 'x');
  std::string constants = "C DC 1";
  for (int i = 0; i < 200000; ++i) constants += ",2";
  Assembly assembly;
  assembly.checkBytes("PRG START\n" + longComment + "\n" + constants + "\n RET\n END\n");
  EXPECT_EQ(assembly.messages.at(1), "１行の文字数が７２文字を越えています。");
  // The comment keeps the characters up to position 72 of the padded line.
  EXPECT_EQ(assembly.messages.at(2), "0000| | |NOP|  |;" + std::string(65, 'x') + "|");
  // 200001 constants from address 1: RET lies at 200002 (30D42), shown as 0D42.
  EXPECT_EQ(assembly.program.source.line(4).address.text(), U"0D42");
  EXPECT_EQ(assembly.program.source.line(4).location, 200002);
  EXPECT_EQ(assembly.messages.back(), "2個のエラーがあります。");  // both lines too long
}

TEST(CheckRobustness, AHundredThousandLinesStopAtTheTableEnd) {
  std::string text = "PRG START\n";
  for (int i = 0; i < 100000; ++i) text += " NOP\n";
  Assembly assembly;
  assembly.checkBytes(text);
  const auto& items = assembly.messages;
  const auto tooMany =
      std::find(items.begin(), items.end(),
                "***** ｴﾗ- ***** 行数が1013行を越えています。1014行目以降は処理しません。*****");
  ASSERT_NE(tooMany, items.end());
  EXPECT_EQ(tooMany - items.begin(), 1013);  // right after the 1013 listing items
  EXPECT_EQ(assembly.program.source.lineCount, 1013);
}

TEST(CheckRobustness, EmptyInput) {
  Assembly assembly;
  assembly.checkBytes("");
  EXPECT_EQ(assembly.messages,
            (std::vector<std::string>{"***** ｴﾗ- ***** RET 命令がありません｡*****",
                                      "***** ｴﾗ- ***** END 命令がありません｡*****",
                                      "2個のエラーがあります。"}));
}

}  // namespace
}  // namespace casl2wb
