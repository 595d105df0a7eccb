#include "cli/grade_command.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <thread>

#include "base/file_replacement.h"
#include "cli/command.h"
#include "cli/dialect_choice.h"
#include "cli/grade_report.h"
#include "cli/grading.h"
#include "cli/report_text.h"
#include "cli/same_file.h"
#include "cli/test_file.h"

namespace casl2wb::cli {

namespace {

// Writes a report whole or not at all.
bool writeReport(const std::string& path, const std::string& content, std::ostream& err) {
  FileReplacement file(path);
  if (file.begin() && file.write(content) && file.commit()) return true;
  err << programName << ": " << path << ": " << file.error() << '\n';
  return false;
}

// One report per graded file in `folder` (made when missing), named after
// the file: NAME.txt, or NAME-2.txt and on for a second file of that name.
bool writeStudentReports(const std::string& folder, const TestSuite& suite,
                         const std::vector<FileResult>& files, std::ostream& err) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    err << programName << ": " << folder << ": " << error.message() << '\n';
    return false;
  }
  std::set<std::string> taken;
  for (const FileResult& file : files) {
    const std::string base = std::filesystem::path(shownFileName(file.path)).filename().string();
    std::string name = base + ".txt";
    for (int n = 2; taken.contains(name); ++n) name = base + '-' + std::to_string(n) + ".txt";
    taken.insert(name);
    const std::string path = (std::filesystem::path(folder) / name).string();
    if (!writeReport(path, studentReport(suite, file), err)) return false;
  }
  return true;
}

}  // namespace

int runGradeCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err) {
  if (parsed.positional.size() < 2) {
    return usageError(err, "grade needs a TESTS file and at least one FILE");
  }
  unsigned jobs = std::max(std::thread::hardware_concurrency(), 1u);
  if (const auto value = parsed.option("--jobs")) {
    const auto number = positiveNumber(*value, 1024);
    if (!number) return usageError(err, "grade: --jobs takes a whole number from 1 to 1024");
    jobs = static_cast<unsigned>(*number);
  }
  const std::string& testsPath = parsed.positional[0];
  const std::vector<std::string> files(parsed.positional.begin() + 1, parsed.positional.end());

  // A report never takes the place of a file that is read, nor of another.
  const std::optional<std::string> csvPath = parsed.option("--csv");
  const std::optional<std::string> jsonPath = parsed.option("--json");
  const std::optional<std::string> junitPath = parsed.option("--junit");
  const std::vector<std::pair<const char*, std::optional<std::string>>> reports = {
      {"--csv", csvPath}, {"--json", jsonPath}, {"--junit", junitPath}};
  for (std::size_t a = 0; a < reports.size(); ++a) {
    for (std::size_t b = a + 1; b < reports.size(); ++b) {
      const auto& [nameA, pathA] = reports[a];
      const auto& [nameB, pathB] = reports[b];
      if (pathA && pathB && (*pathA == *pathB || sameFile(*pathA, *pathB))) {
        return usageError(err,
                          std::string("grade: ") + nameA + " and " + nameB + " name the same file");
      }
    }
  }
  for (const auto& report : {csvPath, jsonPath, junitPath}) {
    if (!report) continue;
    for (const std::string& read : parsed.positional) {
      if (sameFile(*report, read)) {
        err << programName << ": " << *report << ": is a file being read; nothing is written\n";
        return exitFailure;
      }
    }
  }

  const auto choice = readDialectChoice(parsed, "grade", err);
  if (!choice) return exitFailure;
  TestFileResult tests = readTestFile(testsPath);
  if (!tests.ok) {
    err << programName << ": " << tests.problem << '\n';
    return exitFailure;
  }
  // --dialect standard reads the programs as standard ones whatever the
  // test file says; --link adds files after the test file's.
  if (parsed.option("--dialect")) tests.suite.dialect = choice->dialect;
  tests.suite.links.insert(tests.suite.links.end(), choice->links.begin(), choice->links.end());
  const std::vector<FileResult> results = gradeFiles(files, tests.suite, jobs);

  int status = exitSuccess;
  for (const FileResult& file : results) {
    if (file.status == FileResult::Status::Unreadable) {
      err << programName << ": " << shownFileName(file.path) << ": " << file.readError << '\n';
      status = exitFailure;
    } else if (file.passedCases() != static_cast<int>(tests.suite.cases.size())) {
      status = std::max<int>(status, exitErrorsFound);
    }
  }
  printGradeTable(tests.suite, results, out);
  out.flush();
  if (csvPath && !writeReport(*csvPath, gradeCsv(tests.suite, results), err)) return exitFailure;
  if (jsonPath && !writeReport(*jsonPath, gradeJson(testsPath, tests.suite, results), err)) {
    return exitFailure;
  }
  if (junitPath && !writeReport(*junitPath, gradeJunit(testsPath, tests.suite, results), err)) {
    return exitFailure;
  }
  if (const auto folder = parsed.option("--reports")) {
    if (!writeStudentReports(*folder, tests.suite, results, err)) return exitFailure;
  }
  return status;
}

}  // namespace casl2wb::cli
