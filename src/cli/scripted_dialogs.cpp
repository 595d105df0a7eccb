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

std::string ScriptedDialogs::inputBox(const std::string&, const std::string&, const std::string&) {
  // At the end of input every later box is cancelled too: no reading.
  if (!input_) return "";
  std::string line;
  if (!std::getline(input_, line)) return "";
  if (!line.empty() && line.back() == '\r') line.pop_back();
  // Input files may be UTF-8 or CP932, like source files.
  return toUtf8(decodeSourceBytes(line));
}

void ScriptedDialogs::errorBox(const std::string& text) { notices_ << text << '\n'; }

}  // namespace casl2wb::cli
