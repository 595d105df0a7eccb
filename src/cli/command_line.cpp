#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <deque>
#include <optional>
#include <utility>

namespace casl2wb::cli {

namespace {

// A command as a CLI11 subcommand: its positional arguments and its options.
struct Subcommand {
  const Command* command = nullptr;
  CLI::App* app = nullptr;
  std::vector<std::string> positional;
  std::vector<std::pair<const CommandOption*, CLI::Option*>> options;
};

CommandLine wrong(std::string problem) {
  CommandLine line;
  line.kind = CommandLine::Kind::Wrong;
  line.problem = std::move(problem);
  return line;
}

// What is left over of the arguments: unknown options, or at the top level
// an unknown command. "--" only ends the options and is no problem.
std::optional<std::string> firstLeftOver(const CLI::App& app) {
  for (const std::string& item : app.remaining()) {
    if (item != "--") return item;
  }
  return std::nullopt;
}

// CLI11 names the option whose value is missing at the start of its message
// ("--runs: 1 required N missing").
std::string optionOfMismatch(const CLI::ArgumentMismatch& error) {
  const std::string text = error.what();
  const std::size_t colon = text.find(':');
  return colon == std::string::npos ? std::string() : text.substr(0, colon);
}

}  // namespace

CommandLine readCommandLine(std::span<const Command> commands,
                            const std::vector<std::string>& arguments) {
  CLI::App app("", std::string(programName));
  // --help and --version of the program are plain flags: they take no
  // further arguments, which is checked below.
  app.set_help_flag();
  app.allow_extras();
  app.require_subcommand(0, 1);
  CLI::Option* help = app.add_flag("--help");
  CLI::Option* version = app.add_flag("--version");

  // The subcommands keep pointers into their entries: no reallocation.
  std::deque<Subcommand> subcommands;
  for (const Command& command : commands) {
    Subcommand& sub = subcommands.emplace_back();
    sub.command = &command;
    sub.app = app.add_subcommand(std::string(command.name));
    sub.app->set_help_flag("--help");
    sub.app->allow_extras();
    sub.app->add_option("ARGUMENTS", sub.positional);
    for (const CommandOption& declared : command.options) {
      CLI::Option* option = declared.takesValue()
                                ? sub.app->add_option(std::string(declared.name))
                                      ->type_name(std::string(declared.valueName))
                                      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
                                : sub.app->add_flag(std::string(declared.name));
      sub.options.emplace_back(&declared, option);
    }
  }
  const auto parsedSubcommand = [&]() -> Subcommand* {
    for (Subcommand& sub : subcommands) {
      if (sub.app->parsed()) return &sub;
    }
    return nullptr;
  };

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    CommandLine line;
    line.kind = CommandLine::Kind::CommandHelp;
    if (const Subcommand* sub = parsedSubcommand()) line.command = sub->command;
    return line;
  } catch (const CLI::ArgumentMismatch& error) {
    const Subcommand* sub = parsedSubcommand();
    const std::string prefix = sub != nullptr ? std::string(sub->command->name) + ": " : "";
    const std::string option = optionOfMismatch(error);
    return wrong(prefix + (option.empty() ? std::string(error.what()) : option + " needs a value"));
  } catch (const CLI::ParseError& error) {
    const Subcommand* sub = parsedSubcommand();
    return wrong((sub != nullptr ? std::string(sub->command->name) + ": " : "") + error.what());
  }

  if (help->count() > 0 || version->count() > 0) {
    const bool helpFirst =
        arguments.front() == "--help" || (arguments.front() != "--version" && help->count() > 0);
    const std::string name = helpFirst ? "--help" : "--version";
    if (arguments.size() > 1) return wrong(name + " takes no further arguments");
    CommandLine line;
    line.kind = helpFirst ? CommandLine::Kind::Help : CommandLine::Kind::Version;
    return line;
  }
  if (const auto item = firstLeftOver(app)) {
    return wrong((item->starts_with("-") ? "unknown option " : "unknown command ") + *item);
  }
  Subcommand* sub = parsedSubcommand();
  if (sub == nullptr) return wrong("no command given");

  const std::string name(sub->command->name);
  if (const auto item = firstLeftOver(*sub->app)) return wrong(name + ": unknown option " + *item);
  CommandLine line;
  line.kind = CommandLine::Kind::Run;
  line.command = sub->command;
  line.arguments.positional = std::move(sub->positional);
  for (const auto& [declared, option] : sub->options) {
    if (option->count() == 0) continue;
    if (declared->repeatable) {
      line.arguments.repeated.emplace(declared->name, option->results());
      continue;
    }
    if (option->count() > 1) {
      return wrong(name + ": " + std::string(declared->name) + " is given twice");
    }
    line.arguments.options.emplace(
        declared->name, declared->takesValue() ? option->results().front() : std::string());
  }
  return line;
}

}  // namespace casl2wb::cli
