// The editor window: its controls, menus and toolbar, the enable rules, the
// clipboard commands, clearing, and ending the program.
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>

#include "editor_fixture.h"
#include "pdf_text.h"
#include "printing/listings.h"
#include "views/font_choice.h"
#include "views/form1_texts.h"
#include "views/help_window.h"
#include "views/product_title.h"
#include "views/view_messages.h"

namespace casl2wb::testing {
namespace {

namespace texts = form1_texts;

QString utf8(const char* text) { return QString::fromUtf8(text); }

using EditorWindowTest = EditorFixture;

TEST_F(EditorWindowTest, NamesCaptionAndFonts) {
  EXPECT_EQ(form1->objectName(), QStringLiteral("Form1"));
  EXPECT_EQ(form1->windowTitle(), productTitleWithVersion());
  ASSERT_NE(txtdpbox(), nullptr);
  ASSERT_NE(list1(), nullptr);
  ASSERT_NE(child<QToolBar>("Toolbar1"), nullptr);
  EXPECT_EQ(txtdpbox()->font().family(), fixedPitchFont(10).family());
  EXPECT_EQ(list1()->font().family(), fixedPitchFont(10).family());
}

TEST_F(EditorWindowTest, MenuBarHasTheMenusAndCommandsInOrder) {
  QStringList top;
  for (QAction* a : form1->menuBar()->actions()) top.append(a->objectName() + "=" + a->text());
  EXPECT_EQ(top,
            QStringList({"file=" + utf8(texts::file), "mnuedit=" + utf8(texts::mnuedit),
                         "errchkjika=" + utf8(texts::errchkjika), "jikkoug=" + utf8(texts::jikkoug),
                         "syoukyo=" + utf8(texts::syoukyo), "helpf=" + utf8(texts::helpf)}));

  auto items = [this](const char* menu) {
    QStringList names;
    for (QAction* a : child<QMenu>(menu)->actions()) {
      names.append(a->objectName() + (a->isSeparator() ? QString() : "=" + a->text()));
    }
    return names;
  };
  EXPECT_EQ(
      items("file"),
      QStringList({"fileopen=" + utf8(texts::fileopen), "mnuclose=" + utf8(texts::mnuclose),
                   "mnusave=" + utf8(texts::mnusave), "mnudummy3", "printl=" + utf8(texts::printl),
                   "printsetting=" + utf8(texts::printsetting), "mnudummy2",
                   "owari=" + utf8(texts::owari)}));
  EXPECT_EQ(
      items("mnuedit"),
      QStringList({"mnucut=" + utf8(texts::mnucut), "mnucopy=" + utf8(texts::mnucopy),
                   "mnupaste=" + utf8(texts::mnupaste), "mnudummy1",
                   "mnufind=" + utf8(texts::mnufind), "mnureplace=" + utf8(texts::mnureplace)}));
  EXPECT_EQ(items("helpf"), QStringList({"helpsh=" + utf8(texts::helpsh)}));
}

TEST_F(EditorWindowTest, EditMenuShortcuts) {
  EXPECT_EQ(action("mnucut")->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
  EXPECT_EQ(action("mnucopy")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
  EXPECT_EQ(action("mnupaste")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
  EXPECT_EQ(action("mnufind")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
  EXPECT_EQ(action("mnureplace")->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
  for (const char* name : {"fileopen", "mnuclose", "mnusave", "printl", "owari", "errchkjika"}) {
    EXPECT_TRUE(action(name)->shortcut().isEmpty()) << name;
  }
}

TEST_F(EditorWindowTest, ToolbarButtonsWithPicturesAndToolTips) {
  const QList<QAction*> buttons = child<QToolBar>("Toolbar1")->actions();
  ASSERT_EQ(buttons.size(), 11);
  for (int i = 0; i < 11; ++i) {
    const texts::ToolButtonTexts& expected = texts::toolButtons[i];
    QAction* button = buttons[i];
    EXPECT_EQ(button->objectName(), QStringLiteral("Toolbar1Button%1").arg(i + 1));
    if (expected.toolTip == nullptr) {
      EXPECT_TRUE(button->isSeparator()) << i + 1;
      continue;
    }
    EXPECT_EQ(button->toolTip(), utf8(expected.toolTip));
    EXPECT_EQ(button->text(), utf8(expected.text));
    const QImage picture = button->icon().pixmap(24, 24).toImage();
    ASSERT_FALSE(picture.isNull()) << i + 1;
    int painted = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) painted += qAlpha(picture.pixel(x, y)) > 0;
    }
    EXPECT_GT(painted, 60) << "button " << i + 1 << " has no picture";
  }
  EXPECT_TRUE(buttons[3]->isSeparator());
  EXPECT_TRUE(buttons[5]->isSeparator());
  EXPECT_TRUE(buttons[9]->isSeparator());
}

TEST_F(EditorWindowTest, EnableRules) {
  const char* ruled[] = {"mnucut", "mnucopy", "mnufind", "mnureplace"};
  for (const char* name : ruled) EXPECT_TRUE(action(name)->isEnabled()) << "at opening " << name;

  typeText(txtdpbox(), QStringLiteral("A"));
  for (const char* name : ruled) EXPECT_TRUE(action(name)->isEnabled()) << name;

  // Deleting every character disables the four; paste stays enabled.
  QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QApplication::sendEvent(txtdpbox(), &backspace);
  EXPECT_EQ(text(), QString());
  for (const char* name : ruled) EXPECT_FALSE(action(name)->isEnabled()) << name;
  EXPECT_TRUE(action("mnupaste")->isEnabled());

  typeText(txtdpbox(), QStringLiteral("L"));
  for (const char* name : ruled) EXPECT_TRUE(action(name)->isEnabled()) << name;

  trigger("syoukyo");
  for (const char* name : ruled) EXPECT_FALSE(action(name)->isEnabled()) << name;
  EXPECT_TRUE(action("mnupaste")->isEnabled());
}

TEST_F(EditorWindowTest, ClearEmptiesTextAndList) {
  typeText(txtdpbox(), QStringLiteral(" LD GR1,A\n"));
  trigger("errchkjika");
  ASSERT_GT(list1()->count(), 0);
  trigger("syoukyo");
  EXPECT_EQ(text(), QString());
  EXPECT_EQ(list1()->count(), 0);
}

class ClipboardTest : public EditorFixture {
 protected:
  QClipboard* clipboard() const { return QApplication::clipboard(); }
};

TEST_F(ClipboardTest, CutAndCopyWithEmptySelectionLeaveClipboard) {
  clipboard()->setText(QStringLiteral("KEEP"));
  typeText(txtdpbox(), QStringLiteral("LD GR1,A"));
  select(3, 0);
  trigger("mnucut");
  trigger("mnucopy");
  EXPECT_EQ(clipboard()->text(), QStringLiteral("KEEP"));
  EXPECT_EQ(text(), QStringLiteral("LD GR1,A"));
  // The toolbar's buttons do the same.
  action("Toolbar1Button7")->trigger();
  action("Toolbar1Button8")->trigger();
  EXPECT_EQ(clipboard()->text(), QStringLiteral("KEEP"));
  EXPECT_EQ(text(), QStringLiteral("LD GR1,A"));
}

TEST_F(ClipboardTest, CopyPutsSelectionOnClipboard) {
  typeText(txtdpbox(), QStringLiteral("LD GR1,A\nST GR1,B"));
  select(3, 8);
  trigger("mnucopy");
  EXPECT_EQ(clipboard()->text(), QStringLiteral("GR1,A\nST"));
  EXPECT_EQ(text(), QStringLiteral("LD GR1,A\nST GR1,B"));
}

TEST_F(ClipboardTest, CutMovesSelectionToClipboard) {
  typeText(txtdpbox(), QStringLiteral("LD GR1,A"));
  select(2, 4);
  trigger("mnucut");
  EXPECT_EQ(clipboard()->text(), QStringLiteral(" GR1"));
  EXPECT_EQ(text(), QStringLiteral("LD,A"));
  EXPECT_EQ(selectionLength(), 0);
}

TEST_F(ClipboardTest, PasteReplacesSelection) {
  typeText(txtdpbox(), QStringLiteral("LD GR1,A"));
  clipboard()->setText(QStringLiteral("GR2"));
  select(3, 3);
  trigger("mnupaste");
  EXPECT_EQ(text(), QStringLiteral("LD GR2,A"));
  select(8, 0);
  action("Toolbar1Button9")->trigger();
  EXPECT_EQ(text(), QStringLiteral("LD GR2,AGR2"));
}

TEST_F(ClipboardTest, TextBoxKeepsItsOwnCutAndPasteKeys) {
  typeText(txtdpbox(), QStringLiteral("LD GR1,A"));
  select(0, 3);
  QKeyEvent cut(QEvent::KeyPress, Qt::Key_X, Qt::ControlModifier);
  QApplication::sendEvent(txtdpbox(), &cut);
  EXPECT_EQ(clipboard()->text(), QStringLiteral("LD "));
  EXPECT_EQ(text(), QStringLiteral("GR1,A"));
  select(5, 0);
  QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
  QApplication::sendEvent(txtdpbox(), &paste);
  EXPECT_EQ(text(), QStringLiteral("GR1,ALD "));
}

TEST_F(ClipboardTest, PasteTurnsLineEndsIntoNewlines) {
  clipboard()->setText(QStringLiteral("A\r\nB\rC"));
  trigger("mnupaste");
  EXPECT_EQ(text(), QStringLiteral("A\nB\nC"));
}

TEST_F(ClipboardTest, PasteWithEmptyOrNonTextClipboardChangesNothing) {
  typeText(txtdpbox(), QStringLiteral("LD GR1,A"));
  select(3, 3);
  clipboard()->setText(QString());
  trigger("mnupaste");
  EXPECT_EQ(text(), QStringLiteral("LD GR1,A"));
  EXPECT_EQ(selectedText(), QStringLiteral("GR1"));

  auto* data = new QMimeData;
  data->setData(QStringLiteral("application/octet-stream"), QByteArray("\x01\x02", 2));
  clipboard()->setMimeData(data);
  trigger("mnupaste");
  EXPECT_EQ(text(), QStringLiteral("LD GR1,A"));
  EXPECT_EQ(selectedText(), QStringLiteral("GR1"));
}

TEST_F(EditorWindowTest, ExecutionCommandAsksForTheExecutionWindows) {
  int requested = 0;
  QObject::connect(form1.get(), &EditorWindow::executionWindowsRequested, [&] { ++requested; });
  trigger("jikkoug");
  EXPECT_EQ(requested, 1);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EditorWindowTest, PrinterSettingsAskForPrinterThenPageSetUp) {
  trigger("printsetting");
  EXPECT_EQ(dialogs.printerDialogs, 1);
  EXPECT_EQ(dialogs.pageSetupDialogs, 1);

  dialogs.acceptPrinter = false;
  trigger("printsetting");
  EXPECT_EQ(dialogs.printerDialogs, 2);
  EXPECT_EQ(dialogs.pageSetupDialogs, 1);
}

TEST_F(EditorWindowTest, PrintCommandsWriteTheListingsToTheChosenPdfFile) {
  typeText(txtdpbox(), QStringLiteral("PRG START\n LD GR1,A\n RET\nA DC 3 ;three\n END\n"));
  trigger("errchkjika");
  const QString listFile = folder.filePath(QStringLiteral("list.pdf"));
  dialogs.printToFile = listFile;
  trigger("printl");
  EXPECT_EQ(pdfWords(listFile),
            documentWords([&](Printer& printer) { printl(printer, state->table, state->memory); }));
  const QString programFile = folder.filePath(QStringLiteral("program.pdf"));
  dialogs.printToFile = programFile;
  action("Toolbar1Button5")->trigger();
  EXPECT_EQ(pdfWords(programFile),
            documentWords([&](Printer& printer) { printList(printer, state->table); }));
  EXPECT_EQ(dialogs.printerDialogs, 2);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EditorWindowTest, CancelledPrintDialogPrintsNothing) {
  dialogs.acceptPrinter = false;
  dialogs.printToFile = folder.filePath(QStringLiteral("never.pdf"));
  trigger("printl");
  EXPECT_FALSE(QFile::exists(dialogs.printToFile));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EditorWindowTest, HelpShowsUsageWindow) {
  trigger("helpsh");
  auto* help = child<HelpWindow>("helpwindow");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(help->isModal());
  QString checkCommand = utf8(texts::errchkjika);
  checkCommand.remove(QStringLiteral("(&O)"));
  EXPECT_TRUE(usageHelpHtml().contains(checkCommand));
  EXPECT_TRUE(usageHelpHtml().contains(QStringLiteral("Ctrl+T")));
  EXPECT_FALSE(usageHelpHtml().contains(QLatin1Char('{')));
  trigger("helpsh");
  EXPECT_EQ(form1->findChildren<HelpWindow*>().size(), 1);
}

class EndingTest : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    QObject::connect(form1.get(), &EditorWindow::programEnded, [this] { ++endings; });
  }
  int endings = 0;
};

TEST_F(EndingTest, EndsAtOnceWithoutChanges) {
  for (const char* name : {"owari", "mnuclose"}) {
    form1->show();
    trigger(name);
    EXPECT_TRUE(dialogs.questions.empty()) << name;
    EXPECT_FALSE(form1->isVisible()) << name;
  }
  EXPECT_EQ(endings, 2);
}

TEST_F(EndingTest, AsksBeforeThrowingAwayTypedText) {
  typeText(txtdpbox(), QStringLiteral(" LD GR1,A"));
  trigger("owari");
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(endings, 0);
  EXPECT_TRUE(form1->isVisible());

  dialogs.questionAnswers.push_back(true);
  trigger("mnuclose");
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_EQ(endings, 1);
  EXPECT_FALSE(form1->isVisible());
}

TEST_F(EndingTest, ClosingTheWindowAsksToo) {
  typeText(txtdpbox(), QStringLiteral("X"));
  EXPECT_FALSE(form1->close());
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(endings, 0);
}

TEST_F(EndingTest, CheckedTextIsInTheWorkFile) {
  typeText(txtdpbox(), QStringLiteral(" LD GR1,A"));
  trigger("errchkjika");
  trigger("owari");
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(endings, 1);
}

TEST_F(EndingTest, EditAfterCheckAsksAgain) {
  typeText(txtdpbox(), QStringLiteral(" LD GR1,A"));
  trigger("errchkjika");
  typeText(txtdpbox(), QStringLiteral("B"));
  trigger("owari");
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(endings, 0);
}

TEST_F(EndingTest, ClearedTextHoldsNothingToLose) {
  typeText(txtdpbox(), QStringLiteral(" LD GR1,A"));
  trigger("syoukyo");
  trigger("owari");
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(endings, 1);
}

}  // namespace
}  // namespace casl2wb::testing
