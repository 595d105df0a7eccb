// The execution window beyond what the text front end shows: runs refused
// without a runnable program, the read-only trace text, where the list is
// scrolled, the step counter, "<<", the marks of what a step changed and the
// status line of the last run.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <functional>
#include <optional>
#include <set>

#include "base/messages.h"
#include "documents/run_dumps.h"
#include "documents/step_changes.h"
#include "editor_fixture.h"
#include "views/changed_cells_delegate.h"
#include "views/execution_texts.h"
#include "views/execution_windows.h"
#include "views/lines_model.h"
#include "views/text_conversion.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;

const QString echoProgram = QStringLiteral(
    "ECHO START MAIN\n"
    "MAIN IN BUF,LEN\n"
    " LD GR1,LEN\n"
    " CALL DOUBLE\n"
    " ST GR1,TWICE\n"
    " OUT BUF,LEN\n"
    " DMP\n"
    " RET\n"
    "DOUBLE ADDA GR1,GR1\n"
    " RET\n"
    "BUF DS 8\n"
    "LEN DS 1\n"
    "TWICE DS 1\n"
    " END\n");
// Eight recorded steps: IN, LD, CALL, ADDA, RET, ST, OUT, DMP.
constexpr int echoSteps = 8;
const QString errorProgram = QStringLiteral("PRG START\n LD GR9,A\n RET\n END\n");
// Checked without errors, but the translation finds it too large.
const QString tooLargeProgram = QStringLiteral("PRG START\nA DS 65535\n RET\n END\n");
const QString returnOnlyProgram = QStringLiteral("PRG START\n RET\n END\n");

// The panel's value labels that a step may mark.
const char* const markableValues[] = {
    names::grValues[0], names::grValues[1],      names::grValues[2], names::grValues[3],
    names::grValues[4], names::grValues[5],      names::grValues[6], names::grValues[7],
    names::flagsValue,  names::stackPointerValue};

class ExecutionWindowTest : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    windows = std::make_unique<ExecutionWindows>(*editor, *state, dialogs);
  }
  void TearDown() override { windows.reset(); }

  // A fresh workbench, as when the program has just started.
  void restart() {
    windows.reset();
    editor.reset();
    dialogs = ScriptedDialogs();
    state = std::make_unique<WorkbenchState>(workFolder.toStdString());
    editor = std::make_unique<EditorWindow>(*state, dialogs);
    editor->show();
    windows = std::make_unique<ExecutionWindows>(*editor, *state, dialogs);
    execution = nullptr;
    trace = nullptr;
  }

  void check(const QString& source) {
    sourceEdit()->setPlainText(source);
    trigger(names::checkAction);
  }
  void open() {
    trigger(names::executionWindowsAction);
    execution = windows->execution();
    trace = windows->trace();
    ASSERT_NE(execution, nullptr);
  }
  void checkAndOpen(const QString& source) {
    check(source);
    open();
  }
  void run(const QString& input = QStringLiteral("COMET")) {
    dialogs.inputs = {input};
    execution->findChild<QAction*>(QString::fromLatin1(names::runAction))->trigger();
  }
  QPushButton* button(const char* name) const {
    return execution->findChild<QPushButton*>(QString::fromLatin1(name));
  }
  void forward() const { button(names::stepButton)->click(); }
  void back() const { button(names::stepBackButton)->click(); }
  QLabel* label(const char* name) const {
    return execution->findChild<QLabel*>(QString::fromLatin1(name));
  }
  QString counter() const { return label(names::stepCounter)->text(); }
  static QString stepText(int shown, int steps) {
    return shownMessage(Message::ReplayStep, {std::to_string(shown), std::to_string(steps)});
  }
  QString traceText() const { return trace->textBox()->toPlainText(); }

  // Everything a replay step shows: the panel, the trace selection and the list.
  QStringList shownStep() const {
    QStringList shown;
    for (const auto& cell : execution_texts::panelCells) shown << label(cell.valueName)->text();
    const QTextCursor cursor = trace->textBox()->textCursor();
    shown << QStringLiteral("%1,%2").arg(cursor.selectionStart()).arg(cursor.selectionEnd());
    return shown + listItems(execution->outputList());
  }
  std::set<std::string> markedValues() const {
    std::set<std::string> marked;
    for (const char* name : markableValues) {
      if (label(name)->property(ExecutionWindow::changedProperty).toBool()) marked.insert(name);
    }
    return marked;
  }
  // The addresses whose list entries are marked.
  std::set<int> markedAddresses() const {
    std::set<int> marked;
    const QAbstractItemModel* model = execution->outputList()->model();
    for (int a = 0; a < 512; ++a) {
      const QModelIndex row = model->index(memoryListItemOf(a), 0);
      if (!row.isValid()) continue;
      const int entries = row.data(LinesModel::changedEntriesRole).toInt();
      if ((entries & (1 << memoryListEntryOf(a))) != 0) marked.insert(a);
    }
    return marked;
  }

  std::unique_ptr<ExecutionWindows> windows;
  ExecutionWindow* execution = nullptr;
  TraceWindow* trace = nullptr;
};

