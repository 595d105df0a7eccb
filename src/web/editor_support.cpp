#include "web/editor_support.h"

#include <vector>

#include "assembler/source_parts.h"
#include "base/messages.h"
#include "base/source_file.h"

namespace casl2wb::web {

nlohmann::json sourcePartsOfLine(const std::string& utf8Line) {
  const Text text = fromUtf8(utf8Line);
  std::vector<int> units(text.size() + 1, 0);
  for (std::size_t at = 0; at < text.size(); ++at) {
    units[at + 1] = units[at] + (text[at] > 0xFFFF ? 2 : 1);
  }
  nlohmann::json parts = nlohmann::json::array();
  for (const SourcePartRun& run : sourcePartRuns(text)) {
    parts.push_back({static_cast<int>(run.part), units[run.start],
                     units[run.start + run.length] - units[run.start]});
  }
  return parts;
}

std::string editorTextOfFile(const std::string& bytes) {
  std::string text;
  for (const Text& line : splitSourceLines(decodeSourceBytes(bytes))) text += toUtf8(line) + "\n";
  return text;
}

std::string dropQuestion(const std::string& what, const std::string& fileName,
                         const std::string& loadedName) {
  const std::string unsaved = fileName.empty()
                                  ? formatMessage(Message::UnsavedNewText)
                                  : formatMessage(Message::UnsavedFileText, {fileName});
  return what == "load" ? formatMessage(Message::SaveBeforeLoad, {unsaved, loadedName})
                        : formatMessage(Message::SaveBeforeClear, {unsaved});
}

}  // namespace casl2wb::web
