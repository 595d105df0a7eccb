// The editor's text box: line numbers, the marks of the lines with errors,
// the way from the message list to a line, the Tab key's field columns and
// the colours of the fields.
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

#include "assembler/source_table.h"
#include "documents/message_lines.h"
#include "editor_fixture.h"
#include "views/file_window.h"
#include "views/source_edit.h"
#include "views/source_highlighter.h"
#include "views/text_conversion.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;

QString example(const char* name) {
  return QStringLiteral(CASL2WB_EXAMPLES "/") + QString::fromLatin1(name);
}

class SourceEditTest : public EditorFixture {
 protected:
  SourceEdit* box() const { return child<SourceEdit>(names::sourceEdit); }
  QWidget* margin() const { return child<QWidget>(names::lineNumberMargin); }

  void checkExample(const char* name) {
    sourceEdit()->setPlainText(readFile(example(name)));
    trigger(names::checkAction);
  }
  int caretLine() const { return sourceEdit()->textCursor().blockNumber() + 1; }
  // The vertical middle of the line in the margin (which starts at the
  // text area's top).
  int marginY(int line) const {
    const QTextBlock block = sourceEdit()->document()->findBlockByNumber(line - 1);
    return sourceEdit()->cursorRect(QTextCursor(block)).center().y();
  }
  void doubleClickItem(int row) {
    QListWidget* list = messageList();
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QWidget* viewport = list->viewport();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
      const bool down = type != QEvent::MouseButtonRelease;
      QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                        down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(viewport, &event);
    }
  }
  void pressTab() {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(sourceEdit(), &press);
  }
};

TEST_F(SourceEditTest, LineNumbersStandInAMarginLeftOfTheText) {
  ASSERT_NE(box(), nullptr);
  ASSERT_NE(margin(), nullptr);
  typeText(sourceEdit(), QStringLiteral("PRG START\n RET\n END\n"));
  QApplication::processEvents();
  EXPECT_TRUE(margin()->isVisible());
  // Room for four digits, and the text starts right of the margin.
  EXPECT_GE(margin()->width(),
            sourceEdit()->fontMetrics().horizontalAdvance(QStringLiteral("1013")));
  EXPECT_EQ(sourceEdit()->viewport()->geometry().left(), margin()->geometry().right() + 1);
  // Each line's number is painted in its row.
  const QImage picture = margin()->grab().toImage();
  const QRgb background = picture.pixel(1, 1);
  for (int line = 1; line <= 4; ++line) {
    const int y = marginY(line);
    bool painted = false;
    for (int x = 0; x < picture.width(); ++x) painted |= picture.pixel(x, y) != background;
    EXPECT_TRUE(painted) << "line " << line;
  }
}

TEST_F(SourceEditTest, LinesWithErrorsAreMarkedAfterACheckAndKeepTheirMarks) {
  checkExample("errors.txt");
  // The lines of errors.txt that the check reports, the undefined label of
  // line 6 among them; line 8 holds none.
  const std::vector<int> expected = {2, 3, 4, 5, 6, 7, 9, 10};
  EXPECT_EQ(box()->errorLines(), expected);

  // The margin shows the mark: the row of line 2 differs from that of line 8.
  QApplication::processEvents();
  const QImage picture = margin()->grab().toImage();
  EXPECT_NE(picture.pixel(1, marginY(2)), picture.pixel(1, marginY(8)));

  // A line added above moves the marks with their lines.
  select(0, 0);
  typeText(sourceEdit(), QStringLiteral("; first\n"));
  EXPECT_EQ(box()->errorLines(), std::vector<int>({3, 4, 5, 6, 7, 8, 10, 11}));

  // A check of a correct program and the clear command leave no mark.
  checkExample("hello.txt");
  EXPECT_TRUE(box()->errorLines().empty());
  checkExample("errors.txt");
  dialogs.choiceAnswers.push_back(1);  // the text goes unsaved
  trigger(names::clearAction);
  EXPECT_TRUE(box()->errorLines().empty());
}

