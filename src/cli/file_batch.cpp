#include "cli/file_batch.h"

#include <algorithm>

#include "cli/command.h"

namespace casl2wb::cli {

std::string fileHeading(const std::string& path) { return "==> " + path + " <=="; }

int forEachFile(const std::vector<std::string>& files, std::ostream& out,
                const std::function<int(const std::string&)>& one) {
  int worst = exitSuccess;
  for (const std::string& file : files) {
    if (files.size() > 1) out << fileHeading(file) << '\n' << std::flush;
    worst = std::max(worst, one(file));
  }
  return worst;
}

}  // namespace casl2wb::cli
