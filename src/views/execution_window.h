// The execution window "COMETⅡ 実行": the CPU panel, the list of the run,
// the "出力" pane of the program's OUT lines, the run command, the replay
// (">>", "<<", keys, a step box and the way from breakpoint to breakpoint)
// with its step counter, the status line of the last run and the print menu.
#pragma once

#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "assembler/program_places.h"
#include "simulator/replay.h"
#include "views/dialogs.h"
#include "views/lines_model.h"
#include "views/workbench_state.h"

class QSpinBox;

namespace casl2wb {

class TraceWindow;

class ExecutionWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The dynamic property that is true on a panel value label while the
  // replay's step has changed that register.
  static constexpr const char* changedProperty = "changed";

  // `trace` is the trace window, in which the replay selects the
  // instruction's line.
  ExecutionWindow(WorkbenchState& state, Dialogs& dialogs, TraceWindow& trace,
                  QWidget* parent = nullptr);

  // The list of the runs and the replay's memory, and its lines.
  QListView* outputList() const { return outputList_; }
  LinesModel& listModel() { return listModel_; }
  // The "出力" pane: only the lines OUT wrote, each run under a heading.
  QListView* programOutputList() const { return programOutputList_; }
  LinesModel& programOutputModel() { return programOutputModel_; }
  // The value label of the panel with this object name (object_names).
  QLabel* valueLabel(const QString& name) const { return valueLabels_.at(name); }

  // "実行(&E)": one run of the program loaded into the machine. A program
  // that the last check found errors in, no translated program at all, or
  // a text changed since its check is not run; a message box says why.
  void run();
  // ">>": one step of the replay.
  void stepForward();
  // "<<": the step before the one shown, as ">>" showed it; nothing before
  // the first step.
  void stepBack();
  // Shows recorded step `step` (1 for the first) exactly as ">>" shows it
  // there, and ">>" goes on after it.
  void goToStep(int step);
  void goToFirstStep();
  void goToLastStep();
  // The nearest recorded step after (before) the one shown whose line has a
  // breakpoint; the status line says so when there is none.
  void goToNextBreak();
  void goToPreviousBreak();
  // The lines of the last check that have breakpoints, asked for by the
  // breakpoint commands.
  void setBreakpointLines(std::function<std::vector<int>()> lines);
  // The editor has checked a program (or changed its message list): the
  // replay of the last run ends when that run was made by another program.
  void followCheck();
  // The step the replay shows (1 for the first), 0 for none.
  int shownStep() const { return shownStep_; }
  // A standard program: the list shows the memory from this address (hex
  // digits, "#" allowed) as the step shown, or the run, left it.
  void showMemoryAt(const QString& addressText);

  // The print menu "印刷メニュー(&M)": the program list with the final
  // registers and the memory, the CPU trace, and an image of this window.
  // Before the first run there is no run to print: a message says so.
  void printRunResult();
  void printCpuTrace();
  void printScreenCopy();
  // Left edge = screen width - window width.
  void placeAtRightEdge();

 signals:
  // The replay shows the step of this line of the last check (0: no step).
  void stepLineShown(int line);

 private:
  QWidget* makePanel();
  // Whether the program of the last check may not run: it is not runnable
  // (the check found errors, or there is none) or its text changed since;
  // a message box says why.
  bool refusesRun(bool runnable, bool checkFoundErrors);
  QWidget* makeLists();
  void makeKeys();
  void showPanel();
  // The steps the last run recorded.
  int recordedSteps() const;
  // Whether the last run belongs to the program of the last check and
  // recorded at least one step.
  bool canReplay() const;
  // Shows a step of the replay: its panel, its trace line and the memory
  // after it, with the counter and the marks.
  void showReplayStep(const ReplayStep& step);
  // Shows history slot `slot` as ">>" shows it.
  void showSlot(int slot);
  // The counter, the panel's and the list's marks, the editor's line and
  // the buttons for the step `slot` just shown.
  void showStep(int slot);
  void markChanges(int slot);
  void markLabels();
  void clearMarks();
  void updateReplayControls();
  void showRunEnd();
  // Whether a run was made; a message says so when not.
  bool hasSomethingToPrint();
  // The line of the last check that history slot `slot` carried out.
  int lineOfSlot(int slot) const;
  void goToBreak(bool forward);

  // The same for a standard program (execution_window_standard.cpp).
  bool showsStandard() const { return state_.dialect == Dialect::Standard; }
  void runStandard();
  void showStandardSlot(int slot);
  int standardLineOfSlot(int slot) const;
  // The memory as the step shown (or the end of the run) left it.
  std::vector<std::uint16_t> standardShownMemory() const;
  // The list: the run's lines and then rows of the memory from `from`; the
  // memory rows in view, or the run's last lines.
  void showStandardList(const std::vector<std::uint16_t>& memory, std::int64_t from,
                        bool memoryInView);
  std::string standardRunEndText() const;

  WorkbenchState& state_;
  Dialogs& dialogs_;
  TraceWindow& trace_;
  Replay replay_;
  LinesModel listModel_;
  LinesModel programOutputModel_;
  QListView* outputList_;
  QListView* programOutputList_;
  QPushButton* stepButton_;
  QPushButton* stepBackButton_;
  QPushButton* nextBreakButton_;
  QPushButton* previousBreakButton_;
  QSpinBox* stepBox_;
  QLabel* stepCounter_;
  QLabel* runEndStatus_;
  QWidget* addressRow_;
  std::map<QString, QLabel*> valueLabels_;
  std::function<std::vector<int>()> breakpointLines_;

  bool hasRun_ = false;
  int runCount_ = 0;
  // The last run: whether it can be replayed, the message list texts of
  // the program that made it, the memory as it found it, the lines its
  // words came from and the labels of its memory.
  bool runReplayable_ = false;
  std::vector<std::string> runMessages_;
  MemoryRow runStartMemory_{};
  std::vector<WordOrigin> runWordOrigins_;
  std::map<std::int64_t, std::vector<std::string>> runLabels_;
  // The step shown (0: none).
  int shownStep_ = 0;
  // The dialect of the last run.
  Dialect runDialect_ = Dialect::Workbench;
  // Whether the list keeps its last line in view (after a run).
  bool listFollowsEnd_ = false;
};

}  // namespace casl2wb
