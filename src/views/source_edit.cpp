#include "views/source_edit.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <iterator>

#include "views/object_names.h"
#include "views/source_highlighter.h"

namespace casl2wb {
namespace {

const QColor marginBackground(0xf2, 0xf2, 0xee);
const QColor numberColour(0x8c, 0x8c, 0x86);
const QColor errorMarkColour(0xc6, 0x28, 0x28);
const QColor errorLineBackground(0xfb, 0xe6, 0xe4);
const QColor breakpointColour(0xe5, 0x39, 0x35);
const QColor stepLineBackground(0xff, 0xf0, 0xb3);

constexpr int marginPadding = 6;  // pixels on either side of the numbers
constexpr int errorBarWidth = 3;  // the red bar at the margin's left edge
constexpr int minimumDigits = 4;  // room for a program's 1013 lines
// The breakpoint dots stand in a column of their own right of the bar, as
// wide as a line is high, so that they never cover a number.
constexpr double breakpointDiameter = 0.65;  // of the line's height

// The columns of the text, as the check counts them: a character beyond
// the Basic Multilingual Plane is one column.
int columnsOf(QStringView text) {
  int columns = 0;
  for (qsizetype i = 0; i < text.size(); ++i) columns += !text[i].isLowSurrogate();
  return columns;
}

// Each tab of the line: its place, and the spaces up to the next field
// column that replace it.
std::vector<std::pair<qsizetype, int>> tabsOf(const QString& line) {
  std::vector<std::pair<qsizetype, int>> tabs;
  int column = 1;
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (line[i] != QLatin1Char('\t')) {
      column += !line[i].isLowSurrogate();
      continue;
    }
    const int spaces = nextFieldColumn(column) - column;
    tabs.emplace_back(i, spaces);
    column += spaces;
  }
  return tabs;
}

qsizetype leadingSpaces(const QString& text) {
  qsizetype count = 0;
  while (count < text.size() && text[count] == QLatin1Char(' ')) ++count;
  return count;
}

}  // namespace

class SourceEdit::Margin : public QWidget {
 public:
  explicit Margin(SourceEdit& editor) : QWidget(&editor), editor_(editor) {}
  QSize sizeHint() const override { return {editor_.lineNumberMarginWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { editor_.paintMargin(event); }
  // The margin and the text area share their top edge: a y of one is a y of
  // the other.
  void mousePressEvent(QMouseEvent* event) override {
    const int line = editor_.lineAt(qRound(event->position().y()));
    if (event->button() == Qt::LeftButton && line > 0) editor_.toggleBreakpoint(line);
    event->accept();
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ToolTip) {
      return editor_.showErrorTip(event, static_cast<QHelpEvent*>(event)->pos().y());
    }
    return QWidget::event(event);
  }

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
  // Marks follow their lines.
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!errorMessages_.empty() || !stepLine_.isNull()) showLineBackgrounds();
  });
  updateMarginWidth();
}

int SourceEdit::lineNumberMarginWidth() const {
  int digits = 1;
  for (int count = std::max(1, blockCount()); count >= 10; count /= 10) ++digits;
  digits = std::max(digits, minimumDigits);
  return errorBarWidth + fontMetrics().height() + 2 * marginPadding +
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
  painter.setRenderHint(QPainter::Antialiasing);
  const std::vector<int> marked = markedBlocks();
  const std::vector<int> breakpoints = breakpointLines();
  const double dotRadius = breakpointDiameter * lineHeight / 2;
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= event->rect().bottom()) {
    const int bottom = top + qRound(blockBoundingRect(block).height());
    if (block.isVisible() && bottom >= event->rect().top()) {
      const bool error = std::binary_search(marked.begin(), marked.end(), block.blockNumber());
      if (error) {
        painter.fillRect(0, top, width, bottom - top, errorLineBackground);
        painter.fillRect(0, top, errorBarWidth, bottom - top, errorMarkColour);
      }
      const int line = block.blockNumber() + 1;
      if (std::binary_search(breakpoints.begin(), breakpoints.end(), line)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(breakpointColour);
        painter.drawEllipse(QPointF(errorBarWidth + lineHeight / 2.0, top + lineHeight / 2.0),
                            dotRadius, dotRadius);
      }
      painter.setPen(error ? errorMarkColour : numberColour);
      painter.drawText(0, top, width - marginPadding, lineHeight, Qt::AlignRight,
                       QString::number(line));
    }
    block = block.next();
    top = bottom;
  }
}

void SourceEdit::showCheck(int linesRead, const std::map<int, QStringList>& errorMessages) {
  checkedLines_.clear();
  checkedLines_.reserve(static_cast<std::size_t>(std::max(linesRead, 0)));
  QTextBlock block = document()->begin();
  for (int line = 1; line <= linesRead && block.isValid(); ++line, block = block.next()) {
    checkedLines_.emplace_back(block);
  }
  errorMessages_ = errorMessages;
  stepLine_ = QTextCursor();
  showLineBackgrounds();
}

