// A report for the student of one graded file.
#include <string>

#include "cli/grade_report.h"
#include "cli/report_text.h"

namespace casl2wb::cli {

std::string studentReport(const TestSuite& suite, const FileResult& file) {
  std::string out = "file: " + shownFileName(file.path) + '\n';
  out += "score: " + scoreOf(suite, file).text() + '\n';
  switch (file.status) {
    case FileResult::Status::Unreadable:
      out += "cannot read: " + file.readError + '\n';
      return out;
    case FileResult::Status::CheckErrors:
      out += resultDetails(file, 0) + '\n';
      for (const std::string& error : file.checkErrors) out += "  " + error + '\n';
      return out;
    case FileResult::Status::Graded:
      break;
  }
  for (std::size_t k = 0; k < suite.cases.size(); ++k) {
    const TestCase& testCase = suite.cases[k];
    const CaseResult& result = file.cases[k];
    out += "\ncase \"" + escapedText(testCase.name) + "\": " + resultWord(file, k) + " (" +
           std::to_string(result.passed() ? testCase.points : 0) + '/' +
           std::to_string(testCase.points) + ")\n";
    // A hidden case tells only whether it passed.
    if (testCase.hidden || result.passed()) continue;
    for (const Difference& difference : result.differences) {
      out += "  " + describe(difference) + '\n';
    }
    out += "  ended: " + result.run.text() + '\n';
    for (const std::string& line : result.outputDifference) out += "  " + line + '\n';
  }
  return out;
}

}  // namespace casl2wb::cli
