// The check and translation of standard CASL II: cutting lines, operands
// and constants, units and their labels, literals, and what a program hands
// on to a run.
#include <gtest/gtest.h>

#include <sstream>

#include "assembler/standard_assembler.h"
#include "assembler/standard_line.h"

namespace casl2wb::standard {
namespace {

std::vector<Text> linesOf(const std::string& source) {
  std::vector<Text> lines;
  std::istringstream in(source);
  for (std::string line; std::getline(in, line);) lines.push_back(fromUtf8(line));
  return lines;
}

Program assembled(const std::string& source, const std::string& linked = "") {
  std::vector<SourceFile> files{{"a.cas", linesOf(source)}};
  if (!linked.empty()) files.push_back({"b.cas", linesOf(linked)});
  return assemble(std::move(files));
}

// The messages of a program, each as "file:line:column message".
std::vector<std::string> problems(const Program& program) {
  std::vector<std::string> texts;
  for (const Diagnostic& d : program.diagnostics) {
    texts.push_back(std::to_string(d.place.file) + ':' + std::to_string(d.place.line) + ':' +
                    std::to_string(d.column) + ' ' + d.plainText());
  }
  return texts;
}

// The words of a one-statement program, in a unit of its own.
std::vector<std::uint16_t> wordsOf(const std::string& statement) {
  const Program program = assembled("P START\n " + statement + "\n END\n");
  EXPECT_TRUE(program.diagnostics.empty()) << statement << ": " << problems(program)[0];
  return program.words;
}

TEST(StandardLine, FieldsEndAtBlanksOutsideQuotesAndCommentsAtSemicolons) {
  const CutLine cut = cutLine(U"LAB\tDC  'A;B, C''D',#12 ; note; more");
  EXPECT_EQ(cut.label.text, U"LAB");
  EXPECT_EQ(cut.operation.text, U"DC");
  EXPECT_EQ(cut.operation.column, 9);  // the tab reaches column 9
  ASSERT_EQ(cut.operands.size(), 2u);
  EXPECT_EQ(cut.operands[0].text, U"'A;B, C''D'");
  EXPECT_EQ(cut.operands[1].text, U"#12");
  EXPECT_EQ(cut.operands[1].column, 25);
  EXPECT_EQ(cut.comment, U"; note; more");
  EXPECT_EQ(cut.unclosedQuote, 0);

  EXPECT_FALSE(cutLine(U"   ; an indented comment").isStatement());
  EXPECT_FALSE(cutLine(U" \t ").isStatement());
  EXPECT_EQ(cutLine(U" DC 'AB").unclosedQuote, 5);
  const CutLine bare = cutLine(U"ONLY");
  EXPECT_TRUE(bare.isStatement());
  EXPECT_TRUE(bare.operation.text.empty());
}

TEST(StandardAssembler, LabelsAreUpperCaseLettersAndDigitsButNoRegister) {
  for (const char32_t* good : {U"A", U"ABCDEFGH", U"X1", U"GR8", U"GR"}) {
    EXPECT_TRUE(isLabel(good)) << toUtf8(good);
  }
  for (const char32_t* bad : {U"", U"ABCDEFGHI", U"1A", U"a", U"Ab", U"GR0", U"GR7", U"A-B"}) {
    EXPECT_FALSE(isLabel(bad)) << toUtf8(bad);
  }
}

TEST(StandardAssembler, InstructionsAndConstantsBecomeTheirWords) {
  using Words = std::vector<std::uint16_t>;
  const std::vector<std::pair<std::string, Words>> cases = {
      {"LD GR1,GR2", {0x1412}},
      {"LD GR1,#0010,GR7", {0x1017, 0x0010}},
      {"ADDL GR7,65535", {0x2270, 0xFFFF}},
      {"SUBA GR0,-32768", {0x2100, 0x8000}},
      {"JUMP 3,GR1", {0x6401, 0x0003}},
      {"POP GR6", {0x7160}},
      {"RET", {0x8100}},
      {"NOP", {0x0000}},
      {"SVC 2", {0xF000, 0x0002}},
      {"DC 1,-1,#A,'A''B'", {0x0001, 0xFFFF, 0x000A, 0x0041, 0x0027, 0x0042}},
      {"DC 'あ'", {0x0082, 0x00A0}},
      {"DC 70000,-32769,65536", {0x1170, 0x7FFF, 0x0000}},
      {"DS 3", {0, 0, 0}},
      {"DS 0", {}},
      {"RPOP", {0x7170, 0x7160, 0x7150, 0x7140, 0x7130, 0x7120, 0x7110}},
      {"IN 20,21", {0x7001, 0, 0x7002, 0, 0x1210, 20, 0x1220, 21, 0xF000, 1, 0x7120, 0x7110}},
  };
  for (const auto& [statement, words] : cases) EXPECT_EQ(wordsOf(statement), words) << statement;
}

TEST(StandardAssembler, WrongOperandsAreFoundWithTheirColumn) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {" LD GR8,1", "0:2:5 GR8 は汎用レジスタ（GR0～GR7）ではありません。"},
      {" LD GR1,1,GR0", "0:2:11 GR0 は指標レジスタ（GR1～GR7）ではありません。"},
      {" LD GR1", "0:2:5 LD 命令のオペランドの数または形が違います。"},
      {" RET 1", "0:2:6 RET 命令のオペランドの数または形が違います。"},
      {" POP 1", "0:2:6 1 は汎用レジスタ（GR0～GR7）ではありません。"},
      {" LD GR1,65536",
       "0:2:9 65536 はアドレス（10進定数、16進定数、ラベル、リテラル）ではありません。"},
      {" LD GR1,-32769",
       "0:2:9 -32769 はアドレス（10進定数、16進定数、ラベル、リテラル）ではありません。"},
      {" LD GR1,#12345",
       "0:2:9 #12345 はアドレス（10進定数、16進定数、ラベル、リテラル）ではありません。"},
      {" LD GR1, X", "0:2:9 LD 命令のオペランドの数または形が違います。"},
      {" LD GR1,=", "0:2:9 = はアドレス（10進定数、16進定数、ラベル、リテラル）ではありません。"},
      {" DC ''", "0:2:5 '' は定数（10進定数、16進定数、文字定数、ラベル）ではありません。"},
      {" DS #10", "0:2:5 #10 は語数（0～65535 の10進定数）ではありません。"},
      {" DMP", "0:2:2 DMP は CASL II の命令ではありません。"},
      {" OUT A", "0:2:6 OUT 命令のオペランドの数または形が違います。"},
      {"X", "0:2:1 命令がありません。"},
  };
  for (const auto& [line, problem] : cases) {
    const Program program = assembled("P START\n" + line + "\n RET\n END\n");
    EXPECT_EQ(problems(program), std::vector<std::string>{problem}) << line;
    EXPECT_FALSE(program.runnable());
    EXPECT_TRUE(program.words.empty());
  }
}

