// The results of casl2wb-cli grade: a table for the terminal, CSV for
// spreadsheets and JSON for learning-management systems. Each has one entry
// per file and case, in the order of the files and of the cases.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/grading.h"
#include "cli/test_file.h"

namespace casl2wb::cli {

// "pass", "fail" (the case failed, or the program has errors), or "error"
// (the file could not be read).
std::string resultWord(const FileResult& file, std::size_t k);

// What went wrong in case k of the file, in one line ("" when it passed):
// the differences separated by "; ", "the check found 2 errors" or
// "cannot read: REASON".
std::string resultDetails(const FileResult& file, std::size_t k);

// One difference: `ends: expected RET, got pass-limit`, `OUT line 2: expected
// "15", got "14"`, `GR1: expected 000A, got 0009`, `ANS (000B): expected
// 0005, got 0004`.
std::string describe(const Difference& difference);

// The table FILE, CASE, RESULT, DETAILS with its columns aligned (wide
// characters count as two columns; each difference of a case on a line of
// its own), and a closing line with the counts.
void printGradeTable(const TestSuite& suite, const std::vector<FileResult>& files,
                     std::ostream& out);

// The same rows as CSV (RFC 4180: CR LF line ends, fields quoted where
// needed), UTF-8 with a byte-order mark so that spreadsheets read it as such.
std::string gradeCsv(const TestSuite& suite, const std::vector<FileResult>& files);

// The results as a JSON document.
std::string gradeJson(const std::string& testsPath, const TestSuite& suite,
                      const std::vector<FileResult>& files);

// The results as JUnit XML (grade_junit.cpp), for CI servers and learning-
// management systems: a testsuite per file with its score, a testcase per
// case with a failure (or, for a file that cannot be read, an error)
// holding the reason, and how its run ended.
std::string gradeJunit(const std::string& testsPath, const TestSuite& suite,
                       const std::vector<FileResult>& files);

// A report for the student of one graded file (student_reports.cpp): the
// file and its score, each case with its result and reason, how its run
// ended and the whole difference of the OUT lines; of a hidden case only
// whether it passed.
std::string studentReport(const TestSuite& suite, const FileResult& file);

}  // namespace casl2wb::cli
