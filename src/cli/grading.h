// Grading: every program file run against every case of a test suite, each
// case on a fresh machine, the files in parallel.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/run_summary.h"
#include "cli/test_file.h"

namespace casl2wb::cli {

// One way in which a run differed from what its case expects.
struct Difference {
  enum class Kind {
    End,       // how the run ended
    Output,    // the first OUT line that differs
    Register,  // a register, FR, PR or SP
    Memory,    // the word at a label's address
  };
  Kind kind = Kind::End;
  // The register or the label; for Output the line number (from 1).
  std::string name;
  // The address of a label, four hex digits (empty when the program has no
  // such label).
  std::string address;
  // The expected and the actual text; none for an OUT line that is missing
  // on that side, or for the word of a label the program does not have.
  std::optional<std::string> expected;
  std::optional<std::string> actual;
};

struct CaseResult {
  std::vector<Difference> differences;
  // How the run ended and after how many steps (none when nothing ran).
  RunSummary run;
  // When the OUT lines differ: their whole difference (outputDifference).
  std::vector<std::string> outputDifference;
  bool passed() const { return differences.empty(); }
};

struct FileResult {
  enum class Status {
    Graded,       // the cases ran
    CheckErrors,  // the check or the translation found errors: nothing ran
    Unreadable,   // the file could not be read
  };
  std::string path;
  Status status = Status::Graded;
  int errorCount = 0;  // CheckErrors
  // CheckErrors: each error as "LINE: MESSAGE" (a linked file's as
  // "FILE:LINE: MESSAGE"), in the order of their lines.
  std::vector<std::string> checkErrors;
  std::string readError;  // Unreadable: the system's reason
  // One result per case of the suite, in its order (all failed unless Graded).
  std::vector<CaseResult> cases;

  int passedCases() const;
};

// The points a file earned of all the suite's points.
struct Score {
  int got = 0;
  int total = 0;
  std::string text() const { return std::to_string(got) + '/' + std::to_string(total); }
};
Score scoreOf(const TestSuite& suite, const FileResult& file);

// Checks, translates and runs one file against every case.
FileResult gradeFile(const std::string& path, const TestSuite& suite);

// Grades the files on `jobs` threads (at least one); the results are in the
// order of the files.
std::vector<FileResult> gradeFiles(const std::vector<std::string>& paths, const TestSuite& suite,
                                   unsigned jobs);

}  // namespace casl2wb::cli
