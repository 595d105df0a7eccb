// Usage and help texts of the text front end.
#pragma once

#include <span>
#include <string>

#include "cli/command.h"

namespace casl2wb::cli {

// The synopsis lines, starting with "usage: ".
std::string usageText(std::span<const Command> commands);
// The synopsis followed by one line per command and the exit statuses.
std::string helpText(std::span<const Command> commands);
// The help of one command (casl2wb-cli COMMAND --help): its synopsis, what
// it does and its options.
std::string commandHelpText(const Command& command);

}  // namespace casl2wb::cli
