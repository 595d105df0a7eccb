// Runs a program as a whole process, the way a teacher's script starts it,
// with its input empty and its output thrown away.
#pragma once

#include <string>
#include <vector>

namespace casl2wb::bench {

// The program's exit status, or -1 when it could not start or did not exit.
int runQuietly(std::vector<std::string> arguments);

}  // namespace casl2wb::bench
