// Runs through the text front end beyond the data cases
// (golden_cases_test.cpp): programs with errors, the end of the input file,
// a missing input file, and several programs in one command.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "process.h"

namespace casl2wb {
namespace {

using testing::ProcessResult;
using testing::readFile;
using testing::runCli;

const std::string golden = std::string(CASL2WB_TEST_DATA) + "/golden/";

TEST(RunGolden, ProgramWithCheckErrorsIsNotRun) {
  const ProcessResult result = runCli({"run", golden + "bad_register.txt", "--input", "/dev/null"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err,
            " | |PRG|START|  | |\n"
            "0000| | |LD|GR8,X | |\n"
            "***** ｴﾗ- ***** 第1ｵﾍﾟﾗﾝﾄﾞがGRn（n=0,1,2,・・・7）になっていません。*****\n"
            "0002| | |RET|  | |\n"
            " | | |END|  | |\n"
            "1個のエラーがあります。\n");
}

TEST(RunGolden, ATranslationErrorIsAnErrorForEveryCommand) {
  // The check passes; the literal after the DS area lies beyond the memory.
  const std::string program = golden + "too_large.txt";
  const ProcessResult check = runCli({"check", program});
  EXPECT_EQ(check.exitStatus, 1);
  EXPECT_NE(check.out.find("***** ｴﾗ- ***** プログラムがメモリに入りきりません｡*****\n"),
            std::string::npos);
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{"run", program},
                                                    {"trace", program},
                                                    {"replay", program},
                                                    {"print", "run", program},
                                                    {"print", "cpu", program}}) {
    SCOPED_TRACE(arguments[0]);
    const ProcessResult result = runCli(arguments);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, check.out);
  }
}

TEST(RunGolden, EndOfInputCancelsTheInputBoxAndTheNoticeGoesToStderr) {
  // The program asks for input twice and then loops until the pass limit.
  const ProcessResult result =
      runCli({"run", golden + "in_loop.txt", "--input", golden + "one_line.input"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err,
            "実行回数が９９９回を越えていますのでメモリの変化のトレースは９９９回までとします。\n");
  EXPECT_NE(result.out.find(" 0009(0058) "), std::string::npos);  // X from the one line
  EXPECT_NE(result.out.find(" 000A(0001) "), std::string::npos);
  EXPECT_NE(result.out.find(" 000B(0000) "), std::string::npos);  // cancelled: nothing stored
  EXPECT_NE(result.out.find(" 000C(FFFF) "), std::string::npos);  // and the length FFFF
}

TEST(RunGolden, MissingInputFileIsAnError) {
  const ProcessResult result =
      runCli({"run", golden + "twice.txt", "--input", golden + "no_such_file.input"});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err,
            "casl2wb-cli: " + golden + "no_such_file.input: No such file or directory\n");
}

TEST(RunGolden, SeveralProgramsShareTheInputAndAreNamed) {
  const std::string echo = std::string(CASL2WB_EXAMPLES) + "/echo.txt";
  const std::string twice = golden + "twice.txt";
  const ProcessResult result = runCli({"run", twice, echo, "--input", golden + "echo.input"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  // One run instead of two: the first run's lines and the panel of that run.
  const std::string expectedStart = "==> " + twice + " <==\n";
  EXPECT_EQ(result.out.rfind(expectedStart, 0), 0u);
  EXPECT_NE(result.out.find("==> " + echo + " <==\n" + readFile(golden + "echo.run.out")),
            std::string::npos);
}

}  // namespace
}  // namespace casl2wb
