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
  file.assembler.checker.translate = [&file] {
    file.translated = true;
    file.assembler.translator.translate();
  };
  file.assembler.checker.checkLines(source.lines);
  return true;
}

}  // namespace casl2wb::cli
