// Complete programs through the text front end: the whole output of check
// (listing, count line, memory dump) and of trace, worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process.h"
#include "support/temp_dir.h"

namespace casl2wb {
namespace {

using testing::ProcessResult;
using testing::runCli;
using testing::TempDir;
using testing::writeBytes;

// Writes the lines with CR LF line ends and runs `command` on the file.
ProcessResult runOnProgram(const std::string& command, const std::vector<std::string>& lines) {
  TempDir dir;
  const std::string path = dir.file("program.txt");
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  writeBytes(path, text);
  return runCli({command, path});
}

// A sum with literals and OUT of a literal text. Addresses: LD 0000, ADDA
// 0002, ST 0004, OUT 0006, RET 0009, NUM 000A, ANS 000B; programEnd 000C.
// The pool in line order: =5 at 000C, 'OK' at 000D and 000E, =2 at 000F.
const std::vector<std::string> sumProgram = {
    "SAMPLE   START",
    "         LD       GR1,=5     ;first",
    "         ADDA     GR1,NUM",
    "         ST       GR1,ANS",
    "         OUT      ='OK',=2",
    "         RET",
    "NUM      DC       10         TEN ;ten",
    "ANS      DS       1",
    "         END",
};

TEST(TranslationGolden, SumProgramCheckOutput) {
  const ProcessResult result = runOnProgram("check", sumProgram);
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            " | |SAMPLE|START|  | |\n"
            "0000| | |LD|GR1,=5 |;first |\n"
            "0002| | |ADDA|GR1,NUM | |\n"
            "0004| | |ST|GR1,ANS | |\n"
            "0006| | |OUT|='OK',=2 | |\n"
            "0009| | |RET|  | |\n"
            "000A| |NUM|DC|10 |TEN|;ten \n"
            "000B| |ANS|DS|1 | |\n"
            " | | |END|  | |\n"
            "機械語に変換する前のエラー個数は0個です。\n"
            "0001  000C                                                        \n"
            "0002  2010                                                        \n"
            "0003  000A                                                        \n"
            "0004  1110                                                        \n"
            "0005  000B                                                        \n"
            "0006  9100                                                        \n"
            "0007  000D                                                        \n"
            "0008  000F                                                        \n"
            "0009  8100                                                        \n"
            "000A  000A                                                        \n"
            "000B  0000                                                        \n"
            "000C  0005                                                        \n"
            "000D  004F                                                        \n"
            "000E  004B                                                        \n"
            "000F  0002                                                        \n"
            "0010                                                              \n");
}

TEST(TranslationGolden, SumProgramTraceOutput) {
  const ProcessResult result = runOnProgram("trace", sumProgram);
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "      SAMPLE  START         \n"
            "0000        LD  GR1,=5   ;first   \n"
            "0002        ADDA  GR1,NUM      \n"
            "0004        ST  GR1,ANS      \n"
            "0006        OUT  ='OK',=2      \n"
            "0009        RET         \n"
            "000A     NUM  DC  10   TEN  ;ten \n"
            "000B     ANS  DS  1      \n"
            "         END         \n");
}

// Macros, a string, an entry operand, every register save and restore.
// Addresses: MSG 0000 to 0004, LEN 0005, RPUSH 0006 to 0014, IN 0015, OUT
// 0018, LD 001B, LAD 001C, JUMP 001E, RPOP 0020 to 0027, DMP 0028, MDMP 0029,
// CPL 002B, RET 002D, BUF 002E to 0030, SIZE 0031; programEnd 0032, where the
// literal =#8000 lies. MAIN stands for BEGIN, the entry line, at 0006.
const std::vector<std::string> macroProgram = {
    "MAIN     START    BEGIN",
    "MSG      DC       'HELLO'",
    "LEN      DC       5",
    "BEGIN    RPUSH",
    "         IN       BUF,SIZE",
    "         OUT      MSG,LEN",
    "         LD       GR1,GR2",
    "         LAD      GR2,#00FF,GR1",
    "         JUMP     MAIN",
    "         RPOP",
    "         DMP",
    "         MDMP",
    "         CPL      GR3,=#8000",
    "         RET",
    "BUF      DS       3",
    "SIZE     DC       MAIN",
    "         END",
};