TEST(StandardAssembler, UnitsHaveLocalLabelsAndAreCalledByTheirNames) {
  const Program program = assembled(
      "MAIN START GO\n"
      "X DC 7\n"
      "GO CALL SUB\n"
      " LD GR1,X\n"
      " RET\n"
      " END\n",
      "SUB START\n"
      "X DC 9\n"
      " LD GR2,X\n"
      " JUMP MAIN\n"
      "MAIN RET\n"  // its own MAIN comes before the unit's name
      "E END\n");
  ASSERT_TRUE(program.runnable()) << problems(program)[0];
  ASSERT_EQ(program.units.size(), 2u);
  EXPECT_EQ(program.entry, 1);
  EXPECT_EQ(program.units[1].start, 6);
  EXPECT_EQ(program.words[2], 6);    // CALL SUB
  EXPECT_EQ(program.words[4], 0);    // LD GR1,X: MAIN's X
  EXPECT_EQ(program.words[8], 6);    // LD GR2,X: SUB's X
  EXPECT_EQ(program.words[10], 11);  // JUMP MAIN: SUB's own MAIN
  EXPECT_EQ(program.units[1].labels.at(U"E"), 12);
  EXPECT_EQ(program.addressOf(U"X"), 0);
  EXPECT_EQ(program.addressOf(U"SUB"), 6);
  EXPECT_EQ(program.addressOf(U"GO"), 1);
  EXPECT_FALSE(program.addressOf(U"E"));
  EXPECT_EQ(program.lineAt(8), (SourcePlace{1, 3}));
  EXPECT_FALSE(program.lineAt(13));
}

TEST(StandardAssembler, UnitsAndLabelsAreCheckedAcrossTheProgram) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {" LD GR1,1\nP START\n RET\n END\n",
       {"0:1:2 START 命令より前か END 命令の後に命令があります。"}},
      {"P START\n RET\n END\n RET\n", {"0:4:2 START 命令より前か END 命令の後に命令があります。"}},
      {"P START\n RET\n", {"0:2:1 END 命令がないままファイルが終わっています。"}},
      {"P START\n RET\nQ START\n RET\n END\n",
       {"0:3:3 前のプログラムの END 命令より前に START 命令があります。"}},
      {" START\n RET\n END\n", {"0:1:2 START 命令にラベルがありません。"}},
      {"P START Q\n RET\n END\n",
       {"0:1:9 START の実行開始番地 Q はこのプログラムのラベルではありません。"}},
      {"P START\nA RET\nA RET\n END\n", {"0:3:1 ラベル A が二つ以上あります。"}},
      {"P START\n CALL Q\n RET\n END\nQ START\nL RET\n END\nR START\n JUMP L\n END\n",
       {"0:9:7 ラベル L がありません。"}},
      {"P START\n RET\n END\nP START\n RET\n END\n", {"0:4:1 ラベル P が二つ以上あります。"}},
      {"; nothing\n", {"0:0:1 START 命令と END 命令で囲まれたプログラムがありません。"}},
      {"P START\n DS 65535\n DS 1\n RET\n END\n",
       {"0:4:1 プログラムが主記憶（65536語）に入りきりません。"}},
  };
  for (const auto& [source, expected] : cases) {
    EXPECT_EQ(problems(assembled(source)), expected) << source;
  }
}

TEST(StandardAssembler, EveryLiteralHasItsOwnWordsBeforeTheEndOfItsUnit) {
  const Program program = assembled(
      "P START\n LD GR1,=5\n ST GR1,=5\n LAD GR2,='AB'\n RET\n END\n"
      "Q START\n LD GR3,=#FFFF\n RET\n END\n");
  ASSERT_TRUE(program.runnable()) << problems(program)[0];
  EXPECT_EQ(program.words[1], 7);
  EXPECT_EQ(program.words[3], 8);  // not the same word as the first =5
  EXPECT_EQ(program.words[5], 9);
  EXPECT_EQ(std::vector<std::uint16_t>(program.words.begin() + 7, program.words.begin() + 11),
            (std::vector<std::uint16_t>{5, 5, 0x41, 0x42}));
  EXPECT_EQ(program.units[1].start, 11);
  EXPECT_EQ(program.words[12], 14);
  EXPECT_EQ(program.words[14], 0xFFFF);
  EXPECT_EQ(program.origins[9], (SourcePlace{0, 4}));  // a pool word: its literal's line
  ASSERT_EQ(program.literals.size(), 4u);
  EXPECT_EQ(program.literals[2].end, (SourcePlace{0, 6}));
}

}  // namespace
}  // namespace casl2wb::standard
