// Grading through the text front end beyond the data cases
// (golden_cases_test.cpp, which compare the tables): a class of programs, one
// for every way a case can pass or fail, graded on one to seven threads into
// the expected table, CSV and JSON; bad test files; reports that must not or
// cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
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
using testing::TempDir;
using testing::writeBytes;

const std::string gradeData = std::string(CASL2WB_TEST_DATA) + "/grade";

// casl2wb-cli grade ARGUMENTS... in `folder` (the grading data by default),
// so that the reports name the files as given.
ProcessResult grade(const std::vector<std::string>& arguments,
                    const std::string& folder = gradeData) {
  std::vector<std::string> all = {"grade"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return runCli(all, {}, folder);
}

// good.txt passes every case of copy.toml; each of the others fails in its
// own way: another OUT line, one more or one less, a register, a memory
// word, a missing label, an endless loop stopped by the pass limit of the
// test file, an address outside the memory, a blank word, check errors.
const std::vector<std::string> classFiles = {
    "good.txt",           "wrong_output.txt", "extra_output.txt", "no_output.txt",
    "wrong_register.txt", "wrong_memory.txt", "no_label.txt",     "endless.txt",
    "range_error.txt",    "blank_word.txt",   "check_errors.txt",
};

TEST(GradeGolden, EveryWayACasePassesOrFailsInTableCsvAndJson) {
  // The files are graded in parallel; the reports keep their order.
  for (const std::string jobs : {"1", "2", "7"}) {
    SCOPED_TRACE("--jobs " + jobs);
    TempDir dir;
    std::vector<std::string> arguments = {"copy.toml"};
    arguments.insert(arguments.end(), classFiles.begin(), classFiles.end());
    arguments.insert(arguments.end(), {"--jobs", jobs, "--csv", dir.file("class.csv"), "--json",
                                       dir.file("class.json")});
    const ProcessResult result = grade(arguments);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, readFile(gradeData + "/copy.table.out"));
    EXPECT_EQ(readFile(dir.file("class.csv")), readFile(gradeData + "/copy.csv"));
    EXPECT_EQ(readFile(dir.file("class.json")), readFile(gradeData + "/copy.json"));
  }
}

// A file name from a Windows archive: its bytes are CP932. The table, the
// CSV and the JSON show it decoded, as the desktop does.
TEST(GradeGolden, FileNamesThatAreNotUtf8AreShownAsCp932) {
  TempDir dir;
  const std::string name = "\x83\x65\x83\x58\x83\x67.txt";  // テスト.txt
  writeBytes(dir.file(name), readFile(gradeData + "/check_errors.txt"));
  writeBytes(dir.file("tests.toml"), "[[case]]\nname = \"x\"\nends = \"RET\"\n");
  const ProcessResult result =
      grade({"tests.toml", name, "--csv", "r.csv", "--json", "r.json"}, dir.path().string());
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out.substr(0, result.out.find('\n') + 1), "FILE        CASE  RESULT  DETAILS\n");
  EXPECT_NE(result.out.find("\nテスト.txt  x     fail    the check found 6 errors\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(readFile(dir.file("r.csv")).find("\r\nテスト.txt,x,fail,"), std::string::npos);
  EXPECT_NE(readFile(dir.file("r.json")).find("\"file\": \"テスト.txt\""), std::string::npos);
}

// The keys of a case in every report: JUnit XML, JSON with the whole
// difference of the OUT lines, and one report per student in which a hidden
// case shows only whether it passed.
TEST(GradeGolden, JunitJsonAndStudentReports) {
  const std::vector<std::string> files = {"good.txt", "wrong_output.txt", "endless.txt",
                                          "check_errors.txt"};
  for (const std::string jobs : {"1", "3"}) {
    TempDir dir;
    std::vector<std::string> arguments = {"keys.toml"};
    arguments.insert(arguments.end(), files.begin(), files.end());
    arguments.insert(arguments.end(), {"--jobs", jobs, "--junit", dir.file("keys.xml"), "--json",
                                       dir.file("keys.json"), "--reports", dir.file("reports")});
    const ProcessResult result = grade(arguments);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readFile(dir.file("keys.xml")), readFile(gradeData + "/keys.xml"));
    EXPECT_EQ(readFile(dir.file("keys.json")), readFile(gradeData + "/keys.json"));
    for (const std::string& file : files) {
      EXPECT_EQ(readFile(dir.file("reports/" + file + ".txt")),
                readFile(gradeData + "/keys_reports/" + file + ".txt"))
          << file;
    }
  }
}

TEST(GradeGolden, TheExampleTestFilePassesItsExample) {
  const std::string examples = CASL2WB_EXAMPLES;
  const ProcessResult result = grade({"echo.toml", "echo.txt"}, examples);
  EXPECT_EQ(result.exitStatus, 0) << result.out << result.err;
  EXPECT_EQ(result.err, "");
}

