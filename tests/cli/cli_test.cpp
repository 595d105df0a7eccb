// The text front end, run as its own process.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "process.h"
#include "support/temp_dir.h"

namespace casl2wb {
namespace {

using testing::ProcessResult;
using testing::readBytes;
using testing::runProcess;
using testing::TempDir;
using testing::writeBytes;

ProcessResult runCli(const std::vector<std::string>& arguments) {
  return runProcess(CASL2WB_CLI, arguments);
}

TEST(Cli, HelpGoesToStdout) {
  const ProcessResult result = runCli({"--help"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out.rfind("usage: casl2wb-cli check FILE...\n", 0), 0u) << result.out;
  EXPECT_NE(result.out.find("--version"), std::string::npos);
  EXPECT_NE(result.out.find("Exit status"), std::string::npos);
  EXPECT_EQ(result.err, "");
}

TEST(Cli, Version) {
  const ProcessResult result = runCli({"--version"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, std::string("casl2wb-cli ") + CASL2WB_VERSION + "\n");
  EXPECT_EQ(result.err, "");
}

// Wrong arguments: one line on standard error that says what is wrong and
// where to read more, nothing on standard output, exit status 2.
TEST(Cli, WrongArgumentsAreReportedInOneLine) {
  struct Case {
    std::vector<std::string> arguments;
    std::string problem;
  };
  const std::vector<Case> cases = {
      {{}, "no command given"},
      {{"assemble", "x.txt"}, "unknown command assemble"},
      {{"--verbose"}, "unknown option --verbose"},
      {{"--help", "check"}, "--help takes no further arguments"},
      {{"check"}, "check needs at least one FILE"},
      {{"check", "a.txt", "--quiet"}, "check: unknown option --quiet"},
      {{"trace", "a.txt", "b.txt"}, "trace needs exactly one FILE"},
      {{"run"}, "run needs at least one FILE"},
      {{"run", "a.txt", "--runs", "0"}, "run: --runs takes a whole number from 1 to 999999"},
      {{"run", "a.txt", "--runs", "1000000"}, "run: --runs takes a whole number from 1 to 999999"},
      {{"run", "a.txt", "--runs"}, "run: --runs needs a value"},
      {{"run", "--input", "x"}, "run needs at least one FILE"},
      {{"run", "a.txt", "--fast"}, "run: unknown option --fast"},
      {{"replay"}, "replay needs exactly one FILE"},
      {{"replay", "a.txt", "b.txt"}, "replay needs exactly one FILE"},
      {{"replay", "a.txt", "--presses", "0"}, "replay: --presses takes a positive whole number"},
      {{"replay", "a.txt", "--presses", "-3"}, "replay: --presses takes a positive whole number"},
      {{"replay", "a.txt", "--presses", "2x"}, "replay: --presses takes a positive whole number"},
      {{"replay", "a.txt", "--input", "i", "--input", "j"}, "replay: --input is given twice"},
      {{"print"}, "print needs a KIND first: list, program, run or cpu"},
      {{"print", "a.txt"}, "print needs a KIND first: list, program, run or cpu"},
      {{"print", "memory", "a.txt"}, "print needs a KIND first: list, program, run or cpu"},
      {{"print", "list"}, "print needs exactly one FILE"},
      {{"print", "list", "a.txt", "b.txt"}, "print needs exactly one FILE"},
      {{"print", "list", "a.txt", "--pdf"}, "print: --pdf needs a value"},
      {{"print", "list", "a.txt", "--pdf", "a.pdf", "--pdf", "b.pdf"},
       "print: --pdf is given twice"},
      {{"print", "cpu", "a.txt", "--fast"}, "print: unknown option --fast"},
  };
  for (const Case& c : cases) {
    const ProcessResult result = runCli(c.arguments);
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "casl2wb-cli: " + c.problem + " (casl2wb-cli --help for more)\n");
  }
}

TEST(Cli, SeveralFilesAreNamedAndTheWorstStatusWins) {
  TempDir dir;
  const std::string good = dir.file("good.txt");
  const std::string bad = dir.file("bad.txt");
  const std::string missing = dir.file("missing.txt");
  writeBytes(good, "PRG START\n RET\n END\n");
  writeBytes(bad, "PRG START\n RET\n");
  ProcessResult result = runCli({"check", good, bad});
  EXPECT_EQ(result.exitStatus, 1);
  const std::size_t goodHeading = result.out.find("==> " + good + " <==\n");
  const std::size_t badHeading = result.out.find("==> " + bad + " <==\n");
  EXPECT_EQ(goodHeading, 0u);
  ASSERT_NE(badHeading, std::string::npos);
  EXPECT_NE(result.out.find("機械語に変換する前のエラー個数は0個です。"), std::string::npos);
  EXPECT_EQ(result.out.substr(result.out.size() - std::string("1個のエラーがあります。\n").size()),
            "1個のエラーがあります。\n");

  result = runCli({"check", bad, missing, good});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.out.find("==> " + missing + " <==\n==> " + good + " <==\n"), std::string::npos);
  EXPECT_EQ(result.err, "casl2wb-cli: " + missing + ": No such file or directory\n");
}

TEST(Cli, MissingFile) {
  TempDir dir;
  const std::string path = dir.file("missing.txt");
  const ProcessResult result = runCli({"check", path});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "casl2wb-cli: " + path + ": No such file or directory\n");
}

TEST(Cli, DirectoryIsNotAProgram) {
  TempDir dir;
  const ProcessResult result = runCli({"check", dir.path().string()});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "casl2wb-cli: " + dir.path().string() + ": Is a directory\n");
}

