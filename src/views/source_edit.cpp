#include "views/source_edit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>
#include <algorithm>
#include <iterator>

#include "views/object_names.h"
#include "views/source_highlighter.h"

namespace casl2wb {
namespace {

// The mark of a line with errors, kept by the line's block so that it moves
// with the line when lines are added or removed above it.
class ErrorMark : public QTextBlockUserData {};

bool hasErrorMark(const QTextBlock& block) {
  return dynamic_cast<const ErrorMark*>(block.userData()) != nullptr;
}

const QColor marginBackground(0xf2, 0xf2, 0xee);
const QColor numberColour(0x8c, 0x8c, 0x86);
const QColor errorMarkColour(0xc6, 0x28, 0x28);
const QColor errorLineBackground(0xfb, 0xe6, 0xe4);

constexpr int marginPadding = 6;  // pixels on either side of the numbers
constexpr int errorBarWidth = 3;  // the red bar at the margin's left edge
constexpr int minimumDigits = 4;  // room for a program's 1013 lines

}  // namespace

int nextFieldColumn(int column) {
  for (const int field : fieldColumns) {
    if (field > column) return field;
  }
  const int last = fieldColumns[std::size(fieldColumns) - 1];
  return last + ((column - last) / commentTabWidth + 1) * commentTabWidth;
}

class SourceEdit::Margin : public QWidget {
 public:
  explicit Margin(SourceEdit& editor) : QWidget(&editor), editor_(editor) {}
  QSize sizeHint() const override { return {editor_.lineNumberMarginWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { editor_.paintMargin(event); }

 private:
  SourceEdit& editor_;
};

SourceEdit::SourceEdit(QWidget* parent) : QPlainTextEdit(parent) {
  margin_ = new Margin(*this);
  margin_->setObjectName(QString::fromLatin1(object_names::lineNumberMargin));
  highlighter_ = new SourceHighlighter(document());

  // The find dialog keeps the focus while the text it found is selected
  // here: the selection looks the same whether this box has the focus or not.
  QPalette colours = palette();
  for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  }
  setPalette(colours);

  connect(this, &QPlainTextEdit::blockCountChanged, this, &SourceEdit::updateMarginWidth);
  connect(this, &QPlainTextEdit::updateRequest, this, &SourceEdit::updateMargin);
  // Marks follow their lines; a new text has none.
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!extraSelections().isEmpty()) showErrorLines();
  });
  updateMarginWidth();
}

int SourceEdit::lineNumberMarginWidth() const {
  int digits = 1;
  for (int count = std::max(1, blockCount()); count >= 10; count /= 10) ++digits;
  digits = std::max(digits, minimumDigits);
  return errorBarWidth + 2 * marginPadding +
         fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void SourceEdit::updateMarginWidth() {
  const int width = lineNumberMarginWidth();
  setViewportMargins(width, 0, 0, 0);
  const QRect area = contentsRect();
  margin_->setGeometry(area.left(), area.top(), width, area.height());
}

void SourceEdit::updateMargin(const QRect& rect, int dy) {
  if (dy != 0) {
    margin_->scroll(0, dy);
  } else {
    margin_->update(0, rect.y(), margin_->width(), rect.height());
  }
  if (rect.contains(viewport()->rect())) updateMarginWidth();
}

void SourceEdit::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  updateMarginWidth();
}

void SourceEdit::paintMargin(QPaintEvent* event) {
  QPainter painter(margin_);
  painter.fillRect(event->rect(), marginBackground);
  painter.setFont(font());
  const int width = margin_->width();
  const int lineHeight = fontMetrics().height();
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= event->rect().bottom()) {
    const int bottom = top + qRound(blockBoundingRect(block).height());
    if (block.isVisible() && bottom >= event->rect().top()) {
      const bool error = hasErrorMark(block);
      if (error) {
        painter.fillRect(0, top, width, bottom - top, errorLineBackground);
        painter.fillRect(0, top, errorBarWidth, bottom - top, errorMarkColour);
      }
      painter.setPen(error ? errorMarkColour : numberColour);
      painter.drawText(0, top, width - marginPadding, lineHeight, Qt::AlignRight,
                       QString::number(block.blockNumber() + 1));
    }
    block = block.next();
    top = bottom;
  }
}

void SourceEdit::markErrorLines(const std::vector<int>& lines) {
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    if (block.userData() != nullptr) block.setUserData(nullptr);
  }
  for (const int line : lines) {
    QTextBlock block = document()->findBlockByNumber(line - 1);
    if (block.isValid() && !hasErrorMark(block)) block.setUserData(new ErrorMark);
  }
  showErrorLines();
}

std::vector<int> SourceEdit::errorLines() const {
  std::vector<int> lines;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    if (hasErrorMark(block)) lines.push_back(block.blockNumber() + 1);
  }
  return lines;
}

// The marked lines get a pale red background across the whole width.
void SourceEdit::showErrorLines() {
  QList<QTextEdit::ExtraSelection> marks;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    if (!hasErrorMark(block)) continue;
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(block);
    mark.format.setBackground(errorLineBackground);
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    marks.append(mark);
  }
  setExtraSelections(marks);
  margin_->update();
}

void SourceEdit::goToLine(int line) {
  const QTextBlock block = document()->findBlockByNumber(line - 1);
  if (!block.isValid()) return;
  setTextCursor(QTextCursor(block));
  centerCursor();
  setFocus(Qt::OtherFocusReason);
}

void SourceEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Tab && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    insertSpacesToNextField();
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

// Spaces up to the next field column replace the selection. Columns count
// characters as the check does, so a character beyond the Basic
// Multilingual Plane is one column.
void SourceEdit::insertSpacesToNextField() {
  QTextCursor cursor = textCursor();
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  const QString before = cursor.block().text().left(cursor.positionInBlock());
  const int column = static_cast<int>(before.toUcs4().size()) + 1;
  cursor.insertText(QString(nextFieldColumn(column) - column, QLatin1Char(' ')));
  cursor.endEditBlock();
  setTextCursor(cursor);
}

}  // namespace casl2wb
