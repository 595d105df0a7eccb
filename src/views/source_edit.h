// The editor's text box for the program: line numbers in a margin on its
// left, the lines the last check found errors in marked there and in the
// text, the fields of every line coloured, and a Tab key that moves on to
// the next field column with spaces.
#pragma once

#include <QPlainTextEdit>
#include <vector>

namespace casl2wb {

class SourceHighlighter;

// The columns (counted from 1) where the fields of a statement start in the
// example programs: label, operation, operand, comment. Past the last one
// the Tab key stops every `commentTabWidth` columns.
inline constexpr int fieldColumns[] = {1, 10, 19, 32};
inline constexpr int commentTabWidth = 8;

// The column the Tab key moves to from `column`.
int nextFieldColumn(int column);

class SourceEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit SourceEdit(QWidget* parent = nullptr);

  // Marks these lines (counted from 1) as having errors and unmarks all
  // others. A mark stays with its line while lines are added or removed
  // above it, until the next check or a new text.
  void markErrorLines(const std::vector<int>& lines);
  // The marked lines in order.
  std::vector<int> errorLines() const;

  // Puts the caret at the start of the line (counted from 1) and shows it.
  void goToLine(int line);

  // The margin's width in pixels.
  int lineNumberMarginWidth() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  class Margin;

  void paintMargin(QPaintEvent* event);
  void updateMarginWidth();
  void updateMargin(const QRect& rect, int dy);
  void showErrorLines();
  void insertSpacesToNextField();

  Margin* margin_ = nullptr;
  SourceHighlighter* highlighter_ = nullptr;
};

}  // namespace casl2wb