// A test file that is not one: one line naming the file and the line at
// fault, nothing graded, exit status 2.
TEST(GradeTestFile, BadTestFilesAreReportedWithTheirLine) {
  struct Case {
    std::string content;
    std::string problem;
  };
  const std::string kase = "[[case]]\nname = \"x\"\n";
  const std::vector<Case> cases = {
      {"name = \"x\"\n",
       "tests.toml:1: unknown key \"name\" (a test file holds dialect, link, driver, passes, "
       "[defaults] and [[case]] tables)"},
      {"passes = 0\n" + kase + "ends = \"RET\"\n",
       "tests.toml:1: passes takes a whole number from 1 to 99999"},
      {"passes = \"10\"\n" + kase + "ends = \"RET\"\n",
       "tests.toml:1: passes takes a whole number from 1 to 99999"},
      {"case = 3\n", "tests.toml:1: case must be written as [[case]] tables"},
      {"passes = 10\n", "tests.toml:1: no [[case]] in the test file"},
      {"\n[[case]]\nends = \"RET\"\n", "tests.toml:2: a case needs a name"},
      {"[[case]]\nname = \"\"\nends = \"RET\"\n",
       "tests.toml:2: name takes a text that is not empty"},
      {kase + "ends = \"RET\"\n\n" + kase + "ends = \"RET\"\n",
       "tests.toml:5: two cases are named \"x\""},
      {kase + "input = [\"A\"]\n",
       "tests.toml:1: case \"x\" checks nothing (give output, registers, memory or ends)"},
      {kase + "outputs = [\"A\"]\n",
       "tests.toml:3: unknown key \"outputs\" in a case (name, input, output, output_match, "
       "registers, memory, ends, passes, points, hidden)"},
      {kase + "input = \"ABC\"\nends = \"RET\"\n", "tests.toml:3: input takes a list of strings"},
      {kase + "output = [\"A\", 1]\n", "tests.toml:3: output takes a list of strings"},
      {kase + "registers = { GR8 = \"0001\" }\n",
       "tests.toml:3: registers: GR8 is no register (GR0 to GR7, PR, SP and FR)"},
      {kase + "[case.registers]\nGR1 = \"1\"\nsp = \"0100\"\n",
       "tests.toml:5: registers: sp is no register (GR0 to GR7, PR, SP and FR)"},
      {kase + "registers = { GR1 = \"12345\" }\n",
       "tests.toml:3: registers: GR1 takes a word of hex digits in quotes, such as \"000A\", or a "
       "whole number from -32768 to 65535"},
      {kase + "registers = { GR1 = 65536 }\n",
       "tests.toml:3: registers: GR1 takes a word of hex digits in quotes, such as \"000A\", or a "
       "whole number from -32768 to 65535"},
      {kase + "registers = { FR = \"2\" }\n",
       "tests.toml:3: registers: FR takes three binary digits (OF, SF, ZF) in quotes, such as "
       "\"010\""},
      {kase + "memory = { ans = \"0001\" }\n",
       "tests.toml:3: memory: \"ans\" is no label (1 to 8 of A-Z and 0-9), nor LABEL+N"},
      {kase + "memory = { \"ANS+0\" = 1 }\n",
       "tests.toml:3: memory: \"ANS+0\" is no label (1 to 8 of A-Z and 0-9), nor LABEL+N"},
      {kase + "memory = { ANS = \"G\" }\n",
       "tests.toml:3: memory: ANS takes a word of hex digits in quotes, such as \"0005\", a whole "
       "number from -32768 to 65535, or a list of them"},
      {kase + "memory = { ANS = [1, \"X\"] }\n",
       "tests.toml:3: memory: ANS takes a word of hex digits in quotes, such as \"0005\", a whole "
       "number from -32768 to 65535, or a list of them"},
      {kase + "points = -1\n", "tests.toml:3: points takes a whole number from 0 to 10000"},
      {kase + "hidden = 1\n", "tests.toml:3: hidden takes true or false"},
      {kase + "passes = 100000\n", "tests.toml:3: passes takes a whole number from 1 to 99999"},
      {kase + "output_match = \"fuzzy\"\n",
       "tests.toml:3: output_match takes \"exact\", \"trim\" or \"regex\""},
      {kase + "output = [\"(\"]\noutput_match = \"regex\"\n",
       "tests.toml:1: case \"x\": output line \"(\" is no regular expression"},
      {"[defaults]\nname = \"y\"\n" + kase + "ends = \"RET\"\n",
       "tests.toml:2: defaults: name belongs to each case"},
      {"driver = \"main.cas\"\n" + kase + "ends = \"RET\"\n",
       "tests.toml:1: driver needs dialect = \"standard\": the workbench dialect has one program "
       "a file"},
      {"dialect = \"standard\"\ndriver = 5\n" + kase + "ends = \"RET\"\n",
       "tests.toml:2: driver takes the name of a source file"},
      {"defaults = 3\n" + kase + "ends = \"RET\"\n",
       "tests.toml:1: defaults must be written as a [defaults] table"},
      {"[defaults]\nends = \"crash\"\n" + kase,
       "tests.toml:2: ends takes \"RET\", \"pass-limit\", \"range-error\" or \"blank-word\""},
      {kase + "ends = \"return\"\n",
       "tests.toml:3: ends takes \"RET\", \"pass-limit\", \"range-error\" or \"blank-word\""},
      {kase + "ends = \"step-limit\"\n",
       "tests.toml:3: ends takes \"RET\", \"pass-limit\", \"range-error\" or \"blank-word\""},
      // The keys of the standard dialect; the dialect is known before the
      // keys that depend on it, wherever it stands.
      {"link = [\"lib.cas\"]\n" + kase + "ends = \"RET\"\n",
       "tests.toml:1: link needs dialect = \"standard\""},
      {"dialect = \"ansi\"\n" + kase + "ends = \"RET\"\n",
       "tests.toml:1: dialect takes \"standard\" or \"workbench\""},
      {"passes = 100000\n" + kase + "ends = \"RET\"\n",
       "tests.toml:1: passes takes a whole number from 1 to 99999"},
      {"link = \"lib.cas\"\ndialect = \"standard\"\n" + kase + "ends = \"RET\"\n",
       "tests.toml:1: link takes a list of strings"},
      {"dialect = \"standard\"\npasses = 2000000001\n" + kase + "ends = \"RET\"\n",
       "tests.toml:2: passes takes a whole number from 1 to 2000000000"},
      {kase + "ends = \"pass-limit\"\n[dialect]\n",
       "tests.toml:4: dialect takes \"standard\" or \"workbench\""},
      {"dialect = \"standard\"\n" + kase + "ends = \"pass-limit\"\n",
       "tests.toml:4: ends takes \"RET\", \"step-limit\", \"stack-overflow\", "
       "\"stack-underflow\", \"range-error\", \"bad-instruction\" or \"bad-svc\""},
  };
  TempDir dir;
  const std::string program = gradeData + "/good.txt";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    writeBytes(dir.file("tests.toml"), c.content);
    const ProcessResult result = grade({"tests.toml", program}, dir.path().string());
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "casl2wb-cli: " + c.problem + "\n");
  }
}

