#include "cli/arguments.h"

#include "cli/front_end.h"

namespace casl2wb::cli {

std::optional<std::string> CommandArguments::option(std::string_view name) const {
  const auto found = options.find(name);
  if (found == options.end()) return std::nullopt;
  return found->second;
}

std::vector<std::string> CommandArguments::values(std::string_view name) const {
  const auto found = repeated.find(name);
  return found == repeated.end() ? std::vector<std::string>() : found->second;
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