TEST_F(SourceEditTest, DoubleClickingAListingLineOrAMessageShowsItsLine) {
  checkExample("errors.txt");
  ASSERT_EQ(messageList()->count(), 22);
  struct Case {
    int row;
    int line;  // 0: the caret stays
  };
  // Rows of the list: the listing of line 1, the message after line 2, the
  // listing of line 8, the message after line 9, RET missing (a message of
  // no line, shown at the last line), the undefined label of line 6, the
  // error count.
  for (const Case c :
       {Case{0, 1}, Case{2, 2}, Case{13, 8}, Case{15, 9}, Case{18, 10}, Case{20, 6}, Case{21, 0}}) {
    SCOPED_TRACE(c.row);
    select(5, 0);  // in line 1
    const int before = caretLine();
    doubleClickItem(c.row);
    EXPECT_EQ(caretLine(), c.line == 0 ? before : c.line);
    EXPECT_EQ(sourceEdit()->textCursor().positionInBlock(), c.line == 0 ? 5 : 0);
  }
}

// Each line's listing line, in order, belongs to its line; a message between
// two listing lines belongs to the one before or the one after it.
TEST_F(SourceEditTest, EveryItemOfTheMessageListHasItsLine) {
  for (const char* name : {"hello.txt", "errors.txt", "echo.txt", "countdown.txt"}) {
    SCOPED_TRACE(name);
    checkExample(name);
    const int linesRead = sourceEdit()->document()->blockCount() - 1;  // after the last newline
    ASSERT_EQ(state->program.linesRead, linesRead);
    const std::vector<int> lines = messageListLines(state->program);
    const std::vector<ListingItem>& items = state->program.listing;
    ASSERT_EQ(lines.size(), items.size());
    std::size_t row = 0;
    for (int n = 1; n <= linesRead; ++n) {
      for (; row < items.size() && items[row].kind() != ListingItem::Kind::Line; ++row) {
        EXPECT_TRUE(lines[row] == n - 1 || lines[row] == n) << "row " << row;
      }
      ASSERT_LT(row, items.size()) << "line " << n;
      EXPECT_EQ(lines[row++], n);
    }
    // After the listing the lines of the messages, then the count and the dump.
    for (; row < items.size(); ++row) EXPECT_LE(lines[row], linesRead);
  }
}

TEST_F(SourceEditTest, TabInsertsSpacesUpToTheNextFieldColumn) {
  struct Case {
    QString typed;
    QString expected;
  };
  // The fields of the examples start in columns 1, 10, 19 and 32; after the
  // comment column every 8 columns. A full-width character is one column.
  for (const Case& c : {
           Case{"", QString(9, ' ')},
           Case{"LOOP", "LOOP     "},
           Case{"LOOP     LD", "LOOP     LD       "},
           Case{"LOOP     LD       GR1,A", "LOOP     LD       GR1,A        "},
           Case{QString(31, ' '), QString(39, ' ')},
           Case{QString(40, ' '), QString(47, ' ')},
           Case{QStringLiteral("ラベル"), QStringLiteral("ラベル      ")},
       }) {
    SCOPED_TRACE(c.typed.toStdString());
    sourceEdit()->clear();
    typeText(sourceEdit(), c.typed);
    pressTab();
    EXPECT_EQ(text(), c.expected);
    EXPECT_FALSE(text().contains(QLatin1Char('\t')));
  }
  // A selection is replaced by the spaces from its start.
  sourceEdit()->clear();
  typeText(sourceEdit(), QStringLiteral("AB\tCD"));
  select(2, 3);
  pressTab();
  EXPECT_EQ(text(), QStringLiteral("AB       "));
}

