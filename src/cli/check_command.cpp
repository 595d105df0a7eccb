#include "cli/check_command.h"

#include "cli/arguments.h"
#include "cli/assembled_file.h"
#include "cli/command.h"
#include "cli/file_batch.h"

namespace casl2wb::cli {

int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  CommandArguments parsed;
  std::string problem;
  if (!splitArguments(arguments, {}, parsed, problem)) return usageError(err, "check: " + problem);
  if (parsed.positional.empty()) return usageError(err, "check needs at least one FILE");
  return forEachFile(parsed.positional, out, [&](const std::string& path) {
    AssembledProgram program;
    if (!assembleFile(path, program, err)) return static_cast<int>(exitFailure);
    for (const std::string& item : program.messages) out << item << '\n';
    out.flush();
    return static_cast<int>(program.errorCount == 0 ? exitSuccess : exitErrorsFound);
  });
}

int runTraceCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  CommandArguments parsed;
  std::string problem;
  if (!splitArguments(arguments, {}, parsed, problem)) return usageError(err, "trace: " + problem);
  if (parsed.positional.size() != 1) return usageError(err, "trace needs exactly one FILE");
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
