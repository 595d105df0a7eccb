// Several program files in one command: each file's output is preceded by a
// line naming it (when there is more than one), and the exit status is the
// worst of them.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace casl2wb::cli {

// The line that names a file in the output of several files.
std::string fileHeading(const std::string& path);

// Runs `one` on every file; its status for a file is one of exitSuccess,
// exitErrorsFound or exitFailure.
int forEachFile(const std::vector<std::string>& files, std::ostream& out,
                const std::function<int(const std::string&)>& one);

}  // namespace casl2wb::cli
