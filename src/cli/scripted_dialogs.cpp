#include "cli/scripted_dialogs.h"

#include <string>

#include "source/source_file.h"

namespace casl2wb::cli {

std::string ScriptedDialogs::inputBox(const std::string&, const std::string&, const std::string&) {
  std::string line;
  if (!std::getline(input_, line)) return "";
  if (!line.empty() && line.back() == '\r') line.pop_back();
  // Input files may be UTF-8 or CP932, like source files.
  return toUtf8(decodeSourceBytes(line));
}

void ScriptedDialogs::errorBox(const std::string& text, const std::string&) {
  notices_ << text << '\n';
}

}  // namespace casl2wb::cli
