#include "cli/usage.h"

#include <algorithm>

namespace casl2wb::cli {
namespace {

std::string commandLine(const Command& command) {
  std::string line(command.name);
  for (std::string_view argument : command.arguments) {
    line += ' ';
    line += argument;
  }
  return line;
}

}  // namespace

std::string usageText(std::span<const Command> commands) {
  const std::string usage = "usage: ";
  const std::string indent(usage.size(), ' ');
  std::string text;
  for (const Command& command : commands) {
    text += (text.empty() ? usage : indent) + std::string(programName) + ' ' +
            commandLine(command) + '\n';
  }
  text += (text.empty() ? usage : indent) + std::string(programName) + " --help | --version\n";
  return text;
}

std::string helpText(std::span<const Command> commands) {
  std::size_t width = 0;
  for (const Command& command : commands) width = std::max(width, commandLine(command).size());

  std::string text = usageText(commands);
  text += "\nCommands:\n";
  for (const Command& command : commands) {
    const std::string line = commandLine(command);
    text += "  " + line + std::string(width - line.size() + 3, ' ') + std::string(command.summary) +
            '\n';
  }
  text +=
      "\nExit status: 0 no errors, 1 errors found, 2 wrong arguments or a file that cannot be "
      "read.\n";
  return text;
}

}  // namespace casl2wb::cli