TEST_F(ExecutionWindowTest, WithoutARunnableProgramRunRunsNothingAndSaysWhy) {
  struct Case {
    const char* what;
    std::vector<QString> checked;  // in this order, before the windows open
    Message message;
  };
  const Case cases[] = {
      {"nothing checked since the start", {}, Message::RunWithoutProgram},
      {"the check found errors", {errorProgram}, Message::RunAfterErrors},
      {"errors after a good program", {echoProgram, errorProgram}, Message::RunAfterErrors},
      {"the translation found errors", {echoProgram, tooLargeProgram}, Message::RunAfterErrors},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    restart();
    for (const QString& source : c.checked) check(source);
    open();
    run();
    EXPECT_TRUE(dialogs.inputRequests.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("COMETⅡ 実行"));
    EXPECT_EQ(dialogs.messages[0].text, shownMessage(c.message));
    EXPECT_EQ(rowCount(execution->outputList()), 0);
    EXPECT_EQ(label(names::runEndStatus)->text(), QString());
    // No trace text of an earlier program is shown as this one's.
    EXPECT_EQ(traceText(), QString());
    EXPECT_FALSE(button(names::stepButton)->isEnabled());
    EXPECT_EQ(counter(), stepText(0, 0));
  }
}

TEST_F(ExecutionWindowTest, ACheckWithErrorsAfterARunEmptiesTheTraceAndEndsTheReplay) {
  checkAndOpen(echoProgram);
  const QString echoTrace = traceText();
  EXPECT_TRUE(echoTrace.contains(QStringLiteral("0000 ")));
  run();
  forward();
  forward();
  check(errorProgram);
  EXPECT_EQ(traceText(), QString());
  EXPECT_FALSE(button(names::stepButton)->isEnabled());
  EXPECT_FALSE(button(names::stepBackButton)->isEnabled());
  EXPECT_EQ(counter(), stepText(0, 0));
  EXPECT_EQ(markedValues(), std::set<std::string>());
  execution->stepForward();  // not even when asked directly
  EXPECT_EQ(counter(), stepText(0, 0));
  run();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, shownMessage(Message::RunAfterErrors));

  // The program checked again: its trace is back, its replay waits for a run.
  check(echoProgram);
  EXPECT_EQ(traceText(), echoTrace);
  EXPECT_FALSE(button(names::stepButton)->isEnabled());
  run();
  EXPECT_TRUE(button(names::stepButton)->isEnabled());
  EXPECT_EQ(counter(), stepText(0, echoSteps));
}

