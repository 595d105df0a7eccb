// casl2wb-cli check --diagnostics: one line FILE:LINE:COLUMN: エラー: MESSAGE
// per error and nothing else, the column that of the field at fault.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process.h"
#include "support/temp_dir.h"

namespace casl2wb {
namespace {

using testing::ProcessResult;
using testing::readFile;
using testing::runCli;
using testing::TempDir;
using testing::writeBytes;

// Each program is written as p.txt (lines ending in LF) and checked in its
// folder. The columns are display columns counted from 1: a full-width
// character counts two, a tab reaches the next multiple of eight.
TEST(Diagnostics, LinesAndColumns) {
  const auto repeat = [](const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
  };
  struct Case {
    std::string what;
    std::string program;
    std::string expected;
  };
  const std::string label = ": エラー: ラベルに誤りがある\n";
  const std::vector<Case> cases = {
      {"a correct program gives no line", "PRG      START\n         RET\n         END\n", ""},
      {"LD does not test its label; each bad character of the operand gives one line",
       "PRG      START\nloop     LD       GR1,abc\n         RET\n         END\n",
       "p.txt:2:23" + label + "p.txt:2:23" + label + "p.txt:2:23" + label},
      {"DC tests its label, then its constant",
       "PRG      START\nlbl      DC       xy\n         RET\n         END\n",
       "p.txt:2:1" + label + "p.txt:2:1" + label + "p.txt:2:1" + label + "p.txt:2:19" + label +
           "p.txt:2:19" + label +
           "p.txt:2:19: エラー: 行番号 2 の第1ｵﾍﾟﾗﾝﾄﾞxyはﾗﾍﾞﾙ欄にありません｡\n"},
      {"the branch group writes its address first and its index second",
       "PRG      START\n         JUMP     NOWHERE,GR0\n         RET\n         END\n",
       "p.txt:2:19: エラー: 行番号 2 の第2ｵﾍﾟﾗﾝﾄﾞNOWHEREはﾗﾍﾞﾙ欄にありません｡\n"
       "p.txt:2:27: エラー: 指標レジスタが違います．\n"},
      {"a quoted space leaves a stray token; a blank operand part has no column",
       "PRG      START\n         OUT      ='A B',LEN\n         RET\nLEN      DS       1\n"
       "         END\n",
       "p.txt:2:1" + label +
           "p.txt:2:23: エラー: ラベル欄の先頭，または，オペランド欄に余分なスペースが入っていま"
           "す。オペランド欄にスペースを入れてはいけません。\n"},
      {"a line too long: the first character past 72",
       "PRG      START\n         LD       GR1,A      ; " + std::string(70, 'x') +
           "\n         RET\nA        DC       1\n         END\n",
       "p.txt:2:73: エラー: １行の文字数が７２文字を越えています。\n"},
      {"no START: the operation of the first line",
       "         LD       GR1,A\n         RET\nA        DS       1\n         END\n",
       "p.txt:1:10: エラー: プログラムの最初にSTART命令がありません。\n"},
      {"operand parts: the index, a second operand not allowed, a bad DS count",
       "PRG      START\n         ST       GR1,A,GR9\n         POP      GR1,GR2\n"
       "         RET\nA        DS       -1\n         END\n",
       "p.txt:2:25: エラー: 第3ｵﾍﾟﾗﾝﾄﾞがGRn（n=1,2,・・・7）になっていません。\n"
       "p.txt:3:23: エラー: 第2ｵﾍﾟﾗﾝﾄﾞをつけてはいけない｡\n"
       "p.txt:5:19: エラー: DSの語数が違います｡\n"},
      {"the START operand, operands not allowed, an operation after a leading space",
       "PRG      START    BEGIN\n         RPUSH    GR1\n         RET\n BAD     DC       1\n"
       "         END      X\n",
       "p.txt:1:19: エラー: 行番号 1 の第1ｵﾍﾟﾗﾝﾄﾞBEGINはﾗﾍﾞﾙ欄にありません｡\n"
       "p.txt:2:19: エラー: ｵﾍﾟﾗﾝﾄﾞをつけてはいけない.\n"
       "p.txt:4:2: エラー: CASLⅡの命令語ではありません。\n"
       "p.txt:5:19: エラー: ｵﾍﾟﾗﾝﾄﾞをつけてはいけない.\n"},
      {"a comment ends the fields; a tab reaches the next multiple of eight",
       "PRG      START\nA\tB      LD       GR8,C ;x,y\n         RET      ; done\n"
       "C        DC       1\n         END\n",
       "p.txt:2:25: エラー: 第1ｵﾍﾟﾗﾝﾄﾞがGRn（n=0,1,2,・・・7）になっていません。\n"},
      {"label errors of a literal point at the literal",
       "PRG      START\n         LD       GR1,=ab,GR2\n         RET\n         END\n",
       "p.txt:2:23" + label + "p.txt:2:23" + label + "p.txt:2:23" + label},
      {"full-width characters before a field count two columns each",
       "PRG      START\nＡＢ     LD       GR1,ＸＹ,GR9\nＡＢ     ＬＤ\n         RET\n"
       "         END\n",
       "p.txt:2:23" + label + "p.txt:2:23" + label +
           "p.txt:2:28: エラー: 第3ｵﾍﾟﾗﾝﾄﾞがGRn（n=1,2,・・・7）になっていません。\n"
           "p.txt:3:10: エラー: CASLⅡの命令語ではありません。\n"},
      {"a line too long with full-width characters: the first character past 72",
       "PRG      START\n         LD       GR1,A      ; " + repeat("あ", 10) + std::string(40, 'x') +
           "\n         RET\nA        DC       1\n         END\n",
       "p.txt:2:83: エラー: １行の文字数が７２文字を越えています。\n"},
      {"an operand lost to the ';' that touches it stands nowhere: column 1",
       "PRG      START\n         LD       GR1,A;c\n         RET\n         END\n",
       "p.txt:2:1: エラー: 第1ｵﾍﾟﾗﾝﾄﾞがGRn（n=0,1,2,・・・7）になっていません。\n"},
      {"no RET and no END: the last line read",
       "PRG      START\n         LD       GR1,A\nA        DC       1\n",
       "p.txt:3:1: エラー: RET 命令がありません｡\np.txt:3:1: エラー: END 命令がありません｡\n"},
      {"an empty file: line 1", "",
       "p.txt:1:1: エラー: RET 命令がありません｡\np.txt:1:1: エラー: END 命令がありません｡\n"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeBytes(dir.file("p.txt"), c.program);
    const ProcessResult result =
        runCli({"check", "p.txt", "--diagnostics"}, {}, dir.path().string());
    EXPECT_EQ(result.exitStatus, c.expected.empty() ? 0 : 1);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, c.expected);
  }
}

TEST(Diagnostics, SeveralFilesAreNamedOnEveryLineAndTheWorstStatusWins) {
  TempDir dir;
  writeBytes(dir.file("good.txt"), "PRG      START\n         RET\n         END\n");
  writeBytes(dir.file("bad.txt"), "PRG      START\n         RET\n");
  const std::vector<std::string> both = {"check", "--diagnostics", "bad.txt", "good.txt"};
  ProcessResult result = runCli(both, {}, dir.path().string());
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, "bad.txt:2:1: エラー: END 命令がありません｡\n");

  result = runCli({"check", "--diagnostics", "bad.txt", "missing.txt", "good.txt"}, {},
                  dir.path().string());
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "bad.txt:2:1: エラー: END 命令がありません｡\n");
  EXPECT_EQ(result.err, "casl2wb-cli: missing.txt: No such file or directory\n");
}

}  // namespace
}  // namespace casl2wb
