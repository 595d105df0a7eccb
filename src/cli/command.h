// The commands of the text front end and what they share.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace casl2wb::cli {

inline constexpr std::string_view programName = "casl2wb-cli";

// Exit status of the front end.
enum ExitStatus : int {
  exitSuccess = 0,      // the command did its work and found no errors
  exitErrorsFound = 1,  // the program was checked and has errors
  exitFailure = 2,      // wrong arguments, or a file could not be read
};

struct Command {
  std::string_view name;
  // The arguments after the command name, as shown in the usage text.
  std::vector<std::string_view> arguments;
  std::string_view summary;
  // Runs the command with the arguments after its name; wrong arguments are
  // reported on err in one line (usageError) and give exitFailure.
  int (*run)(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};

}  // namespace casl2wb::cli
