#include "cli/check_command.h"

#include <algorithm>

#include "assembler/assembler.h"
#include "assembler/listing_text.h"
#include "base/source_file.h"
#include "cli/assembled_file.h"
#include "cli/command.h"
#include "cli/dialect_choice.h"
#include "cli/editor_diagnostics.h"
#include "cli/file_batch.h"
#include "cli/standard_commands.h"

namespace casl2wb::cli {

namespace {

// The errors of one file, one line each and nothing else.
int printDiagnostics(const std::string& path, std::ostream& out, std::ostream& err) {
  const SourceReadResult source = readSourceFile(path);
  if (!source.ok) {
    err << programName << ": " << path << ": " << source.error << '\n';
    return exitFailure;
  }
  const AssembledProgram program = Assembler().assemble(source.lines);
  printEditorDiagnostics(path, editorDiagnostics(program), out);
  out.flush();
  return program.errorCount == 0 ? exitSuccess : exitErrorsFound;
}

}  // namespace

int runCheckCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err) {
  if (parsed.positional.empty()) return usageError(err, "check needs at least one FILE");
  const auto choice = readDialectChoice(parsed, "check", err);
  if (!choice) return exitFailure;
  if (choice->dialect == Dialect::Standard) return checkStandard(parsed, *choice, out, err);
  if (parsed.flag("--diagnostics")) {
    int worst = exitSuccess;
    for (const std::string& path : parsed.positional) {
      worst = std::max(worst, printDiagnostics(path, out, err));
    }
    return worst;
  }
  return forEachFile(parsed.positional, out, [&](const std::string& path) {
    AssembledProgram program;
    if (!assembleFile(path, program, err)) return static_cast<int>(exitFailure);
    for (const ListingItem& item : program.listing) out << listingText(item) << '\n';
    out.flush();
    return static_cast<int>(program.errorCount == 0 ? exitSuccess : exitErrorsFound);
  });
}

int runTraceCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err) {
  if (parsed.positional.size() != 1) return usageError(err, "trace needs exactly one FILE");
  const auto choice = readDialectChoice(parsed, "trace", err);
  if (!choice) return exitFailure;
  if (choice->dialect == Dialect::Standard) return traceStandard(parsed, *choice, out, err);
  AssembledProgram program;
  if (!assembleFile(parsed.positional[0], program, err)) return exitFailure;
  if (reportErrors(program, err)) return exitErrorsFound;
  // The trace text ends its lines with CR LF; the terminal gets LF.
  for (char c : program.traceText.value_or("")) {
    if (c != '\r') out << c;
  }
  out.flush();
  return exitSuccess;
}

}  // namespace casl2wb::cli