TEST_F(SourceEditTest, TabsInALoadedFileAreKeptAndCheckedAsTheyAre) {
  const QString path = folder.filePath(QStringLiteral("tabs.txt"));
  ASSERT_TRUE(writeFile(path, "PRG\tSTART\r\n\tRET\r\n\tEND\r\n"));
  trigger(names::fileWindowAction);
  auto* window = child<FileWindow>(names::fileWindow);
  window->setFolderPath(folder.path());
  window->findChild<QLineEdit*>(QString::fromLatin1(names::fileNameEdit))
      ->setText(QStringLiteral("tabs.txt"));
  window->loadAndCheck();
  EXPECT_EQ(text(), QStringLiteral("PRG\tSTART\n\tRET\n\tEND\n"));
  EXPECT_EQ(listItems(messageList()), cliCheck(path));
}

TEST(SourceSpans, FieldsAsTheCheckCutsTheLine) {
  using P = SourcePart;
  struct Case {
    QString line;
    std::vector<SourceSpan> spans;
  };
  const Case cases[] = {
      {"LOOP     LD       GR1,=3   ; three",
       {{P::Label, 0, 4},
        {P::Operation, 9, 2},
        {P::Operand, 18, 4},
        {P::Literal, 22, 2},
        {P::Comment, 27, 7}}},
      {" RET", {{P::Operation, 1, 3}}},
      {"; a comment line", {{P::Comment, 0, 16}}},
      {"MSG      DC       'A;B C'", {{P::Label, 0, 3}, {P::Operation, 9, 2}, {P::Operand, 18, 7}}},
      {" LD GR1,=' '", {{P::Operation, 1, 2}, {P::Operand, 4, 4}, {P::Literal, 8, 4}}},
      {" LD GR1,=#30,GR2",
       {{P::Operation, 1, 2}, {P::Operand, 4, 4}, {P::Literal, 8, 4}, {P::Operand, 12, 4}}},
      {"COUNT    START    BEGIN    LMT00100",
       {{P::Label, 0, 5}, {P::Operation, 9, 5}, {P::Operand, 18, 5}, {P::Comment, 27, 8}}},
      // Only spaces separate fields: a tab at the start is part of a label.
      {"\tRET", {{P::Label, 0, 4}}},
      {"", {}},
      // The rest of the line after the fields the check reads is coloured as
      // a comment: tokens past the fields, a comment after a quote (which the
      // check does not take for one), fields lost with the ';' they touch.
      {"LAB LD GR1,X EXTRA MORE",
       {{P::Label, 0, 3}, {P::Operation, 4, 2}, {P::Operand, 7, 5}, {P::Comment, 13, 10}}},
      {"MSG DC 'A' ; x",
       {{P::Label, 0, 3}, {P::Operation, 4, 2}, {P::Operand, 7, 3}, {P::Comment, 11, 3}}},
      {" LD GR1,X;c", {{P::Operation, 1, 2}, {P::Comment, 4, 7}}},
      {"AB;C LD GR1,X", {{P::Comment, 0, 13}}},
      // A quoted space outside DC cuts the operand: the rest is the extra
      // field. A literal ends at the comma where the check cuts it, quotes
      // or not.
      {" OUT ='A B',LEN", {{P::Operation, 1, 3}, {P::Literal, 5, 3}, {P::Comment, 9, 6}}},
      {" LD GR1,='A,B'",
       {{P::Operation, 1, 2}, {P::Operand, 4, 4}, {P::Literal, 8, 3}, {P::Operand, 11, 3}}},
      // Positions are UTF-16 units: a character outside the BMP takes two.
      {"\U0002000BQ LD GR1", {{P::Label, 0, 3}, {P::Operation, 4, 2}, {P::Operand, 7, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line.toStdString());
    EXPECT_EQ(sourceSpans(c.line), c.spans);
  }
}

TEST_F(SourceEditTest, TheFieldsAreColouredInTheEditor) {
  typeText(sourceEdit(), QStringLiteral("LOOP     LD       GR1,=3   ; three\n"));
  const QTextBlock block = sourceEdit()->document()->firstBlock();
  const QList<QTextLayout::FormatRange> ranges = block.layout()->formats();
  std::vector<SourceSpan> coloured;
  for (const QTextLayout::FormatRange& range : ranges) {
    for (const SourcePart part : {SourcePart::Label, SourcePart::Operation, SourcePart::Operand,
                                  SourcePart::Literal, SourcePart::Comment}) {
      if (range.format.foreground().color() == sourcePartColour(part))
        coloured.push_back({part, range.start, range.length});
    }
  }
  EXPECT_EQ(coloured, sourceSpans(block.text()));
  // The colours differ from each other; the font keeps its pitch.
  const std::vector<QColor> colours = {
      sourcePartColour(SourcePart::Label), sourcePartColour(SourcePart::Operation),
      sourcePartColour(SourcePart::Operand), sourcePartColour(SourcePart::Literal),
      sourcePartColour(SourcePart::Comment)};
  for (std::size_t i = 0; i < colours.size(); ++i) {
    for (std::size_t j = i + 1; j < colours.size(); ++j) EXPECT_NE(colours[i], colours[j]);
  }
  for (const QTextLayout::FormatRange& range : ranges) {
    EXPECT_FALSE(range.format.hasProperty(QTextFormat::FontWeight));
    EXPECT_FALSE(range.format.hasProperty(QTextFormat::FontItalic));
  }
}

}  // namespace
}  // namespace casl2wb::testing