void SourceEdit::clearCheck() {
  checkedLines_.clear();
  errorMessages_.clear();
  stepLine_ = QTextCursor();
  showLineBackgrounds();
}

int SourceEdit::currentLineOf(int checkedLine) const {
  if (checkedLine < 1 || static_cast<std::size_t>(checkedLine) > checkedLines_.size()) {
    return checkedLine;
  }
  return checkedLines_[static_cast<std::size_t>(checkedLine - 1)].blockNumber() + 1;
}

// Deleting a line brings the start of the next onto its start: of the
// checked lines whose starts stand first in the line, the last is the one
// whose text is there. A checked line joined to the end of another starts
// further in.
int SourceEdit::checkedLineAt(int currentLine) const {
  int found = 0;
  int foundPosition = 0;
  for (std::size_t i = 0; i < checkedLines_.size(); ++i) {
    const QTextCursor& start = checkedLines_[i];
    if (start.blockNumber() + 1 != currentLine) continue;
    if (found == 0 || start.position() <= foundPosition) {
      found = static_cast<int>(i) + 1;
      foundPosition = start.position();
    }
  }
  return found;
}

std::vector<int> SourceEdit::markedBlocks() const {
  std::vector<int> blocks;
  for (const auto& [line, messages] : errorMessages_) blocks.push_back(currentLineOf(line) - 1);
  std::sort(blocks.begin(), blocks.end());
  blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
  return blocks;
}

std::vector<int> SourceEdit::errorLines() const {
  std::vector<int> lines = markedBlocks();
  for (int& line : lines) ++line;
  return lines;
}

QStringList SourceEdit::errorMessagesOf(int line) const {
  QStringList messages;
  for (const auto& [checked, texts] : errorMessages_) {
    if (currentLineOf(checked) == line) messages += texts;
  }
  return messages;
}

// The marked lines get a pale red background across the whole width, the
// step's line a yellow one, painted last so that it shows on a marked line.
void SourceEdit::showLineBackgrounds() {
  QList<QTextEdit::ExtraSelection> backgrounds;
  const auto add = [&backgrounds](const QTextBlock& block, const QColor& colour) {
    QTextEdit::ExtraSelection line;
    line.cursor = QTextCursor(block);
    line.format.setBackground(colour);
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    backgrounds.append(line);
  };
  for (const int number : markedBlocks()) {
    add(document()->findBlockByNumber(number), errorLineBackground);
  }
  if (!stepLine_.isNull()) add(stepLine_.block(), stepLineBackground);
  setExtraSelections(backgrounds);
  margin_->update();
}

int SourceEdit::lineAt(int viewportY) const {
  const QTextBlock block = cursorForPosition(QPoint(0, viewportY)).block();
  const QRectF shown = blockBoundingGeometry(block).translated(contentOffset());
  return viewportY < shown.bottom() ? block.blockNumber() + 1 : 0;
}

void SourceEdit::toggleBreakpoint(int line) {
  const QTextBlock block = document()->findBlockByNumber(line - 1);
  if (!block.isValid()) return;
  const auto onLine = [&block](const QTextCursor& start) { return start.block() == block; };
  if (std::erase_if(breakpoints_, onLine) == 0) breakpoints_.emplace_back(block);
  margin_->update();
  emit breakpointsChanged();
}

void SourceEdit::setBreakpoints(const std::vector<int>& lines) {
  const std::vector<int> before = breakpointLines();
  breakpoints_.clear();
  for (const int line : lines) {
    const QTextBlock block = document()->findBlockByNumber(line - 1);
    if (block.isValid()) breakpoints_.emplace_back(block);
  }
  margin_->update();
  if (breakpointLines() != before) emit breakpointsChanged();
}

void SourceEdit::clearBreakpoints() { setBreakpoints({}); }

std::vector<int> SourceEdit::breakpointLines() const {
  std::vector<int> lines;
  lines.reserve(breakpoints_.size());
  for (const QTextCursor& start : breakpoints_) lines.push_back(start.blockNumber() + 1);
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  return lines;
}

void SourceEdit::showStepLine(int line) {
  const QTextBlock block = document()->findBlockByNumber(line - 1);
  stepLine_ = line > 0 && block.isValid() ? QTextCursor(block) : QTextCursor();
  showLineBackgrounds();
  if (!stepLine_.isNull()) scrollIntoView(block);
}

int SourceEdit::stepLine() const { return stepLine_.isNull() ? 0 : stepLine_.blockNumber() + 1; }

// Moves the scroll bar, not the caret: the user's place and selection stay.
// The vertical scroll bar counts the lines of the layout.
void SourceEdit::scrollIntoView(const QTextBlock& block) {
  const QRectF shown = blockBoundingGeometry(block).translated(contentOffset());
  if (shown.top() >= 0 && shown.bottom() <= viewport()->height()) return;
  const int linesShown = viewport()->height() / std::max(1, fontMetrics().height());
  verticalScrollBar()->setValue(block.firstLineNumber() - linesShown / 2);
}

