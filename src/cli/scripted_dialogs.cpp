#include "cli/scripted_dialogs.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/command.h"

#include "base/source_file.h"

namespace casl2wb::cli {

bool InputSource::open(const std::optional<std::string>& path, std::ostream& err) {
  fromFile_ = path.has_value();
  if (!fromFile_) return true;
  file_.open(*path, std::ios::binary);
  if (file_) return true;
  err << programName << ": " << *path << ": " << std::strerror(errno) << '\n';
  return false;
}

std::istream& InputSource::stream() { return fromFile_ ? file_ : std::cin; }

std::optional<std::string> nextInputLine(std::istream& input) {
  // At the end of input every later line is missing too: no reading.
  if (!input) return std::nullopt;
  std::string line;
  if (!std::getline(input, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  // Input files may be UTF-8 or CP932, like source files.
  return toUtf8(decodeSourceBytes(line));
}

std::string ScriptedDialogs::inputBox(const std::string&, const std::string&, const std::string&) {
  return nextInputLine(input_).value_or("");
}

std::optional<std::string> ScriptedTerminal::readLine() { return nextInputLine(input_); }

void ScriptedTerminal::writeLine(const std::string& utf8) {
  if (out_ != nullptr) *out_ << utf8 << '\n';
}

void ScriptedDialogs::errorBox(const std::string& text) { notices_ << text << '\n'; }

}  // namespace casl2wb::cli
