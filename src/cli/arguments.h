// The arguments of one command of the text front end: its positional
// arguments (files, a kind) and the values of its options, and the one-line
// report of arguments that are wrong.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace casl2wb::cli {

struct CommandArguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string, std::less<>> options;  // "--input" -> its value

  std::optional<std::string> option(std::string_view name) const;
};

// Splits `arguments` into positional ones and the options named in
// `valueOptions`, each of which takes the next argument as its value and may
// be given once. Anything else starting with "--" is an unknown option. On
// failure `problem` says what is wrong.
bool splitArguments(const std::vector<std::string>& arguments,
                    std::initializer_list<std::string_view> valueOptions, CommandArguments& parsed,
                    std::string& problem);

// A whole number from 1 to `largest` written in decimal digits only.
std::optional<long> positiveNumber(std::string_view text, long largest);

// Writes "casl2wb-cli: PROBLEM (casl2wb-cli --help for more)" on err and
// gives the exit status of wrong arguments.
int usageError(std::ostream& err, const std::string& problem);

}  // namespace casl2wb::cli
