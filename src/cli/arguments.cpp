#include "cli/arguments.h"

#include <algorithm>

#include "cli/command.h"

namespace casl2wb::cli {

std::optional<std::string> CommandArguments::option(std::string_view name) const {
  const auto found = options.find(name);
  if (found == options.end()) return std::nullopt;
  return found->second;
}

bool splitArguments(const std::vector<std::string>& arguments,
                    std::initializer_list<std::string_view> valueOptions, CommandArguments& parsed,
                    std::string& problem) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!argument.starts_with("--")) {
      parsed.positional.push_back(argument);
      continue;
    }
    if (std::find(valueOptions.begin(), valueOptions.end(), argument) == valueOptions.end()) {
      problem = "unknown option " + argument;
      return false;
    }
    if (i + 1 == arguments.size()) {
      problem = argument + " needs a value";
      return false;
    }
    if (!parsed.options.emplace(argument, arguments[++i]).second) {
      problem = argument + " is given twice";
      return false;
    }
  }
  return true;
}

std::optional<long> positiveNumber(std::string_view text, long largest) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != text.npos) {
    return std::nullopt;
  }
  const long value = std::stol(std::string(text));
  if (value < 1 || value > largest) return std::nullopt;
  return value;
}

int usageError(std::ostream& err, const std::string& problem) {
  err << programName << ": " << problem << " (" << programName << " --help for more)\n";
  return exitFailure;
}

}  // namespace casl2wb::cli
