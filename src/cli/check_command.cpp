#include "cli/check_command.h"

#include "cli/assembled_file.h"
#include "cli/command.h"
#include "cli/file_batch.h"

namespace casl2wb::cli {

int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  if (arguments.empty()) return exitUsage;
  for (const std::string& argument : arguments) {
    if (argument.starts_with("--")) return exitUsage;
  }
  return forEachFile(arguments, out, [&](const std::string& path) {
    AssembledFile file;
    if (!assembleFile(path, file, err)) return static_cast<int>(exitFailure);
    for (const std::string& item : file.messages.items) out << item << '\n';
    out.flush();
    return static_cast<int>(file.table.errorCount == 0 ? exitSuccess : exitErrorsFound);
  });
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