bool SourceEdit::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    return showErrorTip(event, static_cast<QHelpEvent*>(event)->pos().y());
  }
  return QPlainTextEdit::viewportEvent(event);
}

bool SourceEdit::showErrorTip(QEvent* event, int viewportY) {
  const int line = cursorForPosition(QPoint(0, viewportY)).blockNumber() + 1;
  const QStringList messages = errorMessagesOf(line);
  if (messages.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                       messages.join(QLatin1Char('\n')), this);
  }
  return true;
}

void SourceEdit::goToLine(int line) {
  const QTextBlock block = document()->findBlockByNumber(line - 1);
  if (!block.isValid()) return;
  setTextCursor(QTextCursor(block));
  centerCursor();
  setFocus(Qt::OtherFocusReason);
}

bool SourceEdit::goToError(bool forward) {
  const std::vector<int> marked = markedBlocks();
  if (marked.empty()) return false;
  const int caret = textCursor().blockNumber();
  int target = forward ? marked.front() : marked.back();
  if (forward) {
    const auto next = std::upper_bound(marked.begin(), marked.end(), caret);
    if (next != marked.end()) target = *next;
  } else {
    const auto next = std::lower_bound(marked.begin(), marked.end(), caret);
    if (next != marked.begin()) target = *std::prev(next);
  }
  goToLine(target + 1);
  return true;
}

void SourceEdit::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Tab && modifiers == Qt::NoModifier) {
    const QTextCursor cursor = textCursor();
    const bool severalLines = document()->findBlock(cursor.selectionStart()) !=
                              document()->findBlock(cursor.selectionEnd());
    if (severalLines) {
      shiftSelectedLines(false);
    } else {
      insertSpacesToNextField();
    }
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Backtab) {
    shiftSelectedLines(true);
    event->accept();
    return;
  }
  // Alt with a key is an access key of a menu or nothing, never a letter of
  // the program (Ctrl+Alt stands for AltGr on some keyboards).
  if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
      !event->text().isEmpty()) {
    event->ignore();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

// Spaces up to the next field column replace the selection.
void SourceEdit::insertSpacesToNextField() {
  QTextCursor cursor = textCursor();
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  const int column = columnsOf(cursor.block().text().left(cursor.positionInBlock())) + 1;
  cursor.insertText(QString(nextFieldColumn(column) - column, QLatin1Char(' ')));
  cursor.endEditBlock();
  setTextCursor(cursor);
}

void SourceEdit::shiftSelectedLines(bool back) {
  QTextCursor cursor = textCursor();
  const QTextBlock first = document()->findBlock(cursor.selectionStart());
  QTextBlock last = document()->findBlock(cursor.selectionEnd());
  // A selection that ends at the start of a line leaves that line alone.
  if (last != first && cursor.selectionEnd() == last.position()) last = last.previous();
  const QTextBlock end = last.next();

  // The leftmost column where a line's text starts; blank lines do not count.
  int leftmost = 0;
  for (QTextBlock block = first; block != end; block = block.next()) {
    const QString text = block.text();
    const qsizetype spaces = leadingSpaces(text);
    if (spaces == text.size()) continue;
    const int column = static_cast<int>(spaces) + 1;
    leftmost = leftmost == 0 ? column : std::min(leftmost, column);
  }
  if (leftmost == 0) leftmost = 1;
  const int step =
      back ? leftmost - previousFieldColumn(leftmost) : nextFieldColumn(leftmost) - leftmost;

  cursor.beginEditBlock();
  for (QTextBlock block = first; block != end; block = block.next()) {
    const QString text = block.text();
    const qsizetype spaces = leadingSpaces(text);
    cursor.setPosition(block.position());
    if (back) {
      cursor.setPosition(block.position() + static_cast<int>(std::min<qsizetype>(spaces, step)),
                         QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
    } else if (spaces < text.size()) {
      cursor.insertText(QString(step, QLatin1Char(' ')));
    }
  }
  cursor.endEditBlock();
  // The lines stay selected, so that the key can be pressed again.
  cursor.setPosition(first.position());
  cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

// Each tab is replaced on its own, from the right, so that the marks of the
// check and the undo history keep their places.
void SourceEdit::convertTabsToSpaces() {
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const auto tabs = tabsOf(block.text());
    for (auto tab = tabs.rbegin(); tab != tabs.rend(); ++tab) {
      cursor.setPosition(block.position() + static_cast<int>(tab->first));
      cursor.setPosition(cursor.position() + 1, QTextCursor::KeepAnchor);
      cursor.insertText(QString(tab->second, QLatin1Char(' ')));
    }
  }
  cursor.endEditBlock();
}

}  // namespace casl2wb
