#include "cli/grading.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <system_error>
#include <thread>

#include "assembler/assembler.h"
#include "assembler/label_addresses.h"
#include "base/source_file.h"
#include "cli/dialect_choice.h"
#include "cli/editor_diagnostics.h"
#include "cli/front_end.h"
#include "cli/output_difference.h"
#include "cli/report_text.h"
#include "documents/standard_texts.h"
#include "simulator/execution_loop.h"
#include "simulator/standard_machine.h"

namespace casl2wb::cli {

namespace {

// The run's list: its items (warnings, dumps) are of no interest, OUT's
// lines come through the dialogs.
class IgnoredOutput : public RunOutput {
 public:
  void line(std::string_view) override {}
  void dumped(int, const CpuState&) override {}
  void ended(const Machine&) override {}
};

// The input box of IN answered from the case's input lines; after the last
// one the box counts as cancelled. The lines OUT writes are kept; the
// 999-step notice is of no interest.
class CaseDialogs : public RunDialogs {
 public:
  explicit CaseDialogs(const std::vector<std::string>& input) : input_(input) {}

  std::string inputBox(const std::string&, const std::string&, const std::string&) override {
    return next_ < input_.size() ? input_[next_++] : std::string();
  }
  void errorBox(const std::string&) override {}
  void outputWritten(const std::string& line) override { outputLines.push_back(line); }

  std::vector<std::string> outputLines;

