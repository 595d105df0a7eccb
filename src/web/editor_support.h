// What the page's editor asks of the core: the coloured parts of a line and
// the columns the Tab key stops at, the same as the desktop editor's.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace casl2wb::web {

// The parts of a line (UTF-8) as [part, start, length] in UTF-16 units (as
// the page's strings count): part 0 label, 1 operation, 2 operand, 3 literal,
// 4 the rest of the line.
nlohmann::json sourcePartsOfLine(const std::string& utf8Line);

// The editor's text of a file's bytes (UTF-8 or CP932), every line ended by
// LF, as the desktop editor shows a file it opens.
std::string editorTextOfFile(const std::string& bytes);

// The question before text that differs from its file is dropped, as the
// desktop asks it: before "clear" (画面消去) or "load" (a file opened,
// `loadedName`); `fileName` is the text's file, empty for a new text.
std::string dropQuestion(const std::string& what, const std::string& fileName,
                         const std::string& loadedName);

}  // namespace casl2wb::web