TEST_F(ExecutionWindowTest, ClearingTheEditorKeepsTheTraceAndTheReplay) {
  checkAndOpen(echoProgram);
  run();
  forward();
  dialogs.choiceAnswers.push_back(1);  // the text goes unsaved
  trigger(names::clearAction);
  ASSERT_EQ(text(), QString());
  EXPECT_TRUE(traceText().contains(QStringLiteral("0000 ")));
  EXPECT_EQ(counter(), stepText(1, echoSteps));
  forward();
  EXPECT_EQ(counter(), stepText(2, echoSteps));
}

// A run is of the text as it was checked: after an edit or the clear
// command nothing runs until the text is checked again; an edit taken back
// leaves the checked text.
TEST_F(ExecutionWindowTest, ATextChangedSinceItsCheckIsNotRun) {
  enum class Change { None, Typed, TypedAndUndone, ClearedAndTypedAgain, EditedAndChecked };
  struct Case {
    Change change;
    bool runs;
  };
  for (const Case c :
       {Case{Change::None, true}, Case{Change::Typed, false}, Case{Change::TypedAndUndone, true},
        Case{Change::ClearedAndTypedAgain, false}, Case{Change::EditedAndChecked, true}}) {
    SCOPED_TRACE(static_cast<int>(c.change));
    restart();
    checkAndOpen(echoProgram);
    switch (c.change) {
      case Change::None:
        break;
      case Change::Typed:
      case Change::TypedAndUndone:
        typeText(sourceEdit(), QStringLiteral("X"));
        if (c.change == Change::TypedAndUndone) sourceEdit()->undo();
        break;
      case Change::ClearedAndTypedAgain:
        dialogs.choiceAnswers.push_back(1);  // the text goes unsaved
        trigger(names::clearAction);
        sourceEdit()->setPlainText(echoProgram);
        break;
      case Change::EditedAndChecked:
        typeText(sourceEdit(), QStringLiteral("X"));  // the label XECHO
        trigger(names::checkAction);
        break;
    }
    dialogs.messages.clear();
    run();
    EXPECT_EQ(rowCount(execution->outputList()) > 0, c.runs);
    EXPECT_EQ(dialogs.inputRequests.size(), c.runs ? 1u : 0u);
    if (c.runs) continue;
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);
    EXPECT_EQ(dialogs.messages[0].text, shownMessage(Message::ProgramChangedSinceCheck));
  }
}

TEST_F(ExecutionWindowTest, PrintingARunBeforeAnyRunSaysThereIsNothingToPrint) {
  checkAndOpen(echoProgram);
  dialogs.acceptPrinter = false;
  for (const char* name : {names::printRunAction, names::printCpuTraceAction}) {
    execution->findChild<QAction*>(QString::fromLatin1(name))->trigger();
  }
  EXPECT_EQ(dialogs.printerDialogs, 0);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  for (const ShownMessage& shown : dialogs.messages) {
    EXPECT_EQ(shown.text, shownMessage(Message::NothingToPrint));
  }
  // The window itself is always there to be printed, and a run to print
  // after the first run.
  execution->findChild<QAction*>(QString::fromLatin1(names::screenCopyAction))->trigger();
  run();
  for (const char* name : {names::printRunAction, names::printCpuTraceAction}) {
    execution->findChild<QAction*>(QString::fromLatin1(name))->trigger();
  }
  EXPECT_EQ(dialogs.printerDialogs, 3);
  EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(ExecutionWindowTest, TheTraceTextIsReadOnlyAndShowsTheReplaysSelection) {
  checkAndOpen(echoProgram);
  const QString before = traceText();
  QPlainTextEdit* box = trace->textBox();
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_TRUE(box->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
  box->setFocus();
  typeText(box, QStringLiteral("XYZ\n"));
  QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QApplication::sendEvent(box, &backspace);
  EXPECT_EQ(traceText(), before);

  run();
  forward();
  EXPECT_EQ(box->textCursor().selectedText(), QStringLiteral("0000 "));
  // The selection keeps its colours while the execution window has the focus.
  const QPalette palette = box->palette();
  EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
            palette.color(QPalette::Active, QPalette::Highlight));
}

TEST_F(ExecutionWindowTest, AfterARunTheListShowsItsEndAndAfterAStepItsTop) {
  checkAndOpen(echoProgram);
  QListView* list = execution->outputList();
  QScrollBar* bar = list->verticalScrollBar();
  auto lastItemVisible = [list] {
    const QModelIndex last = list->model()->index(list->model()->rowCount() - 1, 0);
    return list->viewport()->rect().contains(list->visualRect(last));
  };
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    run();
    QApplication::processEvents();
    EXPECT_GT(bar->maximum(), 0);  // the list is longer than the window
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(lastItemVisible());
    forward();
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->model()->index(0, 0))));
  }
}