 private:
  const std::vector<std::string>& input_;
  std::size_t next_ = 0;
};

// A word as the report shows it: four hex digits, or what a cell without a
// value holds.
std::string wordText(Word word) {
  switch (word.state()) {
    case Word::State::Value:
      return word.text();
    case Word::State::Blank:
      return "blank";
    case Word::State::Empty:
      break;
  }
  return "empty";
}

std::string registerText(const CpuState& cpu, const std::string& name) {
  if (name == "FR") return cpu.flags.text();
  if (name == "PR") return Word::of(cpu.pr).text();
  if (name == "SP") return Word::of(cpu.sp).text();
  return wordText(cpu.registers[static_cast<std::size_t>(name[2] - '0')]);
}

std::string_view withoutTrailingSpaces(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool linesMatch(const std::string& expected, const std::string& actual, OutputMatch match) {
  switch (match) {
    case OutputMatch::Exact:
      break;
    case OutputMatch::Trim:
      return withoutTrailingSpaces(expected) == withoutTrailingSpaces(actual);
    case OutputMatch::Regex:
      // The test file's reader has made sure the expression compiles.
      return std::regex_match(actual, std::regex(expected, std::regex::ECMAScript));
  }
  return expected == actual;
}

void compareOutput(const TestCase& testCase, const std::vector<std::string>& actual,
                   CaseResult& result) {
  const std::vector<std::string>& expected = *testCase.output;
  const std::size_t lines = std::max(expected.size(), actual.size());
  for (std::size_t k = 0; k < lines; ++k) {
    std::optional<std::string> want;
    std::optional<std::string> got;
    if (k < expected.size()) want = expected[k];
    if (k < actual.size()) got = actual[k];
    if (!want || !got || !linesMatch(*want, *got, testCase.outputMatch)) {
      // Each expression is made once for the whole difference.
      std::map<std::string, std::regex> expressions;
      result.outputDifference =
          cli::outputDifference(expected, actual, [&](const std::string& a, const std::string& b) {
            if (testCase.outputMatch != OutputMatch::Regex) {
              return linesMatch(a, b, testCase.outputMatch);
            }
            auto found = expressions.find(a);
            if (found == expressions.end()) {
              found = expressions.emplace(a, std::regex(a, std::regex::ECMAScript)).first;
            }
            return std::regex_match(b, found->second);
          });
      result.differences.push_back(
          {Difference::Kind::Output, std::to_string(k + 1), "", want, got});
      return;
    }
  }
}

// The address of a cell a memory check names and the word it holds.
struct CellSeen {
  std::string address;
  std::string word;
};

// A case's differences from what a run of either dialect left: how it
// ended, its OUT lines, the registers by name and the cells (none for a
// label the program lacks).
CaseResult judged(const TestCase& testCase, RunSummary run, const std::vector<std::string>& output,
                  const std::function<std::string(const std::string&)>& registerText,
                  const std::function<std::optional<CellSeen>(const MemoryCheck&)>& cell) {
  CaseResult result;
  result.run = std::move(run);
  if (testCase.ends && *testCase.ends != result.run.end) {
    result.differences.push_back({Difference::Kind::End, "", "", *testCase.ends, result.run.end});
  }
  if (testCase.output) compareOutput(testCase, output, result);
  for (const auto& [name, expected] : testCase.registers) {
    const std::string actual = registerText(name);
    if (actual != expected) {
      result.differences.push_back({Difference::Kind::Register, name, "", expected, actual});
    }
  }
  for (const MemoryCheck& check : testCase.memory) {
    const std::optional<CellSeen> seen = cell(check);
    if (!seen) {
      result.differences.push_back(
          {Difference::Kind::Memory, check.name, "", check.word, std::nullopt});
    } else if (seen->word != check.word) {
      result.differences.push_back(
          {Difference::Kind::Memory, check.name, seen->address, check.word, seen->word});
    }
  }
  return result;
}

CaseResult runCase(const AssembledProgram& program, const LabelAddresses& labels,
                   const TestSuite& suite, const TestCase& testCase) {
  // The test file may only lower the program's own pass limit (LMT, or the
  // usual 5000); a malformed LMT keeps the usual one. A case's own limit
  // goes before the file's.
  RunParameters run = program.run;
  if (const auto limit = testCase.passLimit ? testCase.passLimit : suite.passLimit) {
    const std::int64_t own = run.passLimitMalformed
                                 ? RunParameters::defaultPassLimit
                                 : run.passLimit.value_or(RunParameters::defaultPassLimit);
    run.passLimit = std::min(own, *limit);
    run.passLimitMalformed = false;
  }
  Machine machine;
  machine.load(program, run);
  IgnoredOutput output;
  CaseDialogs dialogs(testCase.input);
  Simulator(machine, output, dialogs).run();

  const CpuState& cpu = machine.cpu();
  return judged(
      testCase, summaryOf(machine), dialogs.outputLines,
      [&cpu](const std::string& name) { return registerText(cpu, name); },
      [&](const MemoryCheck& check) -> std::optional<CellSeen> {
        const auto labelAddress = labels.addressOf(fromUtf8(check.label));
        const std::int64_t address = labelAddress.value_or(0) + check.offset;
        if (!labelAddress || !MemoryImage::contains(address)) return std::nullopt;
        return CellSeen{hexText(static_cast<std::uint16_t>(address)),
                        wordText(cpu.memory[address])};
      });
}

// IN of a standard program answered from the case's input lines (none after
// the last); OUT's lines kept.
class CaseTerminal : public standard::Terminal {
 public:
  explicit CaseTerminal(const std::vector<std::string>& input) : input_(input) {}
  std::optional<std::string> readLine() override {
    if (next_ >= input_.size()) return std::nullopt;
    return input_[next_++];
  }
  void writeLine(const std::string& utf8) override { outputLines.push_back(utf8); }

  std::vector<std::string> outputLines;

 private:
  const std::vector<std::string>& input_;
  std::size_t next_ = 0;
};

std::string standardRegisterText(const standard::Cpu& cpu, const std::string& name) {
  if (name == "FR") return cpu.flags.text();
  if (name == "PR") return hexText(cpu.pr);
  if (name == "SP") return hexText(static_cast<std::uint16_t>(cpu.sp));
  return hexText(cpu.registers[static_cast<std::size_t>(name[2] - '0')]);
}

CaseResult runStandardCase(const standard::Program& program, std::int64_t stepLimit,
                           const TestCase& testCase) {
  standard::Cpu cpu = standard::loadedCpu(program);
  CaseTerminal terminal(testCase.input);
  const standard::RunEnd end = standard::run(cpu, terminal, stepLimit);
  return judged(
      testCase, summaryOf(end), terminal.outputLines,
      [&cpu](const std::string& name) { return standardRegisterText(cpu, name); },
      [&](const MemoryCheck& check) -> std::optional<CellSeen> {
        const auto labelAddress = program.addressOf(fromUtf8(check.label));
        if (!labelAddress) return std::nullopt;
        const auto address = static_cast<std::uint16_t>(*labelAddress + check.offset);
        return CellSeen{hexText(address), hexText(cpu.memory[address])};
      });
}

// A standard program: the file with the suite's linked files after it.
FileResult gradeStandardFile(const std::string& path, const TestSuite& suite) {
  FileResult result;
  result.path = path;
  result.cases.resize(suite.cases.size());
  std::ostringstream readProblem;
  standard::Program program;
  // The teacher's driver first, then the graded file and the linked ones.
  std::vector<std::string> paths;
  if (suite.driver) paths.push_back(*suite.driver);
  paths.push_back(path);
  paths.insert(paths.end(), suite.links.begin(), suite.links.end());
  if (!assembleStandardFiles(paths, program, readProblem)) {
    result.status = FileResult::Status::Unreadable;
    // The reason as a read error of the file shows it: a linked file that
    // cannot be read is named.
    std::string reason = readProblem.str();
    for (const std::string& prefix : {std::string(programName) + ": ", path + ": "}) {
      if (reason.starts_with(prefix)) reason.erase(0, prefix.size());
    }
    if (!reason.empty() && reason.back() == '\n') reason.pop_back();
    result.readError = reason;
    return result;
  }
  if (!program.runnable()) {
    result.status = FileResult::Status::CheckErrors;
    result.errorCount = static_cast<int>(program.diagnostics.size());
    for (const standard::LocatedError& error : standard::locatedErrors(program)) {
      // The graded file is named by the row; a linked one by its name.
      const std::string file = error.file == path ? "" : shownFileName(error.file) + ':';
      result.checkErrors.push_back(file + std::to_string(error.line) + ": " + error.message);
    }
    return result;
  }
  for (std::size_t k = 0; k < suite.cases.size(); ++k) {
    const TestCase& testCase = suite.cases[k];
    const std::int64_t stepLimit =
        testCase.passLimit.value_or(suite.passLimit.value_or(standard::defaultStepLimit));
    result.cases[k] = runStandardCase(program, stepLimit, testCase);
  }
  return result;
}

}  // namespace

Score scoreOf(const TestSuite& suite, const FileResult& file) {
  Score score;
  for (std::size_t k = 0; k < suite.cases.size(); ++k) {
    score.total += suite.cases[k].points;
    if (file.status == FileResult::Status::Graded && file.cases[k].passed()) {
      score.got += suite.cases[k].points;
    }
  }
  return score;
}

int FileResult::passedCases() const {
  if (status != Status::Graded) return 0;
  return static_cast<int>(
      std::count_if(cases.begin(), cases.end(), [](const CaseResult& c) { return c.passed(); }));
}

FileResult gradeFile(const std::string& path, const TestSuite& suite) {
  if (suite.dialect == Dialect::Standard) return gradeStandardFile(path, suite);
  FileResult result;
  result.path = path;
  result.cases.resize(suite.cases.size());
  const SourceReadResult source = readSourceFile(path);
  if (!source.ok) {
    result.status = FileResult::Status::Unreadable;
    result.readError = source.error;
    return result;
  }
  AssembledProgram program = Assembler().assemble(source.lines);
  if (!program.runnable()) {
    result.status = FileResult::Status::CheckErrors;
    result.errorCount = program.errorCount;
    for (const EditorDiagnostic& error : editorDiagnostics(program)) {
      result.checkErrors.push_back(std::to_string(error.line) + ": " + error.message);
    }
    return result;
  }
  const LabelAddresses labels(program.source);
  for (std::size_t k = 0; k < suite.cases.size(); ++k) {
    result.cases[k] = runCase(program, labels, suite, suite.cases[k]);
  }
  return result;
}

std::vector<FileResult> gradeFiles(const std::vector<std::string>& paths, const TestSuite& suite,
                                   unsigned jobs) {
  std::vector<FileResult> results(paths.size());
  std::atomic<std::size_t> next = 0;
  const auto work = [&] {
    for (std::size_t k = next++; k < paths.size(); k = next++) {
      results[k] = gradeFile(paths[k], suite);
    }
  };
  const std::size_t threads =
      std::clamp<std::size_t>(jobs, 1, std::max<std::size_t>(paths.size(), 1));
  // A helper that cannot start (the browser build has no threads) leaves its
  // share to the others.
  std::vector<std::thread> helpers;
  try {
    for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(work);
  } catch (const std::system_error&) {
  }
  work();
  for (std::thread& helper : helpers) helper.join();
  return results;
}

}  // namespace casl2wb::cli
