#include "cli/grade_command.h"

#include <algorithm>
#include <thread>

#include "base/file_replacement.h"
#include "cli/command.h"
#include "cli/dialect_choice.h"
#include "cli/grade_report.h"
#include "cli/grading.h"
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

  // A report never takes the place of a file that is read, nor of the other.
  const std::optional<std::string> csvPath = parsed.option("--csv");
  const std::optional<std::string> jsonPath = parsed.option("--json");
  if (csvPath && jsonPath && (*csvPath == *jsonPath || sameFile(*csvPath, *jsonPath))) {
    return usageError(err, "grade: --csv and --json name the same file");
  }
  for (const auto& report : {csvPath, jsonPath}) {
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
      err << programName << ": " << file.path << ": " << file.readError << '\n';
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
  return status;
}

}  // namespace casl2wb::cli
