#include "cli/standard_commands.h"

#include <algorithm>
#include <sstream>
#include <tuple>

#include "cli/execution_session.h"
#include "cli/file_batch.h"
#include "cli/front_end.h"
#include "cli/scripted_dialogs.h"
#include "documents/standard_texts.h"

namespace casl2wb::cli {

namespace {

// Reads and assembles the program; its status when it cannot be run: the
// check's list goes to err.
std::optional<int> notRunnable(const std::string& path, const DialectChoice& choice,
                               standard::Program& program, std::ostream& err) {
  if (!assembleStandardFiles(path, choice.links, program, err)) return exitFailure;
  if (program.runnable()) return std::nullopt;
  for (const std::string& line : standard::listingTexts(program)) err << line << '\n';
  return exitErrorsFound;
}

// The terminal of a run whose OUT lines are kept rather than written.
class KeptLines : public standard::Terminal {
 public:
  KeptLines(std::istream& input, std::vector<std::string>& lines) : input_(input), lines_(lines) {}
  std::optional<std::string> readLine() override { return nextInputLine(input_); }
  void writeLine(const std::string& utf8) override { lines_.push_back(utf8); }

 private:
  std::istream& input_;
  std::vector<std::string>& lines_;
};

}  // namespace

int checkStandard(const CommandArguments& parsed, const DialectChoice& choice, std::ostream& out,
                  std::ostream& err) {
  const bool onlyErrors = parsed.flag("--diagnostics");
  const auto checkOne = [&](const std::string& path) {
    standard::Program program;
    if (!assembleStandardFiles(path, choice.links, program, err))
      return static_cast<int>(exitFailure);
    if (onlyErrors) {
      for (const standard::LocatedError& error : standard::locatedErrors(program)) {
        out << error.file << ':' << error.line << ':' << error.column
            << ": エラー: " << error.message << '\n';
      }
    } else {
      for (const std::string& line : standard::listingTexts(program)) out << line << '\n';
    }
    out.flush();
    return static_cast<int>(program.diagnostics.empty() ? exitSuccess : exitErrorsFound);
  };
  if (onlyErrors) {
    int worst = exitSuccess;
    for (const std::string& path : parsed.positional) worst = std::max(worst, checkOne(path));
    return worst;
  }
  return forEachFile(parsed.positional, out, checkOne);
}

int traceStandard(const CommandArguments& parsed, const DialectChoice& choice, std::ostream& out,
                  std::ostream& err) {
  standard::Program program;
  if (const auto status = notRunnable(parsed.positional[0], choice, program, err)) return *status;
  for (const std::string& line : standard::codeListingTexts(program)) out << line << '\n';
  out.flush();
  return exitSuccess;
}

int runStandard(const CommandArguments& parsed, const DialectChoice& choice, long runs,
                std::ostream& out, std::ostream& err) {
  InputSource input;
  if (!input.open(parsed.option("--input"), err)) return exitFailure;
  return forEachFile(parsed.positional, out, [&](const std::string& path) {
    standard::Program program;
    if (const auto status = notRunnable(path, choice, program, err)) return *status;
    standard::Cpu cpu = standard::loadedCpu(program);
    ScriptedTerminal terminal(input.stream(), out);
    for (long k = 0; k < runs; ++k) {
      // A further run starts again at the entry with an empty stack, on the
      // memory and registers the one before left.
      cpu.pr = program.entry;
      cpu.sp = standard::memoryWords;
      out << standard::runEndText(standard::run(cpu, terminal, choice.stepLimit)) << '\n';
    }
    printPanel(standard::panelOf(cpu), out);
    out.flush();
    return static_cast<int>(exitSuccess);
  });
}

int replayStandard(const CommandArguments& parsed, const DialectChoice& choice,
                   std::optional<long> presses, std::ostream& out, std::ostream& err) {
  InputSource input;
  if (!input.open(parsed.option("--input"), err)) return exitFailure;
  standard::Program program;
  if (const auto status = notRunnable(parsed.positional[0], choice, program, err)) return *status;
  standard::Cpu cpu = standard::loadedCpu(program);
  const std::vector<std::uint16_t> loaded = cpu.memory;
  std::vector<std::string> outputLines;
  KeptLines terminal(input.stream(), outputLines);
  standard::StepRecord record;
  const standard::RunEnd end = standard::run(cpu, terminal, choice.stepLimit, &record);
  for (const std::string& line : outputLines) out << line << '\n';
  out << standard::runEndText(end) << '\n';

  // The memory as each step leaves it, made again from the loaded program.
  std::vector<std::uint16_t> memory = loaded;
  const long count = presses.value_or(static_cast<long>(record.steps.size()));
  std::size_t write = 0;
  for (long press = 1; press <= count; ++press) {
    out << ">> " << press << '\n';
    const auto k = static_cast<std::size_t>(press - 1);
    if (k >= record.steps.size()) {
      out << "（記録された最後のステップです）\n";
      continue;
    }
    const standard::Step& step = record.steps[k];
    for (; write < step.writesEnd; ++write) {
      memory[record.writes[write].address] = record.writes[write].after;
    }
    printPanel(standard::panelOf(step, memory), out);
    if (const auto place = program.lineAt(step.pr)) {
      out << "行：" << standard::placeText(program, *place) << '\n';
    }
    const std::size_t firstWrite = k == 0 ? 0 : record.steps[k - 1].writesEnd;
    for (std::size_t w = firstWrite; w < step.writesEnd; ++w) {
      const standard::MemoryWrite& change = record.writes[w];
      out << "書込：#" << hexText(change.address) << ' ' << hexText(change.before) << "→"
          << hexText(change.after) << '\n';
    }
  }
  out.flush();
  return exitSuccess;
}

int standardDocumentLines(const std::string& kind, const std::string& path,
                          const DialectChoice& choice, std::istream& input,
                          std::vector<std::string>& lines, std::ostream& err) {
  standard::Program program;
  if (kind == "list" || kind == "program") {
    if (!assembleStandardFiles(path, choice.links, program, err)) return exitFailure;
    lines = kind == "list" ? standard::listingTexts(program) : standard::codeListingTexts(program);
    return program.runnable() ? exitSuccess : exitErrorsFound;
  }
  if (const auto status = notRunnable(path, choice, program, err)) return *status;
  standard::Cpu cpu = standard::loadedCpu(program);
  std::vector<std::string> outputLines;
  KeptLines terminal(input, outputLines);
  standard::StepRecord record;
  const standard::RunEnd end = standard::run(cpu, terminal, choice.stepLimit, &record);
  lines = kind == "run" ? standard::runDocumentLines(program, outputLines, end, cpu)
                        : standard::cpuTraceLines(program, record, end);
  return exitSuccess;
}

}  // namespace casl2wb::cli