namespace casl2wb::testing {
namespace {

// Tab over several lines moves them all to the next field column (the
// leftmost text decides), Shift+Tab back to the one before; blank lines
// stay as they are, and each is one step to undo.
TEST_F(SourceEditTest, TabIndentsTheSelectedLinesAndShiftTabTakesItBack) {
  struct Case {
    QString program;
    int start, end;  // the selection
    bool back;
    QString expected;
  };
  const QString nine(9, QLatin1Char(' '));
  for (const Case& c : {
           Case{"A\n B\n", 0, 3, false, nine + "A\n" + nine + " B\n"},
           Case{nine + "A\n" + nine + " B\n", 0, 12, true, "A\n B\n"},
           Case{nine + "LD\n" + nine + nine + "ST\n", 0, 14, false,
                nine + nine + "LD\n" + nine + nine + nine + "ST\n"},
           Case{"A\n\nB\nC\n", 0, 5, false, nine + "A\n\n" + nine + "B\nC\n"},  // ends in line 4
           Case{nine + " X\n", 3, 3, true, nine + "X\n"},  // the caret's line, from column 11
           Case{"X\n", 0, 0, true, "X\n"},                 // already left
       }) {
    SCOPED_TRACE(c.program.toStdString());
    sourceEdit()->setPlainText(c.program);
    select(c.start, c.end - c.start);
    if (c.back) {
      QTest::keyClick(sourceEdit(), Qt::Key_Backtab, Qt::ShiftModifier);
    } else {
      QTest::keyClick(sourceEdit(), Qt::Key_Tab);
    }
    EXPECT_EQ(text(), c.expected);
    if (c.expected == c.program) continue;
    sourceEdit()->undo();
    EXPECT_EQ(text(), c.program);
  }
}

// No Alt+letter types into the program; Alt+H opens the help menu, whose
// own access key is a full-width letter.
TEST_F(SourceEditTest, AltLettersNeverTypeAndAltHOpensTheHelpMenu) {
  sourceEdit()->setPlainText(QStringLiteral("LD"));
  for (const Qt::Key key : {Qt::Key_X, Qt::Key_Q, Qt::Key_H}) {
    press(QKeySequence(Qt::AltModifier | key));
  }
  EXPECT_EQ(text(), QStringLiteral("LD"));
  auto* help = child<QMenu>(names::helpMenu);
  EXPECT_TRUE(help->isVisible());
  help->hide();
}

// After a check with errors the first error line is shown; F8 and Shift+F8
// go round the marked lines; a line added above moves the marks, and a
// double click on a message goes to where its line is now.
TEST_F(SourceEditTest, ErrorLinesAreFoundByKeysAndFollowEdits) {
  checkExample("errors.txt");
  EXPECT_EQ(caretLine(), 2);
  const QKeySequence next(QStringLiteral("F8"));
  const QKeySequence previous(QStringLiteral("Shift+F8"));
  std::vector<int> visited;
  for (const QKeySequence& key : {next, next, previous, previous, previous, next}) {
    press(key);
    visited.push_back(caretLine());
  }
  EXPECT_EQ(visited, std::vector<int>({3, 4, 3, 2, 10, 2}));

  // A new line typed before line 2 (Enter at its start).
  select(15, 0);
  ASSERT_EQ(caretLine(), 2);
  QTest::keyClick(sourceEdit(), Qt::Key_Return);
  EXPECT_EQ(box()->errorLines(), std::vector<int>({3, 4, 5, 6, 7, 8, 10, 11}));
  doubleClickItem(2);  // the message after line 2
  EXPECT_EQ(caretLine(), 3);
  doubleClickItem(18);  // RET missing: the last line
  EXPECT_EQ(caretLine(), 11);

  checkExample("hello.txt");
  press(next);
  EXPECT_EQ(editor->statusBar()->currentMessage(), shownMessage(Message::NoErrorLines));
}

// Resting on a marked line (in the text or the margin) shows its messages.
TEST_F(SourceEditTest, AMarkedLineShowsItsMessagesAsATip) {
  checkExample("errors.txt");
  QApplication::processEvents();
  struct Case {
    int line;
    QString tip;
  };
  // The line without messages first: a tip stays a moment after it is hidden.
  for (const Case& c :
       {Case{8, QString()}, Case{2, shownMessage(Message::FirstOperandNotRegister)}}) {
    for (QWidget* target : {sourceEdit()->viewport(), margin()}) {
      SCOPED_TRACE(c.line);
      const QPoint at(4, marginY(c.line));
      QHelpEvent event(QEvent::ToolTip, at, target->mapToGlobal(at));
      QApplication::sendEvent(target, &event);
      EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), c.tip);
    }
  }
  QToolTip::hideText();
}

