// The arguments of one command of the text front end as the command line
// parser hands them over: its positional arguments (files, a kind) and the
// values of its options; and the one-line report of arguments that are
// wrong.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace casl2wb::cli {

struct CommandArguments {
  std::vector<std::string> positional;
  // "--input" -> its value; a flag that was given maps to the empty text.
  std::map<std::string, std::string, std::less<>> options;
  // The values of an option that may be repeated, in their order.
  std::map<std::string, std::vector<std::string>, std::less<>> repeated;

  std::optional<std::string> option(std::string_view name) const;
  bool flag(std::string_view name) const { return options.contains(name); }
  std::vector<std::string> values(std::string_view name) const;
};

// A whole number from 1 to `largest` written in decimal digits only.
std::optional<long> positiveNumber(std::string_view text, long largest);

// Writes "casl2wb-cli: PROBLEM (casl2wb-cli --help for more)" on err and
// gives the exit status of wrong arguments.
int usageError(std::ostream& err, const std::string& problem);

}  // namespace casl2wb::cli
