#include "cli/assembled_file.h"

#include "cli/command.h"
#include "source/source_file.h"

namespace casl2wb::cli {

bool assembleFile(const std::string& path, AssembledFile& file, std::ostream& err) {
  const SourceReadResult source = readSourceFile(path);
  if (!source.ok) {
    err << programName << ": " << path << ": " << source.error << '\n';
    return false;
  }
  file.assembler.checker.checkLines(source.lines);
  return true;
}

bool reportErrors(const AssembledFile& file, std::ostream& err) {
  // The translation runs only after a check without errors and adds its own
  // errors to the same count.
  if (file.table.errorCount == 0) return false;
  for (const std::string& item : file.messages.items) err << item << '\n';
  return true;
}

}  // namespace casl2wb::cli
