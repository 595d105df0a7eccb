// The results of grade as JUnit XML: one testsuite per graded file, one
// testcase per case, a failure with the reason (an error for a file that
// cannot be read), how each run ended and the file's score.
#include <cstdio>
#include <string>

#include "cli/grade_report.h"
#include "cli/report_text.h"

namespace casl2wb::cli {

namespace {

// XML 1.0 takes no control characters but tab and line end; the texts of
// programs are escaped already (describe, outputDifference), names are
// escaped here.
std::string xml(const std::string& text) {
  std::string out;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
      char code[5];
      std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(c));
      out += code;
      continue;
    }
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// The lines of a failure: each difference, how the run ended, and the whole
// difference of the OUT lines.
std::string failureText(const FileResult& file, std::size_t k) {
  std::string text;
  const auto add = [&text](const std::string& line) { text += line + '\n'; };
  if (file.status != FileResult::Status::Graded) {
    add(resultDetails(file, k));
    for (const std::string& error : file.checkErrors) add(error);
    return text;
  }
  const CaseResult& result = file.cases[k];
  for (const Difference& difference : result.differences) add(describe(difference));
  add("ended: " + result.run.text());
  for (const std::string& line : result.outputDifference) add(line);
  return text;
}

}  // namespace

std::string gradeJunit(const std::string& testsPath, const TestSuite& suite,
                       const std::vector<FileResult>& files) {
  std::size_t failures = 0;
  std::size_t errors = 0;
  for (const FileResult& file : files) {
    for (std::size_t k = 0; k < suite.cases.size(); ++k) {
      const std::string word = resultWord(file, k);
      if (word == "fail") ++failures;
      if (word == "error") ++errors;
    }
  }
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<testsuites name=\"" + xml(testsPath) + "\" tests=\"" +
         std::to_string(files.size() * suite.cases.size()) + "\" failures=\"" +
         std::to_string(failures) + "\" errors=\"" + std::to_string(errors) + "\">\n";
  for (const FileResult& file : files) {
    const std::string name = xml(shownFileName(file.path));  // escaped by shownFileName
    const bool unreadable = file.status == FileResult::Status::Unreadable;
    const int failed = static_cast<int>(suite.cases.size()) - file.passedCases();
    out += "  <testsuite name=\"" + name + "\" tests=\"" + std::to_string(suite.cases.size()) +
           "\" failures=\"" + std::to_string(unreadable ? 0 : failed) + "\" errors=\"" +
           std::to_string(unreadable ? failed : 0) + "\">\n";
    out += "    <properties><property name=\"score\" value=\"" + scoreOf(suite, file).text() +
           "\"/></properties>\n";
    for (std::size_t k = 0; k < suite.cases.size(); ++k) {
      out += "    <testcase name=\"" + xml(escapedText(suite.cases[k].name)) + "\" classname=\"" +
             name + "\"";
      const std::string word = resultWord(file, k);
      const CaseResult& result = file.cases[k];
      const std::string ended =
          file.status == FileResult::Status::Graded
              ? "      <system-out>ended: " + xml(result.run.text()) + "</system-out>\n"
              : "";
      if (word == "pass") {
        out += ">\n" + ended + "    </testcase>\n";
        continue;
      }
      const std::string element = word == "error" ? "error" : "failure";
      out += ">\n      <" + element + " message=\"" + xml(resultDetails(file, k)) + "\">" +
             xml(failureText(file, k)) + "</" + element + ">\n" + ended + "    </testcase>\n";
    }
    out += "  </testsuite>\n";
  }
  out += "</testsuites>\n";
  return out;
}

}  // namespace casl2wb::cli
