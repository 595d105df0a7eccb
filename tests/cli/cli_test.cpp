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
using testing::readFile;
using testing::runCli;
using testing::runProcess;
using testing::TempDir;
using testing::writeBytes;

TEST(Cli, HelpGoesToStdout) {
  const ProcessResult result = runCli({"--help"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out.rfind("usage: casl2wb-cli check FILE... [--diagnostics]\n", 0), 0u)
      << result.out;
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
      {{"--version", "run"}, "--version takes no further arguments"},
      {{"-v"}, "unknown option -v"},
      {{"run", "a.txt", "-x"}, "run: unknown option -x"},
      {{"run", "a.txt", "--runs=0"}, "run: --runs takes a whole number from 1 to 999999"},
      {{"check", "a.txt", "--diagnostics", "--diagnostics"}, "check: --diagnostics is given twice"},
      {{"trace", "a.txt", "--diagnostics"}, "trace: unknown option --diagnostics"},
      {{"grade"}, "grade needs a TESTS file and at least one FILE"},
      {{"grade", "t.toml"}, "grade needs a TESTS file and at least one FILE"},
      {{"grade", "t.toml", "a.txt", "--csv"}, "grade: --csv needs a value"},
      {{"grade", "t.toml", "a.txt", "--json", "a.json", "--json", "b.json"},
       "grade: --json is given twice"},
      {{"grade", "t.toml", "a.txt", "--csv", "r", "--json", "r"},
       "grade: --csv and --json name the same file"},
      {{"grade", "t.toml", "a.txt", "--jobs", "0"},
       "grade: --jobs takes a whole number from 1 to 1024"},
      {{"grade", "t.toml", "a.txt", "--jobs", "many"},
       "grade: --jobs takes a whole number from 1 to 1024"},
      {{"grade", "t.toml", "a.txt", "--input", "i"}, "grade: unknown option --input"},
      {{"check", "a.txt", "--dialect", "ansi"}, "check: --dialect takes standard or workbench"},
      {{"trace", "a.txt", "--dialect"}, "trace: --dialect needs a value"},
      {{"run", "a.txt", "--link", "b.txt"}, "run: --link needs --dialect standard"},
      {{"replay", "a.txt", "--dialect", "workbench", "--steps", "10"},
       "replay: --steps needs --dialect standard"},
      {{"print", "cpu", "a.txt", "--dialect", "standard", "--steps", "0"},
       "print: --steps takes a whole number from 1 to 2000000000"},
      {{"run", "a.txt", "--dialect", "standard", "--dialect", "standard"},
       "run: --dialect is given twice"},
      {{"check", "a.txt", "--steps", "5"}, "check: unknown option --steps"},
  };
  for (const Case& c : cases) {
    const ProcessResult result = runCli(c.arguments);
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "casl2wb-cli: " + c.problem + " (casl2wb-cli --help for more)\n");
  }
}

// Every command has a help of its own, shown by --help anywhere among its
// arguments: its synopsis as the program's help shows it, and its options.
TEST(Cli, EveryCommandHasItsOwnHelp) {
  const std::string help = runCli({"--help"}).out;
  for (const std::string command : {"check", "trace", "run", "replay", "print", "grade"}) {
    SCOPED_TRACE(command);
    const std::size_t start = help.find(" casl2wb-cli " + command + " ");
    ASSERT_NE(start, std::string::npos) << help;
    const std::string synopsis = help.substr(start + 1, help.find('\n', start) - start - 1);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{command, "--help"}, {command, "a.txt", "--help"}}) {
      const ProcessResult result = runCli(arguments);
      EXPECT_EQ(result.exitStatus, 0);
      EXPECT_EQ(result.err, "");
      EXPECT_EQ(result.out.rfind("usage: " + synopsis + "\n", 0), 0u) << result.out;
      EXPECT_NE(result.out.find("\nOptions:\n"), std::string::npos) << result.out;
      EXPECT_NE(result.out.find("  --help "), std::string::npos) << result.out;
      // Each option of the synopsis is described.
      for (std::size_t at = synopsis.find("[--"); at != std::string::npos;
           at = synopsis.find("[--", at + 1)) {
        const std::string option =
            synopsis.substr(at + 1, synopsis.find_first_of(" ]", at) - at - 1);
        EXPECT_NE(result.out.find("\n  " + option + " "), std::string::npos) << option;
      }
    }
  }
}

TEST(Cli, OptionValuesMayFollowAnEqualsSign) {
  const std::string golden = std::string(CASL2WB_TEST_DATA) + "/golden/";
  const ProcessResult result = runCli(
      {"run", std::string(CASL2WB_EXAMPLES) + "/echo.txt", "--input=" + golden + "echo.input"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, readFile(golden + "echo.run.out"));
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

// Qt is in the PDF module only, which a command loads when it writes a PDF
// file: the program names no Qt library, and alone in a folder it still runs
// programs and tells that PDF output is missing.
TEST(Cli, RunsWithoutQtAndLoadsThePdfModuleOnlyForPdfFiles) {
  EXPECT_EQ(readBytes(CASL2WB_CLI).find("libQt6"), std::string::npos);
  TempDir dir;
  const std::string alone = dir.file("casl2wb-cli");
  std::filesystem::copy_file(CASL2WB_CLI, alone);
  const std::string program = std::string(CASL2WB_EXAMPLES) + "/hello.txt";
  EXPECT_EQ(runProcess(alone, {"run", program}).exitStatus, 0);
  const std::string pdf = dir.file("hello.pdf");
  const ProcessResult result = runProcess(alone, {"print", "list", program, "--pdf", pdf});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.err, "casl2wb-cli: " + pdf + ": PDF output is not part of this build\n");
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

// 3000 DMPs, half a megabyte of lines: they come out whole and in order,
// before the panel, and a full disk is still reported.
TEST(Cli, ALongRunComesOutWholeAndInOrder) {
  TempDir dir;
  const std::string path = dir.file("dumps.txt");
  writeBytes(path,
             "P START ;LMT99999\nL DMP\n LAD GR1,1,GR1\n CPA GR1,N\n JNZ L\n RET\n"
             "N DC 3000\n END\n");
  const ProcessResult result = runCli({"run", path});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  std::size_t at = 0;
  for (int n = 1; n <= 3000; ++n) {
    at = result.out.find("命令：DMP    実行回数：" + std::to_string(n) + "\n", at);
    ASSERT_NE(at, std::string::npos) << n;
  }
  EXPECT_LT(at, result.out.find("ｱﾄﾞﾚｽ( ﾒﾓﾘ)"));
  EXPECT_EQ(result.out.rfind("GR1：0BB8\n"), result.out.find("GR1：0BB8\n"));
  EXPECT_LT(result.out.find("ｱﾄﾞﾚｽ( ﾒﾓﾘ)"), result.out.find("GR1：0BB8\n"));

  const ProcessResult full = runCli({"run", path}, {"/dev/full"});
  EXPECT_EQ(full.exitStatus, 2);
  const std::string failure = "casl2wb-cli: standard output: No space left on device\n";
  ASSERT_GE(full.err.size(), failure.size());
  EXPECT_EQ(full.err.substr(full.err.size() - failure.size()), failure);
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
    const ProcessResult result = runCli(c.arguments, c.output);
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
