// The editor's text box for the program: line numbers in a margin on its
// left, the lines the last check found errors in marked there and in the
// text (with their messages shown when the mouse rests on them), the fields
// of every line coloured, and keys that keep the fields in their columns:
// Tab moves on to the next field column with spaces or indents the selected
// lines, Shift+Tab takes an indent back.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <map>
#include <vector>

namespace casl2wb {

class SourceHighlighter;

// The columns (counted from 1) where the fields of a statement start in the
// example programs: label, operation, operand, comment. Past the last one
// the Tab key stops every `commentTabWidth` columns.
inline constexpr int fieldColumns[] = {1, 10, 19, 32};
inline constexpr int commentTabWidth = 8;

// The column the Tab key moves to from `column`, and the stop before
// `column` (1 at the most).
int nextFieldColumn(int column);
int previousFieldColumn(int column);

class SourceEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit SourceEdit(QWidget* parent = nullptr);

  // What the last check found: it read `linesRead` lines, and these lines
  // (counted from 1) have errors with these messages. The lines are followed
  // through later edits (a line added above moves them), until the next
  // check or clearCheck().
  void showCheck(int linesRead, const std::map<int, QStringList>& errorMessages);
  void clearCheck();
  // Where a line the last check read is now (counted from 1); the line
  // itself when the check did not read it.
  int currentLineOf(int checkedLine) const;
  // The lines marked as having errors, in order.
  std::vector<int> errorLines() const;
  // The messages of the errors of the line (counted from 1) as it is now.
  QStringList errorMessagesOf(int line) const;

  // Puts the caret at the start of the line (counted from 1) and shows it.
  void goToLine(int line);
  // Goes to the next (or the previous) marked line after (before) the
  // caret's, around the end of the text; false when no line is marked.
  bool goToError(bool forward);

  // Replaces every tab of the text by spaces up to the next field column,
  // as one step to undo.
  void convertTabsToSpaces();

  // The margin's width in pixels.
  int lineNumberMarginWidth() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  class Margin;

  void paintMargin(QPaintEvent* event);
  void updateMarginWidth();
  void updateMargin(const QRect& rect, int dy);
  // Blocks (counted from 0) of the marked lines as they are now, in order.
  std::vector<int> markedBlocks() const;
  void showErrorLines();
  // Shows the messages of the line at `viewportY` as a tool tip.
  bool showErrorTip(QEvent* event, int viewportY);
  void insertSpacesToNextField();
  // Indents the lines of the selection (or takes an indent back): every line
  // moves by the same number of columns, so that the leftmost text reaches
  // the next (previous) field column.
  void shiftSelectedLines(bool back);

  Margin* margin_ = nullptr;
  SourceHighlighter* highlighter_ = nullptr;
  // The start of each line the last check read (index: line - 1); a cursor
  // keeps its place in the text through edits.
  std::vector<QTextCursor> checkedLines_;
  std::map<int, QStringList> errorMessages_;
};

}  // namespace casl2wb
