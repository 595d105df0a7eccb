// The whole road on the desktop: a program typed into the editor, checked,
// the execution windows opened, run with a scripted input box and replayed
// step by step; compared with the text front end on the same program.
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>

#include "editor_fixture.h"
#include "pdf_text.h"
#include "printing/listings.h"
#include "views/execution_windows.h"

namespace casl2wb::testing {
namespace {

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
    windows = std::make_unique<ExecutionWindows>(*form1, *state, dialogs);
  }
  void TearDown() override { windows.reset(); }

  // Types the example into the editor, checks it and opens the windows.
  void typeCheckAndOpen(const QString& example) {
    typeCheckAndOpenFile(QStringLiteral(CASL2WB_EXAMPLES "/") + example);
  }
  void typeCheckAndOpenFile(const QString& path) {
    const QString source = readFile(path);
    typeText(txtdpbox(), QString(source).remove(QLatin1Char('\r')));
    trigger("errchkjika");
    trigger("jikkoug");
    ASSERT_NE(windows->execution(), nullptr);
    form3 = windows->execution();
    form7 = windows->trace();
  }
  QAction* form3Action(const char* name) const {
    return form3->findChild<QAction*>(QString::fromLatin1(name));
  }
  QString label(const char* name) const {
    return form3->findChild<QLabel*>(QString::fromLatin1(name))->text();
  }
  // The panel in the order the text front end prints it.
  QStringList panelLines() const {
    QStringList lines = {
        QStringLiteral("命令語：") + label("comand"), QStringLiteral("PR：") + label("Label1"),
        QStringLiteral("FR：") + label("Label8"), QStringLiteral("SP：") + label("Label5")};
    const char* grLabels[] = {"Label2", "Label3",  "Label4",  "Label6",
                              "Label7", "Label24", "Label25", "Label26"};
    for (int n = 0; n < 8; ++n) lines.append(QStringLiteral("GR%1：").arg(n) + label(grLabels[n]));
    return lines;
  }
  // The trace window's selection as the text front end's replay shows it:
  // line and column (in characters) of its start, and its length.
  QString selectionPlace() const {
    const QTextCursor cursor = form7->text1()->textCursor();
    const QTextBlock block = form7->text1()->document()->findBlock(cursor.selectionStart());
    const auto column =
        block.text().left(cursor.selectionStart() - block.position()).toUcs4().size() + 1;
    return QStringLiteral("選択：%1,%2,%3")
        .arg(block.blockNumber() + 1)
        .arg(column)
        .arg(cursor.selectedText().toUcs4().size());
  }
  QString selectedTrace() const {
    const QTextCursor cursor = form7->text1()->textCursor();
    return cursor.selectedText();
  }
  void pressStep() const { form3->findChild<QPushButton*>(QStringLiteral("cmdadd"))->click(); }

  std::unique_ptr<ExecutionWindows> windows;
  ExecutionWindow* form3 = nullptr;
  TraceWindow* form7 = nullptr;
};

TEST_F(ExecutionRoad, RunAndReplayMatchTheTextFrontEnd) {
  typeCheckAndOpen(QStringLiteral("echo.txt"));
  EXPECT_TRUE(form3->isVisible());
  EXPECT_TRUE(form7->isVisible());
  EXPECT_EQ(form3->windowTitle(), QStringLiteral("COMETⅡ 実行"));
  EXPECT_EQ(form7->windowTitle(), QStringLiteral("プログラムトレース"));
  const QString example = QStringLiteral(CASL2WB_EXAMPLES "/echo.txt");
  // The trace text box holds the text with its CR LF as line breaks.
  EXPECT_EQ(form7->text1()->toPlainText().toStdString(),
            cliOutput({QStringLiteral("trace"), example}).toStdString());

  dialogs.inputs = {QStringLiteral("COMET")};
  form3Action("jikoum")->trigger();
  ASSERT_EQ(dialogs.inputRequests.size(), 1u);
  EXPECT_EQ(dialogs.inputRequests[0], QStringLiteral("IN命令の入力|IN|0"));
  const QStringList shown = listItems(form3->list1()) + panelLines();
  const QString cli = cliOutput({QStringLiteral("run"), example, QStringLiteral("--input"),
                                 QStringLiteral(CASL2WB_TEST_DATA "/golden/echo.input")});
  EXPECT_EQ(shown.join(QLatin1Char('\n')) + QLatin1Char('\n'), cli);

  // ">>": slot 0 is the IN at 0000, slot 2 the CALL at 0005, slot 3 the
  // subroutine's ADDA at 000E.
  pressStep();
  EXPECT_EQ(label("Label1"), QStringLiteral("0"));
  EXPECT_EQ(label("comand"), QStringLiteral("IN"));
  EXPECT_EQ(selectedTrace(), QStringLiteral("0000 "));
  EXPECT_EQ(form3->list1()->count(), 33);
  EXPECT_EQ(form3->list1()->item(17)->text().left(11), QStringLiteral(" 0010(0043)"));
  pressStep();
  pressStep();
  EXPECT_EQ(label("Label1"), QStringLiteral("5"));
  EXPECT_EQ(label("Label5"), QStringLiteral("00FF"));
  EXPECT_EQ(selectedTrace(), QStringLiteral("0005 "));
  pressStep();
  EXPECT_EQ(label("Label1"), QStringLiteral("E"));
  EXPECT_EQ(label("Label3"), QStringLiteral("000A"));
  EXPECT_EQ(selectedTrace(), QStringLiteral("000E "));
  for (int press = 4; press < 8; ++press) pressStep();
  EXPECT_EQ(label("comand"), QStringLiteral("DMP"));
  pressStep();  // past the last step: the first step again
  EXPECT_EQ(label("Label1"), QStringLiteral("0"));
  EXPECT_EQ(selectedTrace(), QStringLiteral("0000 "));
}

