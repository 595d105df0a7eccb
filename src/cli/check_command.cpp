#include "cli/check_command.h"

#include "cli/assembled_file.h"
#include "cli/command.h"

namespace casl2wb::cli {

int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  if (arguments.size() != 1) return exitUsage;
  AssembledFile file;
  if (!assembleFile(arguments[0], file, err)) return exitFailure;
  for (const std::string& item : file.messages.items) out << item << '\n';
  out.flush();
  return file.table.errorCount == 0 ? exitSuccess : exitErrorsFound;
}

int runTraceCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  if (arguments.size() != 1) return exitUsage;
  AssembledFile file;
  if (!assembleFile(arguments[0], file, err)) return exitFailure;
  if (!file.translated) return exitErrorsFound;
  // The trace text ends its lines with CR LF; the terminal gets LF.
  for (char c : file.trace.text) {
    if (c != '\r') out << c;
  }
  out.flush();
  return file.table.errorCount == 0 ? exitSuccess : exitErrorsFound;
}

}  // namespace casl2wb::cli