TEST_F(ExecutionWindowTest, TheCounterAndTheButtonsFollowTheReplay) {
  enum class Press { None, Run, Forward, Back };
  struct Row {
    Press press;
    int shown;
    int steps;
    bool forwardEnabled;
    bool backEnabled;
  };
  checkAndOpen(echoProgram);
  const Row rows[] = {
      {Press::None, 0, 0, false, false},  // before any run
      {Press::Run, 0, echoSteps, true, false},
      {Press::Forward, 1, echoSteps, true, false},
      {Press::Forward, 2, echoSteps, true, true},
      {Press::Back, 1, echoSteps, true, false},
      {Press::Back, 1, echoSteps, true, false},  // nothing before the first step
      {Press::Forward, 2, echoSteps, true, true},
      {Press::Forward, 3, echoSteps, true, true},
      {Press::Forward, 4, echoSteps, true, true},
      {Press::Forward, 5, echoSteps, true, true},
      {Press::Forward, 6, echoSteps, true, true},
      {Press::Forward, 7, echoSteps, true, true},
      {Press::Forward, 8, echoSteps, true, true},
      {Press::Forward, 1, echoSteps, true, false},  // past the last: the first again
      {Press::Forward, 2, echoSteps, true, true},
      // A replay under way goes on in the new run's history at its second step.
      {Press::Run, 0, echoSteps, true, false},
      {Press::Forward, 2, echoSteps, true, true},
  };
  int line = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(++line);
    switch (row.press) {
      case Press::None:
        break;
      case Press::Run:
        run();
        break;
      case Press::Forward:
        forward();
        break;
      case Press::Back:
        execution->stepBack();  // the button may be disabled: the command itself
        break;
    }
    EXPECT_EQ(counter(), stepText(row.shown, row.steps));
    EXPECT_EQ(execution->shownStep(), row.shown);
    EXPECT_EQ(button(names::stepButton)->isEnabled(), row.forwardEnabled);
    EXPECT_EQ(button(names::stepBackButton)->isEnabled(), row.backEnabled);
  }
}

TEST_F(ExecutionWindowTest, ARunThatRecordsNoStepHasNothingToReplay) {
  checkAndOpen(returnOnlyProgram);
  run();
  EXPECT_EQ(counter(), stepText(0, 0));
  EXPECT_FALSE(button(names::stepButton)->isEnabled());
  EXPECT_FALSE(button(names::stepBackButton)->isEnabled());
  const QStringList before = shownStep();
  execution->stepForward();
  execution->stepBack();
  EXPECT_EQ(shownStep(), before);
}

