#include "cli/standard_commands.h"

#include <algorithm>
#include <sstream>
#include <tuple>

#include "cli/execution_session.h"
#include "cli/file_batch.h"
#include "cli/front_end.h"
#include "cli/run_summary.h"
#include "cli/scripted_dialogs.h"
#include "documents/standard_texts.h"
#include "simulator/standard_session.h"

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
    ScriptedTerminal terminal(input.stream(), &out);
    standard::RunEnd end;
    for (long k = 0; k < runs; ++k) {
      // A further run starts again at the entry with an empty stack, on the
      // memory and registers the one before left.
      cpu.pr = program.entry;
      cpu.sp = standard::memoryWords;
      end = standard::run(cpu, terminal, choice.stepLimit);
      out << standard::runEndText(end) << '\n';
    }
    printPanel(standard::panelOf(cpu), out);
    out.flush();
    if (parsed.flag("--status")) printRunStatus(path, summaryOf(end), err);
    return static_cast<int>(exitSuccess);
  });
}

int replayStandard(const CommandArguments& parsed, const DialectChoice& choice,
                   std::optional<long> presses, std::ostream& out, std::ostream& err) {
  InputSource input;
  if (!input.open(parsed.option("--input"), err)) return exitFailure;
  standard::Session session;
  const standard::Program& program = session.program;
  if (const auto status = notRunnable(parsed.positional[0], choice, session.program, err)) {
    return *status;
  }
  ScriptedTerminal terminal(input.stream(), &out);
  session.run(terminal, choice.stepLimit);
  out << standard::runEndText(session.end) << '\n';

  // The memory as each step leaves it, made again from the loaded program
  // one step after the other.
  const standard::StepRecord& record = session.record;
  std::vector<std::uint16_t> memory = session.startMemory;
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
  standard::Session session;
  if (const auto status = notRunnable(path, choice, session.program, err)) return *status;
  ScriptedTerminal terminal(input, nullptr);
  session.run(terminal, choice.stepLimit);
  lines = kind == "run" ? standard::runDocumentLines(session.program, session.outputLines,
                                                     session.end, session.cpu)
                        : standard::cpuTraceLines(session.program, session.record, session.end);
  return exitSuccess;
}

}  // namespace casl2wb::cli
