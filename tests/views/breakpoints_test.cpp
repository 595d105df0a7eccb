// The editor's breakpoints (set and cleared by a click in the margin or F9,
// painted as dots, following their lines, dropped with the text), the line
// of the step a replay shows, and the way back from a line to the line the
// last check read.
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <functional>
#include <utility>

#include "editor_fixture.h"
#include "views/source_edit.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;
using Lines = std::vector<int>;

const QString fourLines = QStringLiteral("L1\nL2\nL3\nL4\n");

QString helloText() { return readFile(QStringLiteral(CASL2WB_EXAMPLES "/hello.txt")); }

QString numberedLines(int count) {
  QString text;
  for (int line = 1; line <= count; ++line) text += QStringLiteral("L%1\n").arg(line);
  return text;
}

class BreakpointsTest : public EditorFixture {
 protected:
  SourceEdit* box() const { return child<SourceEdit>(names::sourceEdit); }
  QWidget* margin() const { return child<QWidget>(names::lineNumberMargin); }
  Lines breakpoints() const { return box()->breakpointLines(); }

  // The line's rectangle in the text area, whose top is the margin's too.
  QRect marginRow(int line) const {
    const QTextBlock block = box()->document()->findBlockByNumber(line - 1);
    return box()->cursorRect(QTextCursor(block));
  }
  void clickMargin(int y, Qt::MouseButton button = Qt::LeftButton) const {
    const QPoint at(margin()->width() / 2, y);
    QMouseEvent press(QEvent::MouseButtonPress, at, margin()->mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(margin(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, margin()->mapToGlobal(at), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(margin(), &release);
  }
  // Replaces `length` characters from `start`, as typing over a selection does.
  void edit(int start, int length, const QString& replacement) const {
    QTextCursor cursor(box()->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    cursor.insertText(replacement);
  }
  // The lines with a background of their own and its colour, in the order
  // they are painted.
  std::vector<std::pair<int, QRgb>> lineBackgrounds() const {
    std::vector<std::pair<int, QRgb>> lines;
    for (const QTextEdit::ExtraSelection& selection : box()->extraSelections()) {
      EXPECT_TRUE(selection.format.property(QTextFormat::FullWidthSelection).toBool());
      lines.emplace_back(selection.cursor.blockNumber() + 1,
                         selection.format.background().color().rgb());
    }
    return lines;
  }
  bool lineInView(int line) const { return box()->viewport()->rect().contains(marginRow(line)); }
};

TEST_F(BreakpointsTest, AMarginClickOrF9SetsAndClearsTheBreakpointOfALine) {
  box()->setPlainText(QStringLiteral("PRG START\n RET\n END\n"));
  QApplication::processEvents();
  QSignalSpy changes(box(), &SourceEdit::breakpointsChanged);
  enum class How { Click, RightClick, F9 };
  struct Step {
    How how;
    int line;  // 0: below the last line
    Lines expected;
  };
  const Step steps[] = {
      {How::Click, 2, {2}}, {How::Click, 3, {2, 3}}, {How::Click, 2, {3}},
      {How::F9, 1, {1, 3}}, {How::F9, 3, {1}},       {How::RightClick, 2, {1}},
      {How::Click, 0, {1}}, {How::F9, 4, {1, 4}},    {How::Click, 4, {1}},
  };
  int emitted = 0;
  Lines before;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.line);
    select(4, 2);  // in line 1
    if (step.how == How::F9) {
      select(box()->document()->findBlockByNumber(step.line - 1).position(), 0);
      press(QKeySequence(QStringLiteral("F9")));
    } else {
      const int y = step.line > 0 ? marginRow(step.line).center().y() : marginRow(4).bottom() + 40;
      clickMargin(y, step.how == How::Click ? Qt::LeftButton : Qt::RightButton);
      // A click in the margin leaves the caret and the selection.
      EXPECT_EQ(selectionStart(), 4);
      EXPECT_EQ(selectionLength(), 2);
    }
    EXPECT_EQ(breakpoints(), step.expected);
    emitted += step.expected != before;
    EXPECT_EQ(changes.count(), emitted);
    before = step.expected;
  }
}

// The dot stands between the error bar and the number, in red, on a marked
// line as on any other.
TEST_F(BreakpointsTest, TheDotIsPaintedLeftOfTheNumberAndRightOfTheErrorBar) {
  const QString errors = readFile(QStringLiteral(CASL2WB_EXAMPLES "/errors.txt"));
  struct Case {
    QString text;
    int line;
    bool error;
  };
  // A line of four digits takes all the room the numbers have.
  for (const Case& c :
       {Case{errors, 8, false}, Case{errors, 2, true}, Case{numberedLines(1013), 1000, false}}) {
    SCOPED_TRACE(c.line);
    box()->setPlainText(c.text);
    trigger(names::checkAction);
    box()->goToLine(c.line);
    QApplication::processEvents();
    const QImage without = margin()->grab().toImage();
    box()->toggleBreakpoint(c.line);
    const QImage with = margin()->grab().toImage();
    box()->toggleBreakpoint(c.line);
    const QRect row = marginRow(c.line);
    const int y = row.center().y();
    const QRgb background = without.pixel(without.width() - 1, y);
    int barEnd = 0;
    while (without.pixel(barEnd, y) != background) ++barEnd;
    EXPECT_EQ(barEnd > 0, c.error);
    int numberLeft = without.width();
    int changedRight = -1;
    bool red = false;
    for (int py = row.top(); py <= row.bottom(); ++py) {
      for (int x = barEnd; x < without.width(); ++x) {
        if (without.pixel(x, py) != background) numberLeft = std::min(numberLeft, x);
        const QRgb now = with.pixel(x, py);
        if (now == without.pixel(x, py)) continue;
        changedRight = std::max(changedRight, x);
        red |= qRed(now) > 180 && qGreen(now) < 100 && qBlue(now) < 100;
      }
      for (int x = 0; x < barEnd; ++x) EXPECT_EQ(with.pixel(x, py), without.pixel(x, py));
    }
    EXPECT_TRUE(red);
    EXPECT_LT(changedRight, numberLeft);
  }
}

// Breakpoints keep to the text of their lines; two that come onto one line
// are one, and one toggle clears it.
TEST_F(BreakpointsTest, BreakpointsFollowTheirLinesThroughEdits) {
  struct Case {
    const char* what;
    Lines set;
    int start, length;
    QString replacement;
    Lines expected;
  };
  const Case cases[] = {
      {"a line added above", {2, 3}, 0, 0, "X\n", {3, 4}},
      {"text typed in the line", {2}, 4, 0, "ABC", {2}},
      {"Enter at the line's start", {2}, 3, 0, "\n", {3}},
      {"the lines above deleted", {3}, 0, 6, "", {1}},
      {"two lines joined", {2, 3}, 5, 1, "", {2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box()->setPlainText(fourLines);
    box()->setBreakpoints(c.set);
    ASSERT_EQ(breakpoints(), c.set);
    edit(c.start, c.length, c.replacement);
    EXPECT_EQ(breakpoints(), c.expected);
    box()->toggleBreakpoint(c.expected.front());
    EXPECT_EQ(breakpoints(), Lines(c.expected.begin() + 1, c.expected.end()));
  }
  // Only lines the text has.
  box()->setBreakpoints({0, 2, 2, 6, 99});
  EXPECT_EQ(breakpoints(), Lines({2}));
  box()->toggleBreakpoint(99);
  EXPECT_EQ(breakpoints(), Lines({2}));
}

// A new text drops the breakpoints; a check keeps them, even when it adds
// the last line end, and so does loading the same text again.
TEST_F(BreakpointsTest, ANewTextDropsTheBreakpointsAndACheckKeepsThem) {
  QString withoutLastLineEnd = helloText();
  withoutLastLineEnd.chop(1);
  struct Case {
    const char* what;
    QString text;
    std::function<void()> action;
    Lines expected;
  };
  const Case cases[] = {
      {"the clear command",
       helloText(),
       [&] {
         dialogs.choiceAnswers = {1};  // the text goes unsaved
         trigger(names::clearAction);
       },
       {}},
      {"a loaded file", helloText(), [&] { editor->showFileText(fourLines); }, {}},
      {"a restored text", helloText(), [&] { editor->restoreText(fourLines, {}); }, {}},
      {"a check", helloText(), [&] { trigger(names::checkAction); }, {2, 3}},
      {"a check that adds the last line end",
       withoutLastLineEnd,
       [&] { trigger(names::checkAction); },
       {2, 3}},
      {"the same text loaded", helloText(), [&] { editor->showFileText(helloText()); }, {2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box()->setPlainText(c.text);
    box()->setBreakpoints({2, 3});
    c.action();
    EXPECT_EQ(breakpoints(), c.expected);
    EXPECT_TRUE(dialogs.choiceAnswers.empty());
  }
}

// The inverse of currentLineOf: which line the last check read is now here.
TEST_F(BreakpointsTest, TheCheckedLineOfALineAsItIsNow) {
  struct Case {
    const char* what;
    int start, length;
    QString replacement;
    std::vector<std::pair<int, int>> checkedAt;  // line now, checked line
  };
  const Case cases[] = {
      {"no edit", 0, 0, "", {{1, 1}, {4, 4}, {5, 0}}},
      {"a line added above", 0, 0, "X\n", {{1, 0}, {2, 1}, {5, 4}}},
      {"text typed at a line's start", 3, 0, "X", {{2, 2}, {3, 3}}},
      {"line 2 deleted", 3, 3, "", {{1, 1}, {2, 3}, {3, 4}, {4, 0}}},
      {"lines 2 and 3 joined", 5, 1, "", {{2, 2}, {3, 4}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box()->setPlainText(fourLines);
    box()->showCheck(4, {});
    edit(c.start, c.length, c.replacement);
    for (const auto& [now, checked] : c.checkedAt) {
      EXPECT_EQ(box()->checkedLineAt(now), checked) << "line " << now;
      if (checked > 0) {
        EXPECT_EQ(box()->currentLineOf(checked), now);
      }
    }
  }
  box()->clearCheck();
  EXPECT_EQ(box()->checkedLineAt(1), 0);
}

// The step's line is shown with a background and scrolled to when it is
// out of view, while the user's caret, selection and focus stay.
TEST_F(BreakpointsTest, TheStepsLineIsHighlightedAndScrolledIntoView) {
  box()->setPlainText(numberedLines(1000));
  select(3, 2);  // "L2"
  QApplication::setActiveWindow(editor.get());
  messageList()->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(messageList()->hasFocus());
  QScrollBar* scrollBar = box()->verticalScrollBar();
  struct Case {
    int line;
    int shown;  // the step's line afterwards; 0: none
    bool scrolls;
  };
  for (const Case c : {Case{900, 900, true}, Case{905, 905, false}, Case{2, 2, true},
                       Case{0, 0, false}, Case{1002, 0, false}}) {
    SCOPED_TRACE(c.line);
    const int scrolledTo = scrollBar->value();
    box()->showStepLine(c.line);
    EXPECT_EQ(box()->stepLine(), c.shown);
    EXPECT_EQ(scrollBar->value() != scrolledTo, c.scrolls);
    if (c.shown > 0) {
      EXPECT_TRUE(lineInView(c.shown));
      ASSERT_EQ(lineBackgrounds().size(), 1u);
      EXPECT_EQ(lineBackgrounds()[0].first, c.shown);
    } else {
      EXPECT_TRUE(lineBackgrounds().empty());
    }
    EXPECT_EQ(selectionStart(), 3);
    EXPECT_EQ(selectionLength(), 2);
    EXPECT_TRUE(messageList()->hasFocus());
  }
}

// The step's line and the error marks are shown together, through edits,
// the step's painted last; a check or clearCheck takes the step's away.
TEST_F(BreakpointsTest, TheStepsLineAndTheErrorMarksAreShownTogether) {
  box()->setPlainText(readFile(QStringLiteral(CASL2WB_EXAMPLES "/errors.txt")));
  trigger(names::checkAction);
  const auto marks = lineBackgrounds();
  ASSERT_FALSE(marks.empty());
  const QRgb errorColour = marks.front().second;
  const auto expected = [&](int stepLine) {
    std::vector<std::pair<int, QRgb>> lines;
    for (const int line : box()->errorLines()) lines.emplace_back(line, errorColour);
    if (stepLine > 0) {
      lines.emplace_back(stepLine, lineBackgrounds().back().second);
      EXPECT_NE(lines.back().second, errorColour);
    }
    return lines;
  };
  EXPECT_EQ(marks, expected(0));

  box()->showStepLine(8);
  EXPECT_EQ(lineBackgrounds(), expected(8));
  select(0, 0);
  typeText(box(), QStringLiteral("; first\n"));
  EXPECT_EQ(box()->stepLine(), 9);
  EXPECT_EQ(box()->errorLines(), Lines({3, 4, 5, 6, 7, 8, 10, 11}));
  EXPECT_EQ(lineBackgrounds(), expected(9));
  box()->showStepLine(3);  // a line with an error
  EXPECT_EQ(lineBackgrounds(), expected(3));

  trigger(names::checkAction);
  EXPECT_EQ(box()->stepLine(), 0);
  box()->showStepLine(3);
  box()->clearCheck();
  EXPECT_EQ(box()->stepLine(), 0);
  EXPECT_TRUE(lineBackgrounds().empty());
}

}  // namespace
}  // namespace casl2wb::testing
