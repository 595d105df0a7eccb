// The two dialects in the windows: the choice and its memory, the check and
// the run of a standard program as the text front end makes them, and its
// replay in the editor.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/messages.h"
#include "editor_fixture.h"
#include "views/execution_windows.h"
#include "views/source_edit.h"
#include "views/text_conversion.h"
#include "views/trace_window.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;

// A line read, doubled by a subroutine of a second unit, written back; then
// the end of input.
const QString standardProgram = QStringLiteral(
    "; echo a line and its length\n"
    "MAIN\tSTART\n"
    "LOOP\tIN\tBUF,LEN\n"
    "\tLD\tGR1,LEN\n"
    "\tJMI\tFIN\n"
    "\tCALL\tTWICE\n"
    "\tOUT\tBUF,LEN\n"
    "\tJUMP\tLOOP\n"
    "FIN\tRET\n"
    "BUF\tDS\t80\n"
    "LEN\tDS\t1\n"
    "\tEND\n"
    "TWICE\tSTART\n"
    "\tADDA\tGR1,GR1\n"
    "\tRET\n"
    "\tEND\n");

class DialectTest : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    windows = std::make_unique<ExecutionWindows>(*editor, *state, dialogs);
  }
  void TearDown() override { windows.reset(); }

  QString dialectStatus() const { return child<QLabel>(names::dialectStatus)->text(); }
  void checkAndRun(const QString& source, std::deque<std::optional<QString>> input) {
    trigger(names::standardDialectAction);
    sourceEdit()->setPlainText(source);
    trigger(names::checkAction);
    trigger(names::executionWindowsAction);
    execution = windows->execution();
    dialogs.inputs = std::move(input);
    execution->findChild<QAction*>(QString::fromLatin1(names::runAction))->trigger();
  }
  QString value(const char* name) const {
    return execution->findChild<QLabel*>(QString::fromLatin1(name))->text();
  }
  // What the text front end prints for the program in the standard dialect.
  QStringList cli(const QStringList& arguments, const QByteArray& input = {}) {
    const QString path = folder.filePath(QStringLiteral("program.cas"));
    writeFile(path, standardProgram.toUtf8());
    QProcess process;
    process.start(QStringLiteral(CASL2WB_CLI), QStringList(arguments)
                                                   << QStringLiteral("--dialect")
                                                   << QStringLiteral("standard") << path);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    QString out = QString::fromUtf8(process.readAllStandardOutput());
    out.chop(1);
    return out.split(QLatin1Char('\n'));
  }

  std::unique_ptr<ExecutionWindows> windows;
  ExecutionWindow* execution = nullptr;
};

TEST_F(DialectTest, TheChoiceIsShownCheckedAndRemembered) {
  const auto shown = [](Message name) {
    return shownMessage(Message::StdDialectCaption, {formatMessage(name)});
  };
  EXPECT_EQ(dialectStatus(), shown(Message::WorkbenchDialectName));
  EXPECT_TRUE(action(names::workbenchDialectAction)->isChecked());
  sourceEdit()->setPlainText(QStringLiteral("A\tSTART\n\tRET\n\tEND\n"));
  EXPECT_TRUE(child<QLabel>(names::tabNotice)->isVisibleTo(editor.get()));

  trigger(names::standardDialectAction);
  EXPECT_EQ(dialectStatus(), shown(Message::StdDialectName));
  EXPECT_TRUE(action(names::standardDialectAction)->isChecked());
  EXPECT_FALSE(action(names::workbenchDialectAction)->isChecked());
  // Tabs are field separators of standard CASL II: nothing to convert.
  EXPECT_FALSE(child<QLabel>(names::tabNotice)->isVisibleTo(editor.get()));

  // A fresh start over the same work folder reads the text as before.
  windows.reset();
  editor.reset();
  state = std::make_unique<WorkbenchState>(workFolder.toStdString());
  editor = std::make_unique<EditorWindow>(*state, dialogs);
  windows = std::make_unique<ExecutionWindows>(*editor, *state, dialogs);
  EXPECT_EQ(state->dialect, Dialect::Standard);
  EXPECT_EQ(dialectStatus(), shown(Message::StdDialectName));
  EXPECT_TRUE(action(names::standardDialectAction)->isChecked());
}

