#include "cli/replay_command.h"

#include <optional>

#include "cli/arguments.h"
#include "cli/assembled_file.h"
#include "cli/command.h"
#include "cli/dialect_choice.h"
#include "cli/execution_session.h"
#include "cli/scripted_dialogs.h"
#include "cli/standard_commands.h"
#include "documents/run_dumps.h"
#include "simulator/replay.h"

namespace casl2wb::cli {

namespace {

void printPress(long press, const ExecutionSession& session, const Text& trace,
                TraceRange selection, std::ostream& out) {
  out << ">> " << press << '\n';
  printPanel(session.panel, out);
  const SelectionPlace place = selectionPlace(trace, selection);
  out << "選択：" << place.line << ',' << place.column << ',' << place.length << '\n';
  for (const std::string& item : session.list.items) out << item << '\n';
}

}  // namespace

int runReplayCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err) {
  if (parsed.positional.size() != 1) return usageError(err, "replay needs exactly one FILE");
  std::optional<long> presses;
  if (const auto value = parsed.option("--presses")) {
    presses = positiveNumber(*value, 999999999);
    if (!presses) return usageError(err, "replay: --presses takes a positive whole number");
  }
  const auto choice = readDialectChoice(parsed, "replay", err);
  if (!choice) return exitFailure;
  if (choice->dialect == Dialect::Standard)
    return replayStandard(parsed, *choice, presses, out, err);

  InputSource input;
  if (!input.open(parsed.option("--input"), err)) return exitFailure;
  ScriptedDialogs dialogs(input.stream(), err);
  ExecutionSession session(dialogs);
  if (!assembleFile(parsed.positional[0], session.program, err)) return exitFailure;
  if (reportErrors(session.program, err)) return exitErrorsFound;
  session.machine.load(session.program);
  session.simulator.run();
  session.panel = panelOf(session.machine.cpu());

  // The trace window's text as the translation set it: nothing selected yet.
  const Text trace = fromUtf8(session.program.traceText.value_or(""));
  TraceRange selection;
  Replay replay(session.machine);
  const long count = presses.value_or(session.machine.record().recordedSteps());
  for (long press = 1; press <= count; ++press) {
    if (const auto step = replay.forward(trace, selection)) {
      session.panel = step->panel;
      selection = step->traceSelection;
      showStepMemory(session.machine, step->slot + 1, session.list);
    }
    printPress(press, session, trace, selection, out);
  }
  out.flush();
  return exitSuccess;
}

}  // namespace casl2wb::cli
