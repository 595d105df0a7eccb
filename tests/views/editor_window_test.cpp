// The editor window: its controls, menus and toolbar, the enable rules, the
// clipboard commands, clearing, and ending the program.
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageLayout>
#include <QRegularExpression>
#include <QToolBar>
#include <optional>

#include "documents/listings.h"
#include "editor_fixture.h"
#include "pdf_text.h"
#include "qtprint/font_choice.h"
#include "views/editor_texts.h"
#include "views/help_document.h"
#include "views/help_window.h"
#include "views/product_title.h"
#include "views/text_conversion.h"

namespace casl2wb::testing {
namespace {

namespace texts = editor_texts;
namespace names = object_names;

QString utf8(const char* text) { return QString::fromUtf8(text); }

using EditorWindowTest = EditorFixture;

TEST_F(EditorWindowTest, NamesCaptionAndFonts) {
  EXPECT_EQ(editor->objectName(), QString::fromLatin1(names::editorWindow));
  EXPECT_EQ(editor->windowTitle(), productTitleWithVersion());
  ASSERT_NE(sourceEdit(), nullptr);
  ASSERT_NE(messageList(), nullptr);
  ASSERT_NE(child<QToolBar>(names::toolbar), nullptr);
  EXPECT_EQ(sourceEdit()->font().family(), fixedPitchFont(10).family());
  EXPECT_EQ(messageList()->font().family(), fixedPitchFont(10).family());
}

TEST_F(EditorWindowTest, MenuBarHasTheMenusAndCommandsInOrder) {
  // "name=caption" of a command, the name alone of a separator.
  auto entry = [](const char* name, const char* caption = nullptr) {
    return QString::fromLatin1(name) + (caption == nullptr ? QString() : "=" + utf8(caption));
  };
  QStringList top;
  for (QAction* a : editor->menuBar()->actions()) top.append(a->objectName() + "=" + a->text());
  EXPECT_EQ(top, QStringList({entry(names::fileMenu, texts::fileMenu),
                              entry(names::editMenu, texts::editMenu),
                              entry(names::checkAction, texts::checkAction),
                              entry(names::executionWindowsAction, texts::executionWindowsAction),
                              entry(names::clearAction, texts::clearAction),
                              entry(names::dialectMenu, texts::dialectMenu),
                              entry(names::helpMenu, texts::helpMenu)}));

  auto items = [this](const char* menu) {
    QStringList shown;
    for (QAction* a : child<QMenu>(menu)->actions()) {
      shown.append(a->objectName() + (a->isSeparator() ? QString() : "=" + a->text()));
    }
    return shown;
  };
  EXPECT_EQ(
      items(names::fileMenu),
      QStringList({entry(names::fileWindowAction, texts::fileWindowAction),
                   entry(names::closeAction, texts::closeAction),
                   entry(names::saveAsAction, texts::saveAsAction),
                   entry(names::fileMenuSeparator1), entry(names::printAction, texts::printAction),
                   entry(names::printerSetupAction, texts::printerSetupAction),
                   entry(names::fileMenuSeparator2), entry(names::endAction, texts::endAction)}));
  EXPECT_EQ(
      items(names::editMenu),
      QStringList({entry(names::cutAction, texts::cutAction),
                   entry(names::copyAction, texts::copyAction),
                   entry(names::pasteAction, texts::pasteAction), entry(names::editMenuSeparator),
                   entry(names::findAction, texts::findAction),
                   entry(names::replaceAction, texts::replaceAction)}));
  EXPECT_EQ(items(names::dialectMenu),
            QStringList({entry(names::standardDialectAction, texts::standardDialectAction),
                         entry(names::workbenchDialectAction, texts::workbenchDialectAction)}));
  EXPECT_EQ(items(names::helpMenu), QStringList({entry(names::helpAction, texts::helpAction)}));
}

TEST_F(EditorWindowTest, EditMenuShortcuts) {
  EXPECT_EQ(action(names::cutAction)->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
  EXPECT_EQ(action(names::copyAction)->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
  EXPECT_EQ(action(names::pasteAction)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
  EXPECT_EQ(action(names::findAction)->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
  EXPECT_EQ(action(names::replaceAction)->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
  for (const char* name : {names::fileWindowAction, names::closeAction, names::saveAsAction,
                           names::printAction, names::endAction, names::checkAction}) {
    EXPECT_TRUE(action(name)->shortcut().isEmpty()) << name;
  }
}

TEST_F(EditorWindowTest, ToolbarButtonsWithPicturesAndToolTips) {
  const QList<QAction*> buttons = child<QToolBar>(names::toolbar)->actions();
  ASSERT_EQ(buttons.size(), 11);
  for (int i = 0; i < 11; ++i) {
    const texts::ToolButtonTexts& expected = texts::toolButtons[i];
    QAction* button = buttons[i];
    EXPECT_EQ(button->objectName(), QString::fromLatin1(names::toolbarItems[i]));
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
  const char* ruled[] = {names::cutAction, names::copyAction, names::findAction,
                         names::replaceAction};
  for (const char* name : ruled) EXPECT_TRUE(action(name)->isEnabled()) << "at opening " << name;

  typeText(sourceEdit(), QStringLiteral("A"));
  for (const char* name : ruled) EXPECT_TRUE(action(name)->isEnabled()) << name;

  // Deleting every character disables the four; paste stays enabled.
  QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QApplication::sendEvent(sourceEdit(), &backspace);
  EXPECT_EQ(text(), QString());
  for (const char* name : ruled) EXPECT_FALSE(action(name)->isEnabled()) << name;
  EXPECT_TRUE(action(names::pasteAction)->isEnabled());

  typeText(sourceEdit(), QStringLiteral("L"));
  for (const char* name : ruled) EXPECT_TRUE(action(name)->isEnabled()) << name;

  dialogs.choiceAnswers.push_back(1);  // the typed text may go unsaved
  trigger(names::clearAction);
  for (const char* name : ruled) EXPECT_FALSE(action(name)->isEnabled()) << name;
  EXPECT_TRUE(action(names::pasteAction)->isEnabled());
}

TEST_F(EditorWindowTest, ClearEmptiesTextAndList) {
  typeText(sourceEdit(), QStringLiteral(" LD GR1,A\n"));
  trigger(names::checkAction);
  ASSERT_GT(messageList()->count(), 0);
  dialogs.choiceAnswers.push_back(1);  // without saving
  trigger(names::clearAction);
  EXPECT_EQ(text(), QString());
  EXPECT_EQ(messageList()->count(), 0);
  EXPECT_EQ(dialogs.choices.size(), 1u);
}

class ClipboardTest : public EditorFixture {
 protected:
  QClipboard* clipboard() const { return QApplication::clipboard(); }
};

TEST_F(ClipboardTest, CutAndCopyWithEmptySelectionLeaveClipboard) {
  clipboard()->setText(QStringLiteral("KEEP"));
  typeText(sourceEdit(), QStringLiteral("LD GR1,A"));
  select(3, 0);
  trigger(names::cutAction);
  trigger(names::copyAction);
  EXPECT_EQ(clipboard()->text(), QStringLiteral("KEEP"));
  EXPECT_EQ(text(), QStringLiteral("LD GR1,A"));
  // The toolbar's buttons do the same.
  action(names::cutButton)->trigger();
  action(names::copyButton)->trigger();
  EXPECT_EQ(clipboard()->text(), QStringLiteral("KEEP"));
  EXPECT_EQ(text(), QStringLiteral("LD GR1,A"));
}

TEST_F(ClipboardTest, CopyPutsSelectionOnClipboard) {
  typeText(sourceEdit(), QStringLiteral("LD GR1,A\nST GR1,B"));
  select(3, 8);
  trigger(names::copyAction);
  EXPECT_EQ(clipboard()->text(), QStringLiteral("GR1,A\nST"));
  EXPECT_EQ(text(), QStringLiteral("LD GR1,A\nST GR1,B"));
}

TEST_F(ClipboardTest, CutMovesSelectionToClipboard) {
  typeText(sourceEdit(), QStringLiteral("LD GR1,A"));
  select(2, 4);
  trigger(names::cutAction);
  EXPECT_EQ(clipboard()->text(), QStringLiteral(" GR1"));
  EXPECT_EQ(text(), QStringLiteral("LD,A"));
  EXPECT_EQ(selectionLength(), 0);
}

TEST_F(ClipboardTest, PasteReplacesSelection) {
  typeText(sourceEdit(), QStringLiteral("LD GR1,A"));
  clipboard()->setText(QStringLiteral("GR2"));
  select(3, 3);
  trigger(names::pasteAction);
  EXPECT_EQ(text(), QStringLiteral("LD GR2,A"));
  select(8, 0);
  action(names::pasteButton)->trigger();
  EXPECT_EQ(text(), QStringLiteral("LD GR2,AGR2"));
}

TEST_F(ClipboardTest, TextBoxKeepsItsOwnCutAndPasteKeys) {
  typeText(sourceEdit(), QStringLiteral("LD GR1,A"));
  select(0, 3);
  QKeyEvent cut(QEvent::KeyPress, Qt::Key_X, Qt::ControlModifier);
  QApplication::sendEvent(sourceEdit(), &cut);
  EXPECT_EQ(clipboard()->text(), QStringLiteral("LD "));
  EXPECT_EQ(text(), QStringLiteral("GR1,A"));
  select(5, 0);
  QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
  QApplication::sendEvent(sourceEdit(), &paste);
  EXPECT_EQ(text(), QStringLiteral("GR1,ALD "));
}

TEST_F(ClipboardTest, PasteTurnsLineEndsIntoNewlines) {
  clipboard()->setText(QStringLiteral("A\r\nB\rC"));
  trigger(names::pasteAction);
  EXPECT_EQ(text(), QStringLiteral("A\nB\nC"));
}

TEST_F(ClipboardTest, PasteWithEmptyOrNonTextClipboardChangesNothing) {
  typeText(sourceEdit(), QStringLiteral("LD GR1,A"));
  select(3, 3);
  clipboard()->setText(QString());
  trigger(names::pasteAction);
  EXPECT_EQ(text(), QStringLiteral("LD GR1,A"));
  EXPECT_EQ(selectedText(), QStringLiteral("GR1"));

  auto* data = new QMimeData;
  data->setData(QStringLiteral("application/octet-stream"), QByteArray("\x01\x02", 2));
  clipboard()->setMimeData(data);
  trigger(names::pasteAction);
  EXPECT_EQ(text(), QStringLiteral("LD GR1,A"));
  EXPECT_EQ(selectedText(), QStringLiteral("GR1"));
}

TEST_F(EditorWindowTest, ExecutionCommandAsksForTheExecutionWindows) {
  int requested = 0;
  QObject::connect(editor.get(), &EditorWindow::executionWindowsRequested, [&] { ++requested; });
  trigger(names::executionWindowsAction);
  EXPECT_EQ(requested, 1);
  EXPECT_TRUE(dialogs.messages.empty());
}

// The printer set-up is one dialog; what it chooses is what the next print
// dialog offers and what the print is made on. A cancelled set-up changes
// nothing.
TEST_F(EditorWindowTest, PrinterSetUpIsOneDialogAndTheNextPrintOffersItsChoice) {
  typeText(sourceEdit(), QStringLiteral("PRG START\n RET\n END\n"));
  trigger(names::checkAction);
  const QPageLayout a3Landscape(QPageSize(QPageSize::A3), QPageLayout::Landscape,
                                QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  dialogs.setUpLayout = a3Landscape;
  trigger(names::printerSetupAction);
  EXPECT_EQ(dialogs.printerSetups, 1);
  EXPECT_EQ(dialogs.printerDialogs, 0);

  dialogs.printToFile = folder.filePath(QStringLiteral("list.pdf"));
  trigger(names::printAction);
  ASSERT_EQ(dialogs.offeredLayouts.size(), 1u);
  EXPECT_TRUE(dialogs.offeredLayouts[0].pageSize().isEquivalentTo(QPageSize(QPageSize::A3)));
  EXPECT_EQ(dialogs.offeredLayouts[0].orientation(), QPageLayout::Landscape);
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {dialogs.printToFile});
  ASSERT_TRUE(info.waitForFinished(30000));
  const QString pages = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(
      pages.contains(QRegularExpression(QStringLiteral("Page size: +1191(\\.\\d+)? x 842"))))
      << pages.toStdString();

  dialogs.acceptPrinterSetup = false;
  dialogs.setUpLayout = QPageLayout(QPageSize(QPageSize::B5), QPageLayout::Portrait, QMarginsF());
  trigger(names::printerSetupAction);
  EXPECT_EQ(dialogs.printerSetups, 2);
  action(names::printButton)->trigger();
  ASSERT_EQ(dialogs.offeredLayouts.size(), 2u);
  EXPECT_TRUE(dialogs.offeredLayouts[1].pageSize().isEquivalentTo(QPageSize(QPageSize::A3)));
  EXPECT_EQ(dialogs.printerDialogs, 2);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EditorWindowTest, PrintCommandsWriteTheListingsToTheChosenPdfFile) {
  typeText(sourceEdit(), QStringLiteral("PRG START\n LD GR1,A\n RET\nA DC 3 ;three\n END\n"));
  trigger(names::checkAction);
  const QString listFile = folder.filePath(QStringLiteral("list.pdf"));
  dialogs.printToFile = listFile;
  trigger(names::printAction);
  EXPECT_EQ(pdfWords(listFile), documentWords([&](Printer& printer) {
              printProgramAndMemory(printer, state->program.source, state->machine.cpu().memory);
            }));
  const QString programFile = folder.filePath(QStringLiteral("program.pdf"));
  dialogs.printToFile = programFile;
  action(names::printButton)->trigger();
  EXPECT_EQ(pdfWords(programFile), documentWords([&](Printer& printer) {
              printProgramList(printer, state->program.source);
            }));
  EXPECT_EQ(dialogs.printerDialogs, 2);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EditorWindowTest, CancelledPrintDialogPrintsNothing) {
  dialogs.acceptPrinter = false;
  dialogs.printToFile = folder.filePath(QStringLiteral("never.pdf"));
  trigger(names::printAction);
  EXPECT_FALSE(QFile::exists(dialogs.printToFile));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EditorWindowTest, HelpShowsUsageWindow) {
  trigger(names::helpAction);
  auto* help = child<HelpWindow>(names::helpWindow);
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(help->isModal());
  QString checkCommand = utf8(texts::checkAction);
  checkCommand.remove(QStringLiteral("(&O)"));
  EXPECT_TRUE(usageHelpHtml().contains(checkCommand));
  EXPECT_TRUE(usageHelpHtml().contains(QStringLiteral("Ctrl+T")));
  EXPECT_FALSE(usageHelpHtml().contains(QLatin1Char('{')));
  trigger(names::helpAction);
  EXPECT_EQ(editor->findChildren<HelpWindow*>().size(), 1);
}

}  // namespace
}  // namespace casl2wb::testing