TEST(Cli, CorrectProgramExitsWithZero) {
  TempDir dir;
  const std::string path = dir.file("ok.txt");
  writeBytes(path, "PRG      START\r\n         RET\r\n         END\r\n");
  const ProcessResult result = runCli({"check", path});
  EXPECT_EQ(result.exitStatus, 0) << result.out << result.err;
  EXPECT_EQ(result.err, "");
  // The listing, the count line and the one-row memory dump (RET at 0000; the
  // dump starts at address 1, whose word was reset to blank by the check).
  const std::string blankPair = "  " + std::string("  ") + "    ";
  std::string dumpRow = "0001" + std::string("  ") + "    ";
  for (int k = 1; k < 8; ++k) dumpRow += blankPair;
  EXPECT_EQ(result.out,
            " | |PRG|START|  | |\n0000| | |RET|  | |\n | | |END|  | |\n"
            "機械語に変換する前のエラー個数は0個です。\n" +
                dumpRow + "\n");
}

TEST(Cli, ProgramWithErrorsExitsWithOne) {
  TempDir dir;
  const std::string path = dir.file("bad.txt");
  writeBytes(path, "PRG      START\r\n         LDX      GR1,A\r\n         RET\r\n         END\r\n");
  const ProcessResult result = runCli({"check", path});
  EXPECT_EQ(result.exitStatus, 1) << result.out << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("CASLⅡの命令語ではありません。"), std::string::npos) << result.out;
}

TEST(Cli, CheckedFileIsNotRewritten) {
  TempDir dir;
  const std::string path = dir.file("sjis.txt");
  const std::string bytes = "PRG      START    ;\x8A\xBF\x8E\x9A\r\n         RET\n         END";
  writeBytes(path, bytes);
  const auto before = std::filesystem::last_write_time(path);
  const ProcessResult result = runCli({"check", path});
  EXPECT_EQ(result.exitStatus, 0) << result.out << result.err;
  EXPECT_EQ(readBytes(path), bytes);
  EXPECT_EQ(std::filesystem::last_write_time(path), before);
  EXPECT_NE(result.out.find("漢字"), std::string::npos) << result.out;
  const auto entries = std::distance(std::filesystem::directory_iterator(dir.path()),
                                     std::filesystem::directory_iterator());
  EXPECT_EQ(entries, 1);
}

TEST(Cli, OutputThatCannotBeWrittenIsAFailure) {
  const std::string program = std::string(CASL2WB_EXAMPLES) + "/echo.txt";
  struct Case {
    std::vector<std::string> arguments;
    testing::StandardOutput output;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {{"check", program}, {"/dev/full"}, "No space left on device"},
      {{"run", program, "--input", "/dev/null"}, {"/dev/full"}, "No space left on device"},
      {{"replay", program, "--input", "/dev/null"}, {"/dev/full"}, "No space left on device"},
      {{"print", "list", program}, {"/dev/full"}, "No space left on device"},
      {{"trace", program}, {"", true}, "Bad file descriptor"},
      {{"--help"}, {"", true}, "Bad file descriptor"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    const ProcessResult result = runProcess(CASL2WB_CLI, c.arguments, c.output);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.err, "casl2wb-cli: standard output: " + c.reason + "\n");
  }
}

TEST(Cli, OnlyRegularFilesAreRead) {
  TempDir dir;
  const std::string fifo = dir.file("pipe.txt");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // Nobody writes to the FIFO: the command must not wait for a writer.
  const ProcessResult result = runCli({"check", fifo});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.err, "casl2wb-cli: " + fifo + ": Not a regular file\n");
}

}  // namespace
}  // namespace casl2wb
