// The whole road on the desktop: a program typed into the editor, checked,
// the execution windows opened, run with a scripted input box and replayed
// step by step; compared with the text front end on the same program.
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>

#include "documents/listings.h"
#include "editor_fixture.h"
#include "pdf_text.h"
#include "views/execution_windows.h"
#include "views/source_edit.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;

QString cliOutput(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(CASL2WB_CLI), arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

class ExecutionRoad : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    windows = std::make_unique<ExecutionWindows>(*editor, *state, dialogs);
  }
  void TearDown() override { windows.reset(); }

  // Types the example into the editor, checks it and opens the windows.
  void typeCheckAndOpen(const QString& example) {
    typeCheckAndOpenFile(QStringLiteral(CASL2WB_EXAMPLES "/") + example);
  }
  void typeCheckAndOpenFile(const QString& path) {
    const QString source = readFile(path);
    typeText(sourceEdit(), QString(source).remove(QLatin1Char('\r')));
    trigger(names::checkAction);
    trigger(names::executionWindowsAction);
    ASSERT_NE(windows->execution(), nullptr);
    execution = windows->execution();
    trace = windows->trace();
  }
  QAction* executionAction(const char* name) const {
    return execution->findChild<QAction*>(QString::fromLatin1(name));
  }
  QString label(const char* name) const {
    return execution->findChild<QLabel*>(QString::fromLatin1(name))->text();
  }
  // The panel in the order the text front end prints it.
  QStringList panelLines() const {
    QStringList lines = {QStringLiteral("命令語：") + label(names::mnemonicValue),
                         QStringLiteral("PR：") + label(names::programRegisterValue),
                         QStringLiteral("FR：") + label(names::flagsValue),
                         QStringLiteral("SP：") + label(names::stackPointerValue)};
    for (int n = 0; n < 8; ++n) {
      lines.append(QStringLiteral("GR%1：").arg(n) + label(names::grValues[n]));
    }
    return lines;
  }
  // The trace window's selection as the text front end's replay shows it:
  // line and column (in characters) of its start, and its length.
  QString selectionPlace() const {
    const QTextCursor cursor = trace->textBox()->textCursor();
    const QTextBlock block = trace->textBox()->document()->findBlock(cursor.selectionStart());
    const auto column =
        block.text().left(cursor.selectionStart() - block.position()).toUcs4().size() + 1;
    return QStringLiteral("選択：%1,%2,%3")
        .arg(block.blockNumber() + 1)
        .arg(column)
        .arg(cursor.selectedText().toUcs4().size());
  }
  QString selectedTrace() const {
    const QTextCursor cursor = trace->textBox()->textCursor();
    return cursor.selectedText();
  }
  void pressStep() const {
    execution->findChild<QPushButton*>(QString::fromLatin1(names::stepButton))->click();
  }

  std::unique_ptr<ExecutionWindows> windows;
  ExecutionWindow* execution = nullptr;
  TraceWindow* trace = nullptr;
};

