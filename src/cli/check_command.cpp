#include "cli/check_command.h"

#include "cli/command.h"
#include "codegen/assembler.h"
#include "source/source_file.h"

namespace casl2wb::cli {

namespace {

// The state of one check and translation of a source file.
struct AssembledFile {
  SourceTable table;
  MemoryImage memory;
  VectorMessageList messages;
  StringTraceText trace;
  Assembler assembler{table, memory, messages, trace};
  bool translated = false;  // the check found no errors
};

// Reads and assembles the file; false (with the message on err) when the
// file cannot be read.
bool assembleFile(const std::string& path, AssembledFile& file, std::ostream& err) {
  const SourceReadResult source = readSourceFile(path);
  if (!source.ok) {
    err << programName << ": " << path << ": " << source.error << '\n';
    return false;
  }
  file.assembler.checker.translate = [&file] {
    file.translated = true;
    file.assembler.translator.translate();
  };
  file.assembler.checker.checkLines(source.lines);
  return true;
}

int exitStatusOf(const AssembledFile& file) {
  return file.table.errorCount == 0 ? exitSuccess : exitErrorsFound;
}

}  // namespace

int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  AssembledFile file;
  if (!assembleFile(arguments.at(0), file, err)) return exitFailure;
  for (const std::string& item : file.messages.items) out << item << '\n';
  out.flush();
  return exitStatusOf(file);
}

int runTraceCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  AssembledFile file;
  if (!assembleFile(arguments.at(0), file, err)) return exitFailure;
  if (!file.translated) return exitErrorsFound;
  // The trace text ends its lines with CR LF; the terminal gets LF.
  for (char c : file.trace.text) {
    if (c != '\r') out << c;
  }
  out.flush();
  return exitStatusOf(file);
}

}  // namespace casl2wb::cli
