// The printed documents through the text front end beyond the data cases
// (golden_cases_test.cpp): programs with errors, and PDF files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "process.h"
#include "support/small_file_system.h"

namespace casl2wb {
namespace {

using testing::ProcessResult;
using testing::readFile;
using testing::runCli;

const std::string golden = std::string(CASL2WB_TEST_DATA) + "/golden/";

// The listing of bad_register.txt in wide layout: a blank line 0, the four
// lines, and the blank line after END.
const std::string badRegisterWideList =
    "\n"
    "              PRG       START\n"
    "0000                    LD             GR8,X\n"
    "0002                    RET\n"
    "                        END\n"
    "\n";

TEST(PrintCommand, ProgramListOfAProgramWithErrorsIsPrintedAndGivesOne) {
  const ProcessResult result = runCli({"print", "program", golden + "bad_register.txt"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, badRegisterWideList);
}

TEST(PrintCommand, ListOfAProgramWithErrorsPrintsTheBlankMemoryTheCheckLeft) {
  // Not translated: no address texts, and cells 1 to 3 hold blank words, so
  // rows 0 to programEnd (3) are empty lines.
  const ProcessResult result = runCli({"print", "list", golden + "bad_register.txt"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, badRegisterWideList + "\n\n\n\n");
}

TEST(PrintCommand, RunAndCpuOfAProgramWithErrorsPrintTheMessagesOnly) {
  for (const char* kind : {"run", "cpu"}) {
    const ProcessResult result =
        runCli({"print", kind, golden + "bad_register.txt", "--input", "/dev/null"});
    EXPECT_EQ(result.exitStatus, 1) << kind;
    EXPECT_EQ(result.out, "") << kind;
    EXPECT_EQ(result.err,
              " | |PRG|START|  | |\n"
              "0000| | |LD|GR8,X | |\n"
              "***** ｴﾗ- ***** 第1ｵﾍﾟﾗﾝﾄﾞがGRn（n=0,1,2,・・・7）になっていません。*****\n"
              "0002| | |RET|  | |\n"
              " | | |END|  | |\n"
              "1個のエラーがあります。\n")
        << kind;
  }
}

class PrintPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "casl2wb-print-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::filesystem::path dir;
};

TEST_F(PrintPdf, WritesAPdfFileAndNothingOnStdout) {
  if (!CASL2WB_HAVE_PDF) GTEST_SKIP() << "this build has no PDF output";
  const std::string pdf = (dir / "cpu.pdf").string();
  const ProcessResult result =
      runCli({"print", "cpu", golden + "print_mex.txt", "--input", "/dev/null", "--pdf", pdf});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, "");
  const std::string written = readFile(pdf);
  EXPECT_EQ(written.rfind("%PDF-", 0), 0u);
  // 97 lines of the 10-point font: two pages of at most 72 lines.
  EXPECT_NE(written.find("/Count 2"), std::string::npos);
}

TEST_F(PrintPdf, AFileThatCannotBeWrittenIsAnError) {
  if (!CASL2WB_HAVE_PDF) GTEST_SKIP() << "this build has no PDF output";
  const std::string pdf = (dir / "missing" / "out.pdf").string();
  const ProcessResult result =
      runCli({"print", "program", golden + "print_program.txt", "--pdf", pdf});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("casl2wb-cli: " + pdf + ": No such file or directory\n"),
            std::string::npos)
      << result.err;
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintPdf, TheProgramFileItselfIsNeverOverwritten) {
  // Also when the PDF is named through a link to the program.
  const std::string program = (dir / "same.txt").string();
  std::filesystem::copy_file(golden + "print_program.txt", program);
  std::filesystem::create_symlink(program, dir / "link.pdf");
  for (const std::string& pdf : {program, (dir / "link.pdf").string()}) {
    const ProcessResult result = runCli({"print", "list", program, "--pdf", pdf});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "casl2wb-cli: " + pdf + ": is the program file itself; nothing is written\n");
  }
  EXPECT_EQ(readFile(program), readFile(golden + "print_program.txt"));
}

TEST_F(PrintPdf, AFullDiskKeepsTheOldPdfAndTellsWhy) {
  if (!CASL2WB_HAVE_PDF) GTEST_SKIP() << "this build has no PDF output";
  testing::SmallFileSystem disk;
  if (!disk.mounted()) GTEST_SKIP() << "a small file system cannot be mounted here";
  testing::writeBytes(disk.file("keep.pdf"), "%PDF-old");
  disk.fill();
  for (const std::string& pdf : {disk.file("keep.pdf"), disk.file("new.pdf")}) {
    const ProcessResult result =
        runCli({"print", "list", golden + "print_program.txt", "--pdf", pdf});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find("casl2wb-cli: " + pdf + ": No space left on device\n"),
              std::string::npos)
        << result.err;
  }
  EXPECT_EQ(readFile(disk.file("keep.pdf")), "%PDF-old");
  EXPECT_FALSE(std::filesystem::exists(disk.file("new.pdf")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk.path()), {}), 2);
}

}  // namespace
}  // namespace casl2wb