TEST(GradeTestFile, TomlSyntaxErrorsAreReportedWithTheirLine) {
  // The reason is the TOML reader's own; the line is the one at fault.
  TempDir dir;
  writeBytes(dir.file("tests.toml"), "# cases\n\n[[case]\nname = \"x\"\n");
  const ProcessResult result = grade({"tests.toml", gradeData + "/good.txt"}, dir.path().string());
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.rfind("casl2wb-cli: tests.toml:3: ", 0), 0u) << result.err;
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
}

TEST(GradeTestFile, AMissingTestFileIsAnError) {
  const ProcessResult result = grade({"none.toml", "good.txt"});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "casl2wb-cli: none.toml: No such file or directory\n");
}

TEST(GradeTestFile, TestFilesMayBeCp932) {
  // 漢字 and ｶﾅ in Shift_JIS, as a text editor on Windows saves them.
  TempDir dir;
  writeBytes(dir.file("tests.toml"),
             "[[case]]\r\nname = \"\x8A\xBF\x8E\x9A\"\r\ninput = [\"\xB6\xC5\"]\r\noutput = "
             "[\"\xB6\xC5\"]\r\n");
  const ProcessResult result = grade({"tests.toml", gradeData + "/good.txt"}, dir.path().string());
  EXPECT_EQ(result.exitStatus, 0) << result.out << result.err;
  EXPECT_NE(result.out.find(" 漢字  pass\n"), std::string::npos) << result.out;
}

TEST(GradeReports, AReportNeverTakesThePlaceOfAFileBeingRead) {
  TempDir dir;
  std::filesystem::copy_file(gradeData + "/good.txt", dir.file("good.txt"));
  std::filesystem::copy_file(gradeData + "/copy.toml", dir.file("copy.toml"));
  const std::string program = readBytes(dir.file("good.txt"));
  std::filesystem::create_symlink("good.txt", dir.file("link.csv"));
  for (const std::vector<std::string>& report : {std::vector<std::string>{"--csv", "good.txt"},
                                                 {"--json", "copy.toml"},
                                                 {"--csv", "link.csv"}}) {
    SCOPED_TRACE(report[0] + " " + report[1]);
    std::vector<std::string> arguments = {"copy.toml", "good.txt"};
    arguments.insert(arguments.end(), report.begin(), report.end());
    const ProcessResult result = grade(arguments, dir.path().string());
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "casl2wb-cli: " + report[1] + ": is a file being read; nothing is written\n");
  }
  EXPECT_EQ(readBytes(dir.file("good.txt")), program);
}

TEST(GradeReports, AReportThatCannotBeWrittenIsAnErrorAndLeavesNothing) {
  TempDir dir;
  const std::string report = dir.file("missing/class.json");
  const ProcessResult result = grade({"copy.toml", "good.txt", "--json", report});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, readFile(gradeData + "/good.table.out"));
  EXPECT_EQ(result.err, "casl2wb-cli: " + report + ": No such file or directory\n");
  EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}

}  // namespace
}  // namespace casl2wb
