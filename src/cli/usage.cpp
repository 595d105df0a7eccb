#include "cli/usage.h"

#include <algorithm>

#include "base/display_width.h"

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

std::string optionLine(const CommandOption& option) {
  std::string line(option.name);
  if (option.takesValue()) {
    line += ' ';
    line += option.valueName;
  }
  return line;
}

const std::string exitStatusText =
    "Exit status: 0 no errors, 1 errors found, 2 wrong arguments or a file that cannot be "
    "read.\n";

// Synopses longer than this have their summary on a line of its own.
constexpr std::size_t longestSynopsisBesideItsSummary = 50;

// Appends `text` cut at spaces into lines of at most 79 columns, each line
// after the first indented by `indent` columns; `used` columns of the first
// line are taken already.
void appendWrapped(std::string& out, std::string_view text, std::size_t indent, std::size_t used) {
  constexpr std::size_t width = 79;
  std::size_t column = used;
  bool lineStart = true;
  while (!text.empty()) {
    const std::size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
    if (!lineStart && column + 1 + displayWidth(word) > width) {
      out += '\n' + std::string(indent, ' ');
      column = indent;
      lineStart = true;
    }
    if (!lineStart) {
      out += ' ';
      ++column;
    }
    out += word;
    column += displayWidth(word);
    lineStart = false;
  }
  out += '\n';
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
  for (const Command& command : commands) {
    const std::size_t size = commandLine(command).size();
    if (size <= longestSynopsisBesideItsSummary) width = std::max(width, size);
  }

  std::string text = usageText(commands);
  text += "\nCommands:\n";
  for (const Command& command : commands) {
    const std::string line = commandLine(command);
    text += "  " + line;
    if (line.size() > width) text += '\n' + std::string(width + 2, ' ');
    text += std::string(width + 3 - std::min(line.size(), width), ' ');
    text += std::string(command.summary) + '\n';
  }
  text += "\n" + std::string(programName) + " COMMAND --help shows the options of a command.\n";
  text += "\n" + exitStatusText;
  for (const Command& command : commands) {
    if (!command.exitStatus.empty()) {
      text += std::string(command.name) + ": " + std::string(command.exitStatus) + '\n';
    }
  }
  return text;
}

std::string commandHelpText(const Command& command) {
  std::string text = "usage: " + std::string(programName) + ' ' + commandLine(command) + "\n\n";
  appendWrapped(text, command.summary, 0, 0);
  text += "\nOptions:\n";
  const CommandOption help{"--help", "", "show this help"};
  std::size_t width = optionLine(help).size();
  for (const CommandOption& option : command.options) {
    width = std::max(width, optionLine(option).size());
  }
  const auto add = [&](const CommandOption& option) {
    const std::string line = "  " + optionLine(option);
    text += line + std::string(width + 5 - line.size(), ' ');
    appendWrapped(text, option.description, width + 5, width + 5);
  };
  for (const CommandOption& option : command.options) add(option);
  add(help);
  text += '\n';
  if (command.exitStatus.empty()) {
    appendWrapped(text, exitStatusText.substr(0, exitStatusText.size() - 1), 0, 0);
  } else {
    appendWrapped(text, "Exit status: " + std::string(command.exitStatus), 0, 0);
  }
  return text;
}

}  // namespace casl2wb::cli