TEST_F(ExecutionRoad, RunAndReplayMatchTheTextFrontEnd) {
  typeCheckAndOpen(QStringLiteral("echo.txt"));
  EXPECT_TRUE(execution->isVisible());
  EXPECT_TRUE(trace->isVisible());
  EXPECT_EQ(execution->windowTitle(), QStringLiteral("COMETⅡ 実行"));
  EXPECT_EQ(trace->windowTitle(), QStringLiteral("プログラムトレース"));
  const QString example = QStringLiteral(CASL2WB_EXAMPLES "/echo.txt");
  // The trace text box holds the text with its CR LF as line breaks.
  EXPECT_EQ(trace->textBox()->toPlainText().toStdString(),
            cliOutput({QStringLiteral("trace"), example}).toStdString());

  dialogs.inputs = {QStringLiteral("COMET")};
  executionAction(names::runAction)->trigger();
  ASSERT_EQ(dialogs.inputRequests.size(), 1u);
  EXPECT_EQ(dialogs.inputRequests[0], QStringLiteral("IN命令の入力|IN|0"));
  const QStringList shown = listItems(execution->outputList()) + panelLines();
  const QString cli = cliOutput({QStringLiteral("run"), example, QStringLiteral("--input"),
                                 QStringLiteral(CASL2WB_TEST_DATA "/golden/echo.input")});
  EXPECT_EQ(shown.join(QLatin1Char('\n')) + QLatin1Char('\n'), cli);

  // ">>": slot 0 is the IN at 0000, slot 2 the CALL at 0005, slot 3 the
  // subroutine's ADDA at 000E.
  pressStep();
  EXPECT_EQ(label(names::programRegisterValue), QStringLiteral("0"));
  EXPECT_EQ(label(names::mnemonicValue), QStringLiteral("IN"));
  EXPECT_EQ(selectedTrace(), QStringLiteral("0000 "));
  EXPECT_EQ(rowCount(execution->outputList()), 33);
  EXPECT_EQ(rowText(execution->outputList(), 17).left(11), QStringLiteral(" 0010(0043)"));
  pressStep();
  pressStep();
  EXPECT_EQ(label(names::programRegisterValue), QStringLiteral("5"));
  EXPECT_EQ(label(names::stackPointerValue), QStringLiteral("00FF"));
  EXPECT_EQ(selectedTrace(), QStringLiteral("0005 "));
  pressStep();
  EXPECT_EQ(label(names::programRegisterValue), QStringLiteral("E"));
  EXPECT_EQ(label(names::grValues[1]), QStringLiteral("000A"));
  EXPECT_EQ(selectedTrace(), QStringLiteral("000E "));
  for (int press = 4; press < 8; ++press) pressStep();
  EXPECT_EQ(label(names::mnemonicValue), QStringLiteral("DMP"));
  pressStep();  // past the last step: the first step again
  EXPECT_EQ(label(names::programRegisterValue), QStringLiteral("0"));
  EXPECT_EQ(selectedTrace(), QStringLiteral("0000 "));
}

TEST_F(ExecutionRoad, ReplayMatchesTheTextFrontEndPressByPress) {
  // IN, PUSH, CALL, RPUSH and RPOP, after a comment with a character that
  // the text box holds as two UTF-16 units.
  const QString program = QStringLiteral(CASL2WB_TEST_DATA "/golden/replay_stack.txt");
  const QString input = QStringLiteral(CASL2WB_TEST_DATA "/golden/replay_stack.input");
  typeCheckAndOpenFile(program);
  dialogs.inputs = {QStringLiteral("AB")};
  executionAction(names::runAction)->trigger();
  QStringList shown;
  const int presses = 11;  // nine steps, then the first two again
  for (int press = 1; press <= presses; ++press) {
    pressStep();
    shown << QStringLiteral(">> %1").arg(press) << panelLines() << selectionPlace()
          << listItems(execution->outputList());
  }
  const QString cli = cliOutput({QStringLiteral("replay"), program, QStringLiteral("--input"),
                                 input, QStringLiteral("--presses"), QString::number(presses)});
  EXPECT_EQ((shown.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString(), cli.toStdString());
  EXPECT_TRUE(cli.contains(QStringLiteral("\n選択：1,1,0\n")));  // the RPOP step
  EXPECT_TRUE(cli.contains(QStringLiteral(" 00FF(0005)")));      // the PUSH at its own step
}

TEST_F(ExecutionRoad, ALongRunShowsTheHistoryNoticeOnce) {
  typeText(sourceEdit(), QStringLiteral("PRG START\nL JUMP L\n RET\n END\n"));
  trigger(names::checkAction);
  trigger(names::executionWindowsAction);
  execution = windows->execution();
  executionAction(names::runAction)->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("COMETⅡ 実行"));
  EXPECT_EQ(
      dialogs.messages[0].text,
      QStringLiteral(
          "実行回数が９９９回を越えていますのでメモリの変化のトレースは９９９回までとします。"));
}

TEST_F(ExecutionRoad, TheWindowsAreMadeOnceAndTheTraceTextFollowsEveryCheck) {
  trigger(names::executionWindowsAction);
  ExecutionWindow* first = windows->execution();
  trigger(names::executionWindowsAction);
  EXPECT_EQ(windows->execution(), first);
  EXPECT_EQ(first->parentWidget(), windows->trace());
  typeText(sourceEdit(), QStringLiteral("PRG START\n RET\n END\n"));
  trigger(names::checkAction);
  EXPECT_TRUE(windows->trace()->textBox()->toPlainText().startsWith(QStringLiteral("   ")));
  EXPECT_TRUE(windows->trace()->textBox()->toPlainText().contains(QStringLiteral("0000  ")));
}

