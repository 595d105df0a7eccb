// The editor's error check through the work file.
#include "source/work_file.h"

#include "source/source_file.h"
#include "source/text.h"

namespace casl2wb {
namespace {

bool endsWithLineEnd(const std::string& text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

}  // namespace

EditorCheckResult checkEditorText(const std::string& editorText, const std::string& workPath,
                                  CaptionSink& fileWindowCaption, SyntaxChecker& checker) {
  EditorCheckResult result;

  fileWindowCaption.setCaption(captionWriting);
  // Passing the text through the decoder makes sure the work file holds valid
  // UTF-8, so that it is read back the way it was written.
  std::string fileText = toUtf8(fromUtf8(editorText));
  if (!endsWithLineEnd(fileText)) fileText += "\r\n";
  const FileWriteResult written = writeTextFile(workPath, fileText);
  fileWindowCaption.setCaption(captionIdle);
  if (!written.ok) {
    result.error = written.error;
    return result;
  }

  fileWindowCaption.setCaption(captionReading);
  const SourceReadResult read = readSourceFile(workPath);
  fileWindowCaption.setCaption(captionIdle);
  if (!read.ok) {
    result.error = read.error;
    return result;
  }

  Text text;
  for (const Text& line : read.lines) {
    text += line;
    text += U"\r\n";
  }
  result.editorText = toUtf8(text);
  result.ok = true;

  checker.checkLines(read.lines);
  return result;
}

}  // namespace casl2wb
