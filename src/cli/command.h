// The commands of the text front end and what they share.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/front_end.h"

namespace casl2wb::cli {

// An option of a command: one that takes a value (named in the usage text by
// `valueName`), or a flag without one (an empty `valueName`).
struct CommandOption {
  std::string_view name;  // "--input"
  std::string_view valueName;
  std::string_view description;
  // Whether it may be given more than once (each value is kept).
  bool repeatable = false;

  bool takesValue() const { return !valueName.empty(); }
};

struct Command {
  std::string_view name;
  // The arguments after the command name, as shown in the usage text.
  std::vector<std::string_view> arguments;
  std::string_view summary;
  std::vector<CommandOption> options;
  // How the exit status differs from that of the other commands (empty:
  // it does not).
  std::string_view exitStatus;
  // Runs the command with its parsed arguments; wrong arguments are reported
  // on err in one line (usageError) and give exitFailure.
  int (*run)(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
};

}  // namespace casl2wb::cli
