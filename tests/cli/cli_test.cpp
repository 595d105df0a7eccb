// The text front end, run as its own process.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "../source/temp_dir.h"
#include "process.h"

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

void expectUsageError(const std::vector<std::string>& arguments) {
  const ProcessResult result = runCli(arguments);
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.rfind("usage: casl2wb-cli check FILE...\n", 0), 0u) << result.err;
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

TEST(Cli, NoArguments) { expectUsageError({}); }
TEST(Cli, UnknownCommand) { expectUsageError({"assemble", "x.txt"}); }
TEST(Cli, CheckWithoutFile) { expectUsageError({"check"}); }
TEST(Cli, CheckWithAnOption) { expectUsageError({"check", "a.txt", "--quiet"}); }

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
TEST(Cli, HelpWithExtraArgument) { expectUsageError({"--help", "check"}); }
TEST(Cli, UnknownOption) { expectUsageError({"--verbose"}); }

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

}  // namespace
}  // namespace casl2wb
