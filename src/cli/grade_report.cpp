#include "cli/grade_report.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "base/display_width.h"
#include "cli/report_text.h"

namespace casl2wb::cli {

namespace {

// A text of the program in quotes, escaped; `none` when there is none.
std::string quoted(const std::optional<std::string>& text, const char* none) {
  return text ? '"' + escapedText(*text) + '"' : std::string(none);
}

std::string padded(const std::string& text, std::size_t width) {
  return text + std::string(width - std::min(width, displayWidth(text)), ' ');
}

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string field = "\"";
  for (char c : text) {
    if (c == '"') field += '"';
    field += c;
  }
  return field + '"';
}

const char* kindName(Difference::Kind kind) {
  switch (kind) {
    case Difference::Kind::End:
      return "ends";
    case Difference::Kind::Output:
      return "output";
    case Difference::Kind::Register:
      return "register";
    case Difference::Kind::Memory:
      break;
  }
  return "memory";
}

const char* statusName(FileResult::Status status) {
  switch (status) {
    case FileResult::Status::Graded:
      return "graded";
    case FileResult::Status::CheckErrors:
      return "check-errors";
    case FileResult::Status::Unreadable:
      break;
  }
  return "unreadable";
}

nlohmann::ordered_json optionalText(const std::optional<std::string>& text) {
  return text ? nlohmann::ordered_json(*text) : nlohmann::ordered_json(nullptr);
}

}  // namespace

std::string resultWord(const FileResult& file, std::size_t k) {
  if (file.status == FileResult::Status::Unreadable) return "error";
  return file.status == FileResult::Status::Graded && file.cases[k].passed() ? "pass" : "fail";
}

std::string describe(const Difference& difference) {
  switch (difference.kind) {
    case Difference::Kind::End:
      return "ends: expected " + difference.expected.value_or("") + ", got " +
             difference.actual.value_or("");
    case Difference::Kind::Output:
      return "OUT line " + difference.name + ": expected " +
             quoted(difference.expected, "no line") + ", got " +
             quoted(difference.actual, "no line");
    case Difference::Kind::Register:
      break;
    case Difference::Kind::Memory:
      if (difference.address.empty()) {
        return difference.name + ": the program has no such label";
      }
      return difference.name + " (" + difference.address + "): expected " +
             difference.expected.value_or("") + ", got " + difference.actual.value_or("");
  }
  return difference.name + ": expected " + difference.expected.value_or("") + ", got " +
         difference.actual.value_or("");
}

std::string resultDetails(const FileResult& file, std::size_t k) {
  switch (file.status) {
    case FileResult::Status::Unreadable:
      return "cannot read: " + file.readError;
    case FileResult::Status::CheckErrors:
      return "the check found " + std::to_string(file.errorCount) +
             (file.errorCount == 1 ? " error" : " errors");
    case FileResult::Status::Graded:
      break;
  }
  std::string details;
  for (const Difference& difference : file.cases[k].differences) {
    if (!details.empty()) details += "; ";
    details += describe(difference);
  }
  return details;
}

void printGradeTable(const TestSuite& suite, const std::vector<FileResult>& files,
                     std::ostream& out) {
  const std::string fileHeading = "FILE";
  const std::string caseHeading = "CASE";
  const std::string resultHeading = "RESULT";
  std::size_t fileWidth = fileHeading.size();
  std::size_t caseWidth = caseHeading.size();
  for (const FileResult& file : files) {
    fileWidth = std::max(fileWidth, displayWidth(shownFileName(file.path)));
  }
  for (const TestCase& testCase : suite.cases) {
    caseWidth = std::max(caseWidth, displayWidth(testCase.name));
  }
  // Each difference of a case on a line of its own, in the DETAILS column.
  const auto row = [&](const std::string& file, const std::string& name, const std::string& result,
                       const std::vector<std::string>& details) {
    std::string line = padded(file, fileWidth + 2) + padded(name, caseWidth + 2);
    if (details.empty()) {
      out << line << result << '\n';
      return;
    }
    line += padded(result, resultHeading.size() + 2);
    const std::string indent(displayWidth(line), ' ');
    for (std::size_t d = 0; d < details.size(); ++d) {
      out << (d == 0 ? line : indent) << details[d] << '\n';
    }
  };
  row(fileHeading, caseHeading, resultHeading, {"DETAILS"});
  int passed = 0;
  int filesPassed = 0;
  for (const FileResult& file : files) {
    for (std::size_t k = 0; k < suite.cases.size(); ++k) {
      std::vector<std::string> details;
      const CaseResult& result = file.cases[k];
      if (file.status == FileResult::Status::Graded) {
        for (const Difference& difference : result.differences) {
          details.push_back(describe(difference));
        }
        // A failing case says how its run ended.
        if (!result.passed()) details.push_back("ended: " + result.run.text());
      } else {
        details.push_back(resultDetails(file, k));
        // The check's errors once, under the file's first case.
        if (k == 0) details.insert(details.end(), file.checkErrors.begin(), file.checkErrors.end());
      }
      row(shownFileName(file.path), suite.cases[k].name, resultWord(file, k), details);
    }
    passed += file.passedCases();
    if (file.passedCases() == static_cast<int>(suite.cases.size())) ++filesPassed;
  }
  // The score of every file: the points of the cases it passed.
  out << '\n';
  out << padded(fileHeading, fileWidth + 2) << "SCORE\n";
  for (const FileResult& file : files) {
    out << padded(shownFileName(file.path), fileWidth + 2) << scoreOf(suite, file).text() << '\n';
  }
  out << '\n'
      << passed << " of " << files.size() * suite.cases.size() << " cases passed; " << filesPassed
      << " of " << files.size() << " files passed every case\n";
}

