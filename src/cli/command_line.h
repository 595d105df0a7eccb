// The command line of the text front end, read with CLI11: the command and
// its arguments, a call for help or for the version, or what is wrong.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"

namespace casl2wb::cli {

struct CommandLine {
  enum class Kind {
    Run,          // run `command` with `arguments`
    Help,         // casl2wb-cli --help
    CommandHelp,  // casl2wb-cli COMMAND ... --help
    Version,      // casl2wb-cli --version
    Wrong,        // `problem` says what is wrong
  };
  Kind kind = Kind::Wrong;
  const Command* command = nullptr;
  CommandArguments arguments;
  std::string problem;
};

// Reads the arguments after the program name. The problems are worded for
// usageError: "unknown option --fast", "run: --runs needs a value", ...
CommandLine readCommandLine(std::span<const Command> commands,
                            const std::vector<std::string>& arguments);

}  // namespace casl2wb::cli