TEST_F(DialectTest, OnlyAProgramWithoutErrorsRuns) {
  trigger(names::standardDialectAction);
  trigger(names::executionWindowsAction);
  execution = windows->execution();
  QAction* run = execution->findChild<QAction*>(QString::fromLatin1(names::runAction));
  run->trigger();  // nothing checked yet
  sourceEdit()->setPlainText(QStringLiteral("P START\n LD GR9,1\n END\n"));
  trigger(names::checkAction);
  run->trigger();
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text, shownMessage(Message::RunWithoutProgram));
  EXPECT_EQ(dialogs.messages[1].text, shownMessage(Message::RunAfterErrors));
  EXPECT_EQ(static_cast<SourceEdit*>(sourceEdit())->textCursor().blockNumber(), 1);
}

TEST_F(DialectTest, AProgramCheckedInTheOtherDialectMustBeCheckedAgain) {
  checkAndRun(standardProgram, {QStringLiteral("AB")});
  ASSERT_TRUE(dialogs.messages.empty());
  trigger(names::workbenchDialectAction);
  trigger(names::standardDialectAction);
  execution->findChild<QAction*>(QString::fromLatin1(names::runAction))->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, shownMessage(Message::ProgramChangedSinceCheck));
  EXPECT_FALSE(
      execution->findChild<QPushButton*>(QString::fromLatin1(names::stepButton))->isEnabled());
}

TEST_F(DialectTest, TheCheckAndTheRunAreTheTextFrontEnds) {
  checkAndRun(standardProgram, {QStringLiteral("ABC"), QString()});
  const QStringList checked = cli({QStringLiteral("check")});
  EXPECT_EQ(listItems(messageList()), checked);

  // The window's list: OUT's lines and how the run ended, then the memory.
  const QStringList run = cli({QStringLiteral("run")}, "ABC\n\n");
  const QStringList list = listItems(execution->outputList());
  ASSERT_GE(list.size(), 3);
  EXPECT_EQ(list.mid(0, 3), run.mid(0, 3));
  EXPECT_TRUE(list[3].startsWith(QStringLiteral("0000: ")));
  EXPECT_EQ(value(names::grValues[1]), run[3 + 5].mid(4));
  EXPECT_EQ(value(names::programRegisterValue), run[3 + 1].mid(3));
  EXPECT_EQ(value(names::mnemonicValue), QStringLiteral("RET"));
  EXPECT_EQ(dialogs.inputRequests.size(), 3u);  // the third is cancelled: the end of input
  EXPECT_EQ(listItems(execution->programOutputList()).mid(1),
            (QStringList{QStringLiteral("ABC"), QString()}));

  // The memory from an address asked for.
  auto* box = execution->findChild<QLineEdit*>(QString::fromLatin1(names::addressBox));
  ASSERT_TRUE(box->isVisibleTo(execution));
  box->setText(QStringLiteral("#FFF9"));
  emit box->returnPressed();
  EXPECT_EQ(listItems(execution->outputList()).last(),
            QStringLiteral("FFF8: 0000 0000 0000 0000 0000 0000 0000 0000"));
}

TEST_F(DialectTest, TheReplayShowsEachStepsLineInTheEditor) {
  checkAndRun(standardProgram, {QStringLiteral("A")});
  auto* box = static_cast<SourceEdit*>(sourceEdit());
  auto* forward = execution->findChild<QPushButton*>(QString::fromLatin1(names::stepButton));
  ASSERT_TRUE(forward->isEnabled());
  // IN is seven steps at line 3; then LD at 4, JMI at 5, CALL at 6, ADDA in
  // the second unit at 14.
  // The trace window selects the address of the step's instruction in the
  // translation.
  std::vector<int> lines;
  QStringList selected;
  for (int k = 0; k < 11; ++k) {
    forward->click();
    lines.push_back(box->stepLine());
    selected << windows->trace()->textBox()->textCursor().selectedText();
  }
  EXPECT_EQ(lines, (std::vector<int>{3, 3, 3, 3, 3, 3, 3, 4, 5, 6, 14}));
  EXPECT_EQ(selected.mid(0, 3), (QStringList{QStringLiteral("0000 "), QStringLiteral("0002 "),
                                             QStringLiteral("0004 ")}));
  EXPECT_EQ(selected.last(), QStringLiteral("0072 "));  // ADDA, after MAIN's 114 words
  EXPECT_EQ(value(names::mnemonicValue), QStringLiteral("RET"));
  EXPECT_EQ(value(names::grValues[1]), QStringLiteral("0002"));
}

}  // namespace
}  // namespace casl2wb::testing
