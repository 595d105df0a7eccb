#include "cli/assembled_file.h"

#include "assembler/assembler.h"
#include "assembler/listing_text.h"
#include "base/source_file.h"
#include "cli/command.h"

namespace casl2wb::cli {

bool assembleFile(const std::string& path, AssembledProgram& program, std::ostream& err) {
  const SourceReadResult source = readSourceFile(path);
  if (!source.ok) {
    err << programName << ": " << path << ": " << source.error << '\n';
    return false;
  }
  program = Assembler().assemble(source.lines);
  return true;
}

bool reportErrors(const AssembledProgram& program, std::ostream& err) {
  if (program.runnable()) return false;
  for (const ListingItem& item : program.listing) err << listingText(item) << '\n';
  return true;
}

}  // namespace casl2wb::cli