TEST_F(ExecutionWindowTest, StepBackShowsExactlyWhatStepForwardShowed) {
  // IN, PUSH, CALL, RPUSH and RPOP (whose address opens no trace line),
  // after a comment with a character of two UTF-16 units.
  checkAndOpen(readFile(QStringLiteral(CASL2WB_TEST_DATA "/golden/replay_stack.txt"))
                   .remove(QLatin1Char('\r')));
  run(QStringLiteral("AB"));
  const int steps = state->machine.record().recordedSteps();
  ASSERT_GT(steps, 3);
  std::vector<QStringList> forwardSteps;
  std::vector<std::set<int>> forwardMarks;
  for (int step = 1; step <= steps; ++step) {
    forward();
    forwardSteps.push_back(shownStep());
    forwardMarks.push_back(markedAddresses());
  }
  for (int step = steps - 1; step >= 1; --step) {
    SCOPED_TRACE(step);
    back();
    EXPECT_EQ(execution->shownStep(), step);
    EXPECT_EQ(shownStep(), forwardSteps[static_cast<std::size_t>(step - 1)]);
    EXPECT_EQ(markedAddresses(), forwardMarks[static_cast<std::size_t>(step - 1)]);
  }
  // ">>" goes on from the step shown.
  for (int step = 2; step <= 4; ++step) {
    SCOPED_TRACE(step);
    forward();
    EXPECT_EQ(shownStep(), forwardSteps[static_cast<std::size_t>(step - 1)]);
  }
}

TEST_F(ExecutionWindowTest, WhatAStepChangedIsMarkedAndTheTextsStay) {
  checkAndOpen(echoProgram);
  run();
  using Names = std::set<std::string>;
  EXPECT_EQ(markedValues(), Names());  // the end of the run: no step shown
  struct Step {
    Names values;
    std::set<int> addresses;
  };
  // BUF is 0010, LEN 0018, TWICE 0019; the stack starts at 0100.
  const Step steps[echoSteps] = {
      {{}, {0x10, 0x11, 0x12, 0x13, 0x14, 0x18}},  // IN "COMET": five characters, length 5
      {{names::grValues[1]}, {}},                  // LD GR1,LEN
      {{names::stackPointerValue}, {0xFF}},        // CALL: the return address pushed
      {{names::grValues[1]}, {}},                  // ADDA GR1,GR1
      {{}, {}},                                    // RET: recorded before its pop
      {{names::stackPointerValue}, {0x19}},        // ST GR1,TWICE, with SP back after the RET
      {{}, {0x18}},                                // OUT: the length word counted again
      {{}, {}},                                    // DMP
  };
  for (int step = 0; step < echoSteps; ++step) {
    SCOPED_TRACE(step + 1);
    forward();
    EXPECT_EQ(markedValues(), steps[step].values);
    EXPECT_EQ(markedAddresses(), steps[step].addresses);
  }
  // The marks are not in the texts: the list is the step's memory as the
  // text front end prints it, and the panel's values are plain values.
  EXPECT_EQ(rowText(execution->outputList(), 17).left(11), QStringLiteral(" 0010(0043)"));
  forward();  // the first step again
  EXPECT_EQ(label(names::grValues[1])->text(), QStringLiteral("0000"));
  back();  // nothing before it
  EXPECT_EQ(markedAddresses(), steps[0].addresses);
}

TEST_F(ExecutionWindowTest, InExtendedMemoryTheMarkIsOnTheEntryOfTheCell) {
  // ST writes 012C into cell 012C, which the upper half of the list shows.
  checkAndOpen(QStringLiteral("PRG START ;MEX\n LAD GR1,#012C\n ST GR1,0,GR1\n RET\n END\n"));
  run();
  forward();
  forward();
  EXPECT_EQ(markedAddresses(), std::set<int>{0x12C});
  const int entry = memoryListEntryOf(0x12C);
  EXPECT_EQ(rowText(execution->outputList(), memoryListItemOf(0x12C)).mid(11 * entry + 1, 10),
            QStringLiteral("012C(012C)"));
}

