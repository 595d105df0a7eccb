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
//
// A test file of standard CASL II programs says so at the top, and may name
// further source files (relative to the test file) that every graded file
// is linked with, the graded file's units first:
//
//   dialect = "standard"
//   link = ["lib.cas"]
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

struct TestCase {
  std::string name;
  std::vector<std::string> input;
  std::optional<std::vector<std::string>> output;
  // GR0 to GR7, PR and SP as four hex digits, FR as three binary digits;
  // in this order.
  std::vector<std::pair<std::string, std::string>> registers;
  // Label and the word as four hex digits, in the order of the labels.
  std::vector<std::pair<std::string, std::string>> memory;
  // How the run must end, by its name (runEndName, or standardEndName in
  // the standard dialect).
  std::optional<std::string> ends;
};

struct TestSuite {
  // The lower pass limit that the test file sets for all cases (the step
  // limit in the standard dialect).
  std::optional<std::int64_t> passLimit;
  Dialect dialect = Dialect::Workbench;
  // Standard dialect: further source files linked after the graded one.
  std::vector<std::string> links;
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