std::string gradeCsv(const TestSuite& suite, const std::vector<FileResult>& files) {
  std::string csv =
      "\xEF\xBB\xBF"
      "file,case,result,points,score,ends,steps,details\r\n";
  for (const FileResult& file : files) {
    const std::string score = scoreOf(suite, file).text();
    for (std::size_t k = 0; k < suite.cases.size(); ++k) {
      const int points = suite.cases[k].points;
      const std::string earned =
          std::to_string(resultWord(file, k) == "pass" ? points : 0) + '/' + std::to_string(points);
      const RunSummary& run = file.cases[k].run;
      const bool ran = file.status == FileResult::Status::Graded;
      csv += csvField(shownFileName(file.path)) + ',' + csvField(suite.cases[k].name) + ',' +
             resultWord(file, k) + ',' + earned + ',' + score + ',' +
             csvField(ran ? run.end + (run.detail.empty() ? "" : ' ' + run.detail) : "") + ',' +
             (ran ? std::to_string(run.steps) : "") + ',' + csvField(resultDetails(file, k)) +
             "\r\n";
    }
  }
  return csv;
}

std::string gradeJson(const std::string& testsPath, const TestSuite& suite,
                      const std::vector<FileResult>& files) {
  using Json = nlohmann::ordered_json;
  Json document;
  document["tests"] = testsPath;
  Json names = Json::array();
  for (const TestCase& testCase : suite.cases) names.push_back(testCase.name);
  document["cases"] = names;
  Json fileList = Json::array();
  int passed = 0;
  int filesPassed = 0;
  for (const FileResult& file : files) {
    Json entry;
    entry["file"] = shownFileName(file.path);
    entry["status"] = statusName(file.status);
    if (file.status == FileResult::Status::CheckErrors) {
      entry["errors"] = file.errorCount;
      entry["checkErrors"] = file.checkErrors;
    }
    if (file.status == FileResult::Status::Unreadable) entry["reason"] = file.readError;
    entry["passed"] = file.passedCases();
    const Score score = scoreOf(suite, file);
    entry["score"] = {{"got", score.got}, {"total", score.total}};
    Json caseList = Json::array();
    for (std::size_t k = 0; k < suite.cases.size(); ++k) {
      Json item;
      item["name"] = suite.cases[k].name;
      item["result"] = resultWord(file, k);
      item["points"] = suite.cases[k].points;
      item["hidden"] = suite.cases[k].hidden;
      if (file.status == FileResult::Status::Graded) {
        const RunSummary& run = file.cases[k].run;
        item["ends"] = run.end;
        if (!run.detail.empty()) item["endDetail"] = run.detail;
        item["steps"] = run.steps;
      }
      item["details"] = resultDetails(file, k);
      Json differences = Json::array();
      for (const Difference& difference : file.cases[k].differences) {
        Json d;
        d["kind"] = kindName(difference.kind);
        if (difference.kind == Difference::Kind::Output) {
          d["line"] = std::stoi(difference.name);
        } else if (difference.kind != Difference::Kind::End) {
          d["name"] = difference.name;
        }
        if (difference.kind == Difference::Kind::Memory) {
          d["address"] = difference.address.empty() ? Json(nullptr) : Json(difference.address);
        }
        d["expected"] = optionalText(difference.expected);
        d["actual"] = optionalText(difference.actual);
        differences.push_back(d);
      }
      item["differences"] = differences;
      if (!file.cases[k].outputDifference.empty()) {
        item["outputDifference"] = file.cases[k].outputDifference;
      }
      caseList.push_back(item);
    }
    entry["cases"] = caseList;
    fileList.push_back(entry);
    passed += file.passedCases();
    if (file.passedCases() == static_cast<int>(suite.cases.size())) ++filesPassed;
  }
  document["files"] = fileList;
  document["summary"] = {{"cases", files.size() * suite.cases.size()},
                         {"passed", passed},
                         {"files", files.size()},
                         {"filesPassed", filesPassed}};
  // File names need not be UTF-8: bytes that are not become U+FFFD.
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}

}  // namespace casl2wb::cli