TEST_F(ExecutionRoad, CancelledInputGivesTheLengthFFFF) {
  typeCheckAndOpen(QStringLiteral("echo.txt"));
  executionAction(names::runAction)->trigger();  // no scripted entry: the box is cancelled
  EXPECT_EQ(state->machine.cpu().memory[0x19].text(), "FFFE");  // TWICE: the length FFFF doubled
  EXPECT_EQ(state->machine.cpu().memory[0x18].text(), "0001");  // OUT counted only the length word
}

TEST_F(ExecutionRoad, PrintCommandsWriteTheCoreDocumentsToPdf) {
  typeCheckAndOpen(QStringLiteral("echo.txt"));
  dialogs.inputs = {QStringLiteral("COMET")};
  executionAction(names::runAction)->trigger();

  const QString listFile = folder.filePath(QStringLiteral("run_result.pdf"));
  dialogs.printToFile = listFile;
  executionAction(names::printRunAction)->trigger();
  EXPECT_EQ(pdfWords(listFile), documentWords([&](Printer& printer) {
              printRunResult(printer, state->program.source, state->machine);
            }));

  const QString traceFile = folder.filePath(QStringLiteral("cpu_trace.pdf"));
  dialogs.printToFile = traceFile;
  executionAction(names::printCpuTraceAction)->trigger();
  EXPECT_EQ(pdfWords(traceFile), documentWords([&](Printer& printer) {
              printCpuTrace(printer, state->program.source, state->machine);
            }));

  const QString imageFile = folder.filePath(QStringLiteral("screen_copy.pdf"));
  dialogs.printToFile = imageFile;
  executionAction(names::screenCopyAction)->trigger();
  EXPECT_TRUE(QFile(imageFile).size() > 1000);
  EXPECT_EQ(pdfWords(imageFile), QStringList());  // a picture, no text
  EXPECT_EQ(dialogs.printerDialogs, 3);
}

TEST_F(ExecutionRoad, TraceWindowMenusShowTheEditorAndEndThroughIt) {
  bool ended = false;
  QObject::connect(editor.get(), &EditorWindow::programEnded, [&] { ended = true; });
  trigger(names::executionWindowsAction);
  editor->hide();
  windows->trace()->findChild<QAction*>(QString::fromLatin1(names::homeAction))->trigger();
  EXPECT_TRUE(editor->isVisible());
  typeText(sourceEdit(), QStringLiteral("X"));  // an edit in no file: ending asks first
  windows->trace()->findChild<QAction*>(QString::fromLatin1(names::endProgramAction))->trigger();
  EXPECT_EQ(dialogs.choices.size(), 1u);
  EXPECT_FALSE(ended);          // the box was closed: nothing happens
  dialogs.choiceAnswers = {1};  // without saving
  windows->trace()->findChild<QAction*>(QString::fromLatin1(names::endProgramAction))->trigger();
  EXPECT_TRUE(ended);
}

// A breakpoint set in the editor stops the replay's breakpoint buttons, and
// the editor highlights the line of every step shown, also after lines were
// added above since the check.
TEST_F(ExecutionRoad, TheReplayStopsAtTheEditorsBreakpointsAndShowsItsStepThere) {
  typeCheckAndOpen(QStringLiteral("echo.txt"));
  dialogs.inputs = {QStringLiteral("AB")};
  executionAction(names::runAction)->trigger();
  auto* program = dynamic_cast<SourceEdit*>(sourceEdit());
  ASSERT_NE(program, nullptr);
  // The line of the ADDA of DOUBLE, with a line added above it.
  const QStringList lines = text().split(QLatin1Char('\n'));
  const int adda =
      static_cast<int>(lines.indexOf(QRegularExpression(QStringLiteral(".*ADDA.*")))) + 1;
  ASSERT_GT(adda, 1);
  select(0, 0);
  typeText(sourceEdit(), QStringLiteral("; added\n"));
  program->toggleBreakpoint(adda + 1);
  auto* next = execution->findChild<QPushButton*>(QString::fromLatin1(names::nextBreakButton));
  next->click();
  ASSERT_GT(execution->shownStep(), 0);
  EXPECT_EQ(label(names::mnemonicValue), QStringLiteral("ADDA"));
  EXPECT_EQ(program->stepLine(), adda + 1);
  pressStep();
  EXPECT_EQ(program->stepLine(), adda + 2);  // the RET of DOUBLE
  // A new check ends the replay and its line.
  trigger(names::checkAction);
  EXPECT_EQ(program->stepLine(), 0);
}

}  // namespace
}  // namespace casl2wb::testing
