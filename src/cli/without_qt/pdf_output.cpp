// PDF output in a build of the text front end without Qt: not available.
#include "cli/pdf_output.h"
#include "cli/command.h"

namespace casl2wb::cli {

bool writePdf(const std::string& path, const std::function<void(Printer&)>&, std::ostream& err) {
  err << programName << ": " << path << ": PDF output is not part of this build\n";
  return false;
}

}  // namespace casl2wb::cli
