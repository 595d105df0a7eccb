#include "views/text_box_selection.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

namespace casl2wb {

QString TextBoxSelection::text() const { return box_.toPlainText(); }

qsizetype TextBoxSelection::selectionStart() const { return box_.textCursor().selectionStart(); }

qsizetype TextBoxSelection::selectionLength() const {
  const QTextCursor cursor = box_.textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

QString TextBoxSelection::selectedText() const {
  // The document's own selected text marks line ends as paragraph separators;
  // the plain text gives them as the newlines that the search sees.
  return text().mid(selectionStart(), selectionLength());
}

void TextBoxSelection::select(qsizetype start, qsizetype length) {
  const qsizetype end = box_.document()->characterCount() - 1;
  const qsizetype from = std::clamp<qsizetype>(start, 0, end);
  const qsizetype to = std::clamp<qsizetype>(start + length, from, end);
  QTextCursor cursor = box_.textCursor();
  cursor.setPosition(static_cast<int>(from));
  cursor.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
  box_.setTextCursor(cursor);
}

void TextBoxSelection::replaceSelection(const QString& replacement) {
  QTextCursor cursor = box_.textCursor();
  cursor.insertText(replacement);
  box_.setTextCursor(cursor);
}

void TextBoxSelection::focus() {
  box_.activateWindow();
  box_.setFocus(Qt::OtherFocusReason);
}

}  // namespace casl2wb