TEST_F(ExecutionRoad, ReplayMatchesTheTextFrontEndPressByPress) {
  // IN, PUSH, CALL, RPUSH and RPOP, after a comment with a character that
  // the text box holds as two UTF-16 units.
  const QString program = QStringLiteral(CASL2WB_TEST_DATA "/golden/replay_stack.txt");
  const QString input = QStringLiteral(CASL2WB_TEST_DATA "/golden/replay_stack.input");
  typeCheckAndOpenFile(program);
  dialogs.inputs = {QStringLiteral("AB")};
  form3Action("jikoum")->trigger();
  QStringList shown;
  const int presses = 11;  // nine steps, then the first two again
  for (int press = 1; press <= presses; ++press) {
    pressStep();
    shown << QStringLiteral(">> %1").arg(press) << panelLines() << selectionPlace()
          << listItems(form3->list1());
  }
  const QString cli = cliOutput({QStringLiteral("replay"), program, QStringLiteral("--input"),
                                 input, QStringLiteral("--presses"), QString::number(presses)});
  EXPECT_EQ((shown.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString(), cli.toStdString());
  EXPECT_TRUE(cli.contains(QStringLiteral("\n選択：1,1,0\n")));  // the RPOP step
  EXPECT_TRUE(cli.contains(QStringLiteral(" 00FF(0005)")));      // the PUSH at its own step
}

TEST_F(ExecutionRoad, ALongRunShowsTheHistoryNoticeOnce) {
  typeText(txtdpbox(), QStringLiteral("PRG START\nL JUMP L\n RET\n END\n"));
  trigger("errchkjika");
  trigger("jikkoug");
  form3 = windows->execution();
  form3Action("jikoum")->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("COMETⅡ 実行"));
  EXPECT_EQ(
      dialogs.messages[0].text,
      QStringLiteral(
          "実行回数が９９９回を越えていますのでメモリの変化のトレースは９９９回までとします。"));
}

TEST_F(ExecutionRoad, TheWindowsAreMadeOnceAndTheTraceTextFollowsEveryCheck) {
  trigger("jikkoug");
  ExecutionWindow* first = windows->execution();
  trigger("jikkoug");
  EXPECT_EQ(windows->execution(), first);
  EXPECT_EQ(first->parentWidget(), windows->trace());
  typeText(txtdpbox(), QStringLiteral("PRG START\n RET\n END\n"));
  trigger("errchkjika");
  EXPECT_TRUE(windows->trace()->text1()->toPlainText().startsWith(QStringLiteral("   ")));
  EXPECT_TRUE(windows->trace()->text1()->toPlainText().contains(QStringLiteral("0000  ")));
}

TEST_F(ExecutionRoad, CancelledInputGivesTheLengthFFFF) {
  typeCheckAndOpen(QStringLiteral("echo.txt"));
  form3Action("jikoum")->trigger();                       // no scripted entry: the box is cancelled
  EXPECT_EQ(state->memory.memText[0x19].text(), "FFFE");  // TWICE: the length FFFF doubled
  EXPECT_EQ(state->memory.memText[0x18].text(), "0001");  // OUT counted only the length word
}

TEST_F(ExecutionRoad, PrintCommandsWriteTheCoreDocumentsToPdf) {
  typeCheckAndOpen(QStringLiteral("echo.txt"));
  dialogs.inputs = {QStringLiteral("COMET")};
  form3Action("jikoum")->trigger();

  const QString listFile = folder.filePath(QStringLiteral("printi.pdf"));
  dialogs.printToFile = listFile;
  form3Action("printi")->trigger();
  EXPECT_EQ(pdfWords(listFile), documentWords([&](Printer& printer) {
              printi(printer, state->table, state->machine);
            }));

  const QString traceFile = folder.filePath(QStringLiteral("printcpu.pdf"));
  dialogs.printToFile = traceFile;
  form3Action("printcpu")->trigger();
  EXPECT_EQ(pdfWords(traceFile), documentWords([&](Printer& printer) {
              printcpu(printer, state->table, state->machine);
            }));

  const QString imageFile = folder.filePath(QStringLiteral("printg.pdf"));
  dialogs.printToFile = imageFile;
  form3Action("printg")->trigger();
  EXPECT_TRUE(QFile(imageFile).size() > 1000);
  EXPECT_EQ(pdfWords(imageFile), QStringList());  // a picture, no text
  EXPECT_EQ(dialogs.printerDialogs, 3);
}

TEST_F(ExecutionRoad, TraceWindowMenusShowTheEditorAndEndThroughIt) {
  bool ended = false;
  QObject::connect(form1.get(), &EditorWindow::programEnded, [&] { ended = true; });
  trigger("jikkoug");
  form1->hide();
  windows->trace()->findChild<QAction*>(QStringLiteral("homemenyu"))->trigger();
  EXPECT_TRUE(form1->isVisible());
  typeText(txtdpbox(), QStringLiteral("X"));  // an edit in no file: ending asks first
  windows->trace()->findChild<QAction*>(QStringLiteral("jobend"))->trigger();
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_FALSE(ended);  // the scripted answer is No
  dialogs.questionAnswers = {true};
  windows->trace()->findChild<QAction*>(QStringLiteral("jobend"))->trigger();
  EXPECT_TRUE(ended);
}

}  // namespace
}  // namespace casl2wb::testing