TEST_F(ExecutionWindowTest, TheStatusLineTellsHowTheRunEnded) {
  struct Case {
    const char* what;
    QString program;
    QString status;
  };
  const Case cases[] = {
      {"RET", returnOnlyProgram, shownMessage(Message::RunEndedAtReturn)},
      {"pass limit", QStringLiteral("PRG START ;LMT00100\nL JUMP L\n RET\n END\n"),
       shownMessage(Message::RunEndedAtPassLimit, {"100"})},
      {"address out of range", QStringLiteral("PRG START\n LD GR1,#0FFF\n RET\n END\n"),
       shownMessage(Message::RunEndedAtAddressError)},
      // JUMP to the DS word (0000, run as NOP), then the blank word after it.
      {"blank word", QStringLiteral("PRG START\n JUMP X\n RET\nX DS 1\n END\n"),
       shownMessage(Message::RunEndedAtBlankWord, {"0004"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    restart();
    checkAndOpen(c.program);
    EXPECT_EQ(label(names::runEndStatus)->text(), QString());  // no run yet
    run();
    EXPECT_EQ(label(names::runEndStatus)->text(), c.status);
    EXPECT_TRUE(execution->statusBar()->isAncestorOf(label(names::runEndStatus)));
  }
}

}  // namespace
}  // namespace casl2wb::testing

namespace casl2wb::testing {
namespace {

class ReplayTravelTest : public ExecutionWindowTest {
 protected:
  // What ">>" shows at each step of the echo program's run, pressed from
  // the start of the replay.
  std::vector<QStringList> pressedSteps() {
    std::vector<QStringList> shown;
    for (int step = 1; step <= echoSteps; ++step) {
      forward();
      shown.push_back(shownStep());
    }
    return shown;
  }
  void freshRun() {
    restart();
    checkAndOpen(echoProgram);
    run();
  }
  void key(const QKeySequence& keys) {
    QApplication::setActiveWindow(execution);
    QTest::keyClick(execution->outputList(), keys[0].key(), keys[0].keyboardModifiers());
  }
};

// Every way to a step shows exactly what ">>" shows there, and ">>" goes on
// from it.
TEST_F(ReplayTravelTest, KeysAndTheStepBoxShowWhatTheStepButtonShows) {
  freshRun();
  const std::vector<QStringList> expected = pressedSteps();
  freshRun();
  struct Press {
    const char* keys;
    int step;
  };
  for (const Press p : {Press{"Right", 1}, Press{"Right", 2}, Press{"F10", 3}, Press{"Left", 2},
                        Press{"Shift+F10", 1}, Press{"End", 8}, Press{"Home", 1}}) {
    SCOPED_TRACE(p.keys);
    key(QKeySequence(QString::fromLatin1(p.keys)));
    ASSERT_EQ(execution->shownStep(), p.step);
    EXPECT_EQ(shownStep(), expected[static_cast<std::size_t>(p.step - 1)]);
  }
  for (const int step : {6, 3}) {
    freshRun();
    auto* box = execution->findChild<QSpinBox*>(QString::fromLatin1(names::stepBox));
    box->setValue(step);
    EXPECT_EQ(execution->shownStep(), step);
    EXPECT_EQ(box->value(), step);
    EXPECT_EQ(shownStep(), expected[static_cast<std::size_t>(step - 1)]);
    forward();
    EXPECT_EQ(shownStep(), expected[static_cast<std::size_t>(step)]);
  }
  // From the last step ">>" starts again at the first.
  execution->goToLastStep();
  forward();
  EXPECT_EQ(execution->shownStep(), 1);
}

// The breakpoint buttons go from step to step of the lines with
// breakpoints, in both directions; the status line says when there is
// nowhere to go. The editor hears the line of every step shown.
TEST_F(ReplayTravelTest, BreakpointsLeadFromStepToStepBothWays) {
  freshRun();
  std::vector<int> breakpoints;
  execution->setBreakpointLines([&breakpoints] { return breakpoints; });
  std::vector<int> linesShown;
  QObject::connect(execution, &ExecutionWindow::stepLineShown,
                   [&linesShown](int line) { linesShown.push_back(line); });
  auto status = [this] { return execution->statusBar()->currentMessage(); };

  button(names::nextBreakButton)->click();
  EXPECT_EQ(status(), shownMessage(Message::NoBreakpoints));
  EXPECT_EQ(execution->shownStep(), 0);

  // LD GR1,LEN (line 3, step 2) and the ADDA of DOUBLE (line 9, step 4).
  breakpoints = {3, 9};
  struct Move {
    const char* button;
    int step;  // 0: stays where it is, and the status line says why
    Message why;
  };
  int at = 0;
  for (const Move m : {Move{names::nextBreakButton, 2, {}}, Move{names::nextBreakButton, 4, {}},
                       Move{names::nextBreakButton, 0, Message::NoBreakAfter},
                       Move{names::previousBreakButton, 2, {}},
                       Move{names::previousBreakButton, 0, Message::NoBreakBefore}}) {
    button(m.button)->click();
    if (m.step == 0) {
      EXPECT_EQ(execution->shownStep(), at);
      EXPECT_EQ(status(), shownMessage(m.why));
    } else {
      EXPECT_EQ(execution->shownStep(), m.step);
      at = m.step;
    }
  }
  EXPECT_EQ(linesShown, std::vector<int>({3, 9, 3}));
  forward();
  EXPECT_EQ(linesShown.back(), 4);  // CALL DOUBLE
}

// The program's OUT lines stand in a pane of their own, each run under its
// heading; the list of the run is as it always was.
TEST_F(ExecutionWindowTest, TheOutputPaneHoldsOnlyTheOutLinesOfEachRun) {
  checkAndOpen(echoProgram);
  run(QStringLiteral("ABC"));
  run(QStringLiteral("XY"));
  EXPECT_EQ(listItems(execution->programOutputList()),
            QStringList({shownMessage(Message::RunHeading, {"1"}), QStringLiteral("ABC"),
                         // The second run's buffer still holds the first's C.
                         shownMessage(Message::RunHeading, {"2"}), QStringLiteral("XYC")}));
  auto* heading = execution->findChild<QLabel*>(QString::fromLatin1(names::programOutputHeading));
  EXPECT_EQ(heading->text(), QString::fromUtf8(execution_texts::programOutputHeading));
  EXPECT_TRUE(listItems(execution->outputList()).contains(QStringLiteral("ABC")));
}

// A memory row notes the labels of its cells after its text, in the dump
// at the end of a run and in the replay's memory; the text stays.
TEST_F(ExecutionWindowTest, MemoryRowsNoteTheLabelsOfTheirCells) {
  checkAndOpen(echoProgram);
  run();
  const QAbstractItemModel* model = execution->outputList()->model();
  const QStringList items = listItems(execution->outputList());
  const int heading = static_cast<int>(items.lastIndexOf(fromStd(memoryDumpHeading())));
  ASSERT_GE(heading, 0);
  struct Row {
    int address;
    QString note;
  };
  const Row rows[] = {{0x00, "ECHO=0000 MAIN=0000"},
                      {0x0E, "DOUBLE=000E"},
                      {0x10, "BUF=0010"},
                      {0x18, "LEN=0018"},
                      {0x19, "TWICE=0019"},
                      {0x05, ""}};
  for (const int first : {heading, -1}) {
    if (first == -1) forward();  // the replay's memory list starts with its heading
    const int base = first == -1 ? 0 : first;
    for (const Row& r : rows) {
      SCOPED_TRACE(r.address);
      const QModelIndex row = model->index(base + memoryListItemOf(r.address), 0);
      EXPECT_EQ(row.data(LinesModel::noteRole).toString(), r.note);
      EXPECT_FALSE(row.data().toString().contains(QStringLiteral("BUF")));
    }
  }
}

TEST_F(ExecutionWindowTest, ANarrowListScrollsSideways) {
  checkAndOpen(echoProgram);
  run();
  execution->resize(360, execution->height());
  QApplication::processEvents();
  EXPECT_GT(execution->outputList()->horizontalScrollBar()->maximum(), 0);
  execution->resize(1600, execution->height());
  QApplication::processEvents();
  EXPECT_EQ(execution->outputList()->horizontalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace casl2wb::testing
