// The editor's text box as the find and replace dialogs use it: its text,
// its selection as a start and a length in characters, and the focus.
#pragma once

#include <QString>

class QPlainTextEdit;

namespace casl2wb {

class TextBoxSelection {
 public:
  explicit TextBoxSelection(QPlainTextEdit& box) : box_(box) {}

  QString text() const;
  qsizetype selectionStart() const;
  qsizetype selectionLength() const;
  QString selectedText() const;
  void select(qsizetype start, qsizetype length);
  // Replaces the selection; the caret ends after the new text.
  void replaceSelection(const QString& replacement);
  // Gives the text box (and its window) the input focus.
  void focus();

 private:
  QPlainTextEdit& box_;
};

}  // namespace casl2wb