TEST_F(SourceEditTest, CtrlGGoesToALine) {
  checkExample("errors.txt");
  dialogs.inputs = {QStringLiteral("7"), QStringLiteral("99"), std::nullopt};
  const QKeySequence goTo(QStringLiteral("Ctrl+G"));
  press(goTo);
  EXPECT_EQ(caretLine(), 7);
  press(goTo);  // no such line
  EXPECT_EQ(caretLine(), 7);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, shownMessage(Message::LineNumberBad, {"11"}));
  press(goTo);  // cancelled
  EXPECT_EQ(caretLine(), 7);
  EXPECT_EQ(dialogs.inputRequests.size(), 3u);
  EXPECT_EQ(dialogs.inputRequests[0], shownMessage(Message::GoToLinePrompt, {"11"}) + "|" +
                                          shownMessage(Message::GoToLineTitle) + "|2");
}

// With tabs in the text the status line says that only spaces separate
// fields, and its button turns every tab into spaces up to the next field
// column in one step to undo.
TEST_F(SourceEditTest, TabsAreNoticedAndTurnedIntoSpacesAtTheFieldColumns) {
  auto* notice = editor->findChild<QLabel*>(QString::fromLatin1(names::tabNotice));
  auto* convert = editor->findChild<QPushButton*>(QString::fromLatin1(names::convertTabsButton));
  ASSERT_TRUE(notice && convert);
  EXPECT_FALSE(notice->isVisible());
  const QString tabbed = QStringLiteral("PRG\tSTART\n\tLD\tGR1,A ;\tx\nラ\t\tRET\n");
  sourceEdit()->setPlainText(tabbed);
  EXPECT_TRUE(notice->isVisible());
  EXPECT_TRUE(convert->isVisible());
  EXPECT_EQ(notice->text(), shownMessage(Message::TabsInText));
  convert->click();
  EXPECT_EQ(text(), QStringLiteral("PRG      START\n"
                                   "         LD       GR1,A ;      x\n"
                                   "ラ                 RET\n"));
  EXPECT_FALSE(notice->isVisible());
  sourceEdit()->undo();
  EXPECT_EQ(text(), tabbed);
}

}  // namespace
}  // namespace casl2wb::testing
