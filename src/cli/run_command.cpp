#include "cli/run_command.h"

#include "cli/arguments.h"
#include "cli/assembled_file.h"
#include "cli/command.h"
#include "cli/dialect_choice.h"
#include "cli/execution_session.h"
#include "cli/file_batch.h"
#include "cli/run_summary.h"
#include "cli/scripted_dialogs.h"
#include "cli/standard_commands.h"

namespace casl2wb::cli {

namespace {

// Checks, translates and runs one file `runs` times; prints the execution
// list and the panel, or the message list on err when there are errors.
int runFile(const std::string& path, long runs, bool status, RunDialogs& dialogs, std::ostream& out,
            std::ostream& err) {
  ExecutionSession session(dialogs);
  if (!assembleFile(path, session.program, err)) return exitFailure;
  if (reportErrors(session.program, err)) return exitErrorsFound;
  session.machine.load(session.program);
  // The list is only ever added to during runs; its lines go out before
  // the panel.
  StreamMessageList list(out);
  RunListing listing(list);
  Simulator simulator(session.machine, listing, dialogs);
  for (long run = 0; run < runs; ++run) simulator.run();
  list.flush();
  printPanel(panelOf(session.machine.cpu()), out);
  out.flush();
  if (status) printRunStatus(path, summaryOf(session.machine), err);
  return exitSuccess;
}

}  // namespace

int runRunCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err) {
  if (parsed.positional.empty()) return usageError(err, "run needs at least one FILE");
  long runs = 1;
  if (const auto value = parsed.option("--runs")) {
    const auto number = positiveNumber(*value, 999999);
    if (!number) return usageError(err, "run: --runs takes a whole number from 1 to 999999");
    runs = *number;
  }
  const auto choice = readDialectChoice(parsed, "run", err);
  if (!choice) return exitFailure;
  if (choice->dialect == Dialect::Standard) return runStandard(parsed, *choice, runs, out, err);

  InputSource input;
  if (!input.open(parsed.option("--input"), err)) return exitFailure;
  ScriptedDialogs dialogs(input.stream(), err);
  return forEachFile(parsed.positional, out, [&](const std::string& path) {
    return runFile(path, runs, parsed.flag("--status"), dialogs, out, err);
  });
}

}  // namespace casl2wb::cli
