// What the file window and the recovery copies need of the editor whose
// text they load, save and keep: the window, the text, the file it belongs
// to, whether it is saved, the question before it is dropped, the check of
// a loaded file, a restored text and the reports of file errors.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "base/source_file.h"
#include "base/text.h"

class QWidget;

namespace casl2wb {

class Dialogs;

// What is about to drop the editor's text.
enum class Dropping { End, Clear, Load, Restore };

class EditedText {
 public:
  virtual ~EditedText() = default;

  // The editor window, over which questions and reports stand.
  virtual QWidget& editorWidget() = 0;
  virtual Dialogs& dialogs() = 0;
  // Shows a message in the window's status line.
  virtual void showStatus(const QString& message) = 0;
  // The text, lines ended by newlines.
  virtual QString sourceText() const = 0;
  // The file the text was last loaded from or saved to (its bytes); empty
  // when there is none.
  virtual const std::string& textFile() const = 0;
  // The text was just loaded from or saved to this file (its bytes, and as
  // it is shown).
  virtual void setTextFile(const std::string& pathBytes, const QString& shownPath) = 0;
  // Whether the text differs from its file's, or holds anything while it has
  // no file.
  virtual bool hasUnsavedChanges() const = 0;
  // Puts a text that an ended program left into the editor, as the text of
  // `sourceFile` (its bytes; empty for none) with unsaved changes.
  virtual void restoreText(const QString& text, const std::string& sourceFile) = 0;
  // Puts a text that was just read from a file into the editor.
  virtual void showFileText(const QString& text) = 0;
  // Checks the lines and loads the program they make.
  virtual void checkLines(const std::vector<Text>& lines) = 0;
  // Asks first when the text is unsaved; true when the text may go.
  // `loadedPath` is the file about to be loaded.
  virtual bool mayDropText(Dropping what, const QString& loadedPath = {}) = 0;
  // Asks for a file name and writes the text there.
  virtual void saveAs() = 0;
  // Reports a file that could not be written or read over `parent`.
  virtual void reportWriteError(const QString& path, const std::string& reason,
                                QWidget* parent = nullptr) = 0;
  virtual void reportReadError(const QString& path, const SourceReadResult& read,
                               QWidget* parent = nullptr) = 0;
};

}  // namespace casl2wb
