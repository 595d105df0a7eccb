// The test file of casl2wb-cli grade: TOML, with one [[case]] table per
// test case and an optional top-level pass limit.
//
//   passes = 1000                 # optional: lowers the pass limit of every case
//
//   [[case]]
//   name = "adds two numbers"
//   input = ["12", "30"]          # the lines IN takes, in order
//   output = ["42"]               # exactly the lines OUT writes
//   registers = { GR1 = "002A", FR = "000" }
//   memory = { SUM = "002A" }     # the word at the label's address
//   ends = "RET"                  # or "pass-limit", "range-error", "blank-word"
//   passes = 200                  # this case's own lower pass limit
//   points = 2                    # what passing earns (default 1)
//   hidden = true                 # a student's report shows only pass or fail
//   output_match = "trim"         # or "exact" (default), "regex"
//
// Values of registers and memory may be integers (decimal, negative too);
// a memory key may be LABEL+N, and a list of words checks cells one after
// another (BUF = ["0041", "0042"]). A table [defaults] gives any case key
// but the name once for all cases; a case's own key wins.
//
// A test file of standard CASL II programs says so at the top, and may name
// further source files (relative to the test file) that every graded file
// is linked with, the graded file's units first:
//
//   dialect = "standard"
//   link = ["lib.cas"]
//   driver = "main.cas"           # the teacher's main program, before the graded file
//   passes = 100000               # the step limit
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "assembler/dialect.h"
#include "simulator/run_outcome.h"
#include "simulator/standard_machine.h"

namespace casl2wb::cli {

// How the lines OUT writes are compared with the expected ones.
enum class OutputMatch {
  Exact,  // the same text
  Trim,   // the same text but for trailing spaces
  Regex,  // the expected line is a regular expression the whole line matches
};

// A word of memory a case expects: at a label's address plus an offset.
struct MemoryCheck {
  std::string name;  // "LABEL" or "LABEL+N", as reports show it
  std::string label;
  int offset = 0;
  std::string word;  // four hex digits
};

struct TestCase {
  std::string name;
  std::vector<std::string> input;
  std::optional<std::vector<std::string>> output;
  OutputMatch outputMatch = OutputMatch::Exact;
  // GR0 to GR7, PR and SP as four hex digits, FR as three binary digits;
  // in this order.
  std::vector<std::pair<std::string, std::string>> registers;
  // In the order of the test file (a list of words: one check a cell).
  std::vector<MemoryCheck> memory;
  // How the run must end, by its name (runEndName, or standardEndName in
  // the standard dialect).
  std::optional<std::string> ends;
  // The case's own pass limit (step limit), lower than the program's.
  std::optional<std::int64_t> passLimit;
  // What passing the case earns, and whether a student's own report shows
  // only whether it passed.
  int points = 1;
  bool hidden = false;
};

struct TestSuite {
  // The lower pass limit that the test file sets for all cases (the step
  // limit in the standard dialect).
  std::optional<std::int64_t> passLimit;
  Dialect dialect = Dialect::Workbench;
  // Standard dialect: further source files linked after the graded one.
  std::vector<std::string> links;
  // Standard dialect: the teacher's main program, its units before the
  // graded file's (whose subroutines it calls).
  std::optional<std::string> driver;
  std::vector<TestCase> cases;
};

// The name of how a run ended, as a test file writes it: "RET", "pass-limit",
// "range-error" or "blank-word" ("none" before any run).
std::string runEndName(RunEnd end);
// The same for a run of a standard program: "RET", "step-limit",
// "stack-overflow", "stack-underflow", "range-error", "bad-instruction" or
// "bad-svc".
std::string standardEndName(standard::End end);

struct TestFileResult {
  bool ok = false;
  TestSuite suite;
  // What is wrong: "PATH: REASON" for a file that cannot be read,
  // "PATH:LINE: PROBLEM" for a file that is no test file.
  std::string problem;
};

// Reads a test file, UTF-8 or CP932 as source files are.
TestFileResult readTestFile(const std::string& path);

}  // namespace casl2wb::cli
