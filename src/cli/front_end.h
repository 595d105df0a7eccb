// The name of the text front end as its messages show it, and its exit
// statuses.
#pragma once

#include <string_view>

namespace casl2wb::cli {

inline constexpr std::string_view programName = "casl2wb-cli";

// Exit status of the front end.
enum ExitStatus : int {
  exitSuccess = 0,      // the command did its work and found no errors
  exitErrorsFound = 1,  // the program was checked and has errors
  exitFailure = 2,      // wrong arguments, or a file could not be read
};

}  // namespace casl2wb::cli