TEST(TranslationGolden, MacroProgramCheckOutput) {
  const ProcessResult result = runOnProgram("check", macroProgram);
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            " | |MAIN|START|BEGIN | |\n"
            "0000| |MSG|DC|'HELLO' | |\n"
            "0005| |LEN|DC|5 | |\n"
            "0006| |BEGIN|RPUSH|  | |\n"
            "0015| | |IN|BUF,SIZE | |\n"
            "0018| | |OUT|MSG,LEN | |\n"
            "001B| | |LD|GR1,GR2 | |\n"
            "001C| | |LAD|GR2,#00FF,GR1 | |\n"
            "001E| | |JUMP|MAIN | |\n"
            "0020| | |RPOP|  | |\n"
            "0028| | |DMP|  | |\n"
            "0029| | |MDMP|  | |\n"
            "002B| | |CPL|GR3,=#8000 | |\n"
            "002D| | |RET|  | |\n"
            "002E| |BUF|DS|3 | |\n"
            "0031| |SIZE|DC|MAIN | |\n"
            " | | |END|  | |\n"
            "機械語に変換する前のエラー個数は0個です。\n"
            "0001  0045  0021  7170                                                \n"
            "0002  004C  0022  7160                                                \n"
            "0003  004C  0023  7150                                                \n"
            "0004  004F  0024  7140                                                \n"
            "0005  0005  0025  7130                                                \n"
            "0006  9500  0026  7120                                                \n"
            "0007  7001  0027  7110                                                \n"
            "0008  0000  0028  9300                                                \n"
            "0009  7002  0029  9400                                                \n"
            "000A  0000  002A  0000                                                \n"
            "000B  7003  002B  4130                                                \n"
            "000C  0000  002C  0032                                                \n"
            "000D  7004  002D  8100                                                \n"
            "000E  0000  002E  0000                                                \n"
            "000F  7005  002F  0000                                                \n"
            "0010  0000  0030  0000                                                \n"
            "0011  7006  0031  0006                                                \n"
            "0012  0000  0032  8000                                                \n"
            "0013  7007  0033                                                      \n"
            "0014  0000                                                        \n"
            "0015  9000                                                        \n"
            "0016  002E                                                        \n"
            "0017  0031                                                        \n"
            "0018  9100                                                        \n"
            "0019  0000                                                        \n"
            "001A  0005                                                        \n"
            "001B  1412                                                        \n"
            "001C  1221                                                        \n"
            "001D  00FF                                                        \n"
            "001E  6400                                                        \n"
            "001F  0006                                                        \n");
}

TEST(TranslationGolden, MacroProgramTraceOutput) {
  const ProcessResult result = runOnProgram("trace", macroProgram);
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "      MAIN  START  BEGIN      \n"
            "0000     MSG  DC  'HELLO'      \n"
            "0005     LEN  DC  5      \n"
            "0006     BEGIN  RPUSH         \n"
            "0015        IN  BUF,SIZE      \n"
            "0018        OUT  MSG,LEN      \n"
            "001B        LD  GR1,GR2      \n"
            "001C        LAD  GR2,#00FF,GR1      \n"
            "001E        JUMP  MAIN      \n"
            "0020        RPOP         \n"
            "0028        DMP         \n"
            "0029        MDMP         \n"
            "002B        CPL  GR3,=#8000      \n"
            "002D        RET         \n"
            "002E     BUF  DS  3      \n"
            "0031     SIZE  DC  MAIN      \n"
            "         END         \n");
}

TEST(TranslationGolden, TraceOfAProgramWithErrorsPrintsNothing) {
  const ProcessResult result = runOnProgram(
      "trace", {"PRG      START", "         LD       GR1,NOWHERE", "         RET", "         END"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace casl2wb
