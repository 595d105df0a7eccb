// The editor's text box for the program: line numbers in a margin on its
// left, the lines the last check found errors in marked there and in the
// text (with their messages shown when the mouse rests on them), breakpoints
// as red dots in the margin, the line of the step a replay shows, the fields
// of every line coloured, and keys that keep the fields in their columns:
// Tab moves on to the next field column with spaces or indents the selected
// lines, Shift+Tab takes an indent back.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <map>
#include <vector>

#include "assembler/source_parts.h"

namespace casl2wb {

class SourceHighlighter;

class SourceEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit SourceEdit(QWidget* parent = nullptr);

  // What the last check found: it read `linesRead` lines, and these lines
  // (counted from 1) have errors with these messages. The lines are followed
  // through later edits (a line added above moves them), until the next
  // check or clearCheck(). Both take the step's line away.
  void showCheck(int linesRead, const std::map<int, QStringList>& errorMessages);
  void clearCheck();
  // Where a line the last check read is now (counted from 1); the line
  // itself when the check did not read it.
  int currentLineOf(int checkedLine) const;
  // The line the last check read that is now the line `currentLine`; 0 when
  // the check read none there.
  int checkedLineAt(int currentLine) const;
  // The lines marked as having errors, in order.
  std::vector<int> errorLines() const;
  // The messages of the errors of the line (counted from 1) as it is now.
  QStringList errorMessagesOf(int line) const;

  // Puts the caret at the start of the line (counted from 1) and shows it.
  void goToLine(int line);
  // Goes to the next (or the previous) marked line after (before) the
  // caret's, around the end of the text; false when no line is marked.
  bool goToError(bool forward);

  // Breakpoints, on lines counted from 1: a click in the margin or F9 sets
  // or clears one. They follow their lines through edits; two that come
  // onto one line are one.
  void toggleBreakpoint(int line);
  // Breakpoints on these lines (those the text has) instead of the ones set.
  void setBreakpoints(const std::vector<int>& lines);
  void clearBreakpoints();
  // The lines with breakpoints as they are now, in order, each once.
  std::vector<int> breakpointLines() const;

  // The line (counted from 1) of the step the replay shows: it gets a
  // background of its own and is scrolled into view, while the caret, the
  // selection and the focus stay. 0 or a line the text does not have takes
  // it away. It follows edits.
  void showStepLine(int line);
  // 0 when no line is shown.
  int stepLine() const;

  // Replaces every tab of the text by spaces up to the next field column,
  // as one step to undo.
  void convertTabsToSpaces();

  // The margin's width in pixels.
  int lineNumberMarginWidth() const;

 signals:
  // A breakpoint was set or cleared (lines that move with edits do not
  // count).
  void breakpointsChanged();

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
  // The backgrounds of the error lines and of the step's line: the one place
  // that sets the extra selections, so that neither drops the other.
  void showLineBackgrounds();
  // The line (counted from 1) at `viewportY`; 0 below the last line.
  int lineAt(int viewportY) const;
  // Scrolls the block into the middle of the view unless all of it is shown.
  void scrollIntoView(const QTextBlock& block);
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
  // The start of each line with a breakpoint, as the user set them (two may
  // have come onto one line since).
  std::vector<QTextCursor> breakpoints_;
  // The start of the step's line; null when none is shown.
  QTextCursor stepLine_;
};

}  // namespace casl2wb
