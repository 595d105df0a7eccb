// The editor's error check: the editor text goes through the work file and
// comes back as the lines that are checked.
#pragma once

#include <string>

#include "source/caption_sink.h"
#include "source/checker.h"

namespace casl2wb {

// Captions shown on the file window while the work file is written and read.
inline constexpr const char* captionWriting = "書き込み中・・・";
inline constexpr const char* captionReading = "読み込み中・・・";
inline constexpr const char* captionIdle = "ファイル";

struct EditorCheckResult {
  bool ok = false;
  // The text read back from the work file, every line followed by CR LF.
  std::string editorText;
  // The system's error text when the work file could not be written or read.
  std::string error;
};

// Writes the editor text (UTF-8) to the work file with exactly one line end
// after it, reads the file back, and checks its lines. When the work file
// cannot be written or read, nothing is checked and the error is returned.
EditorCheckResult checkEditorText(const std::string& editorText, const std::string& workPath,
                                  CaptionSink& fileWindowCaption, SyntaxChecker& checker);

}  // namespace casl2wb
