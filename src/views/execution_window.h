// The execution window "COMETⅡ 実行": the CPU panel, the output list, the
// run command, the ">>" and "<<" replay with its step counter, the status
// line of the last run and the print menu.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "simulator/trace_selection.h"
#include "views/dialogs.h"
#include "views/workbench_state.h"

namespace casl2wb {

class ExecutionWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The dynamic property that is true on a panel value label while the
  // replay's step has changed that register.
  static constexpr const char* changedProperty = "changed";

  // `trace` is the text box of the trace window, in which the replay
  // selects the instruction's line.
  ExecutionWindow(WorkbenchState& state, Dialogs& dialogs, TraceSelection& trace,
                  QWidget* parent = nullptr);

  QListWidget* outputList() const { return outputList_; }
  // The value label of the panel with this object name (object_names).
  QLabel* valueLabel(const QString& name) const { return valueLabels_.at(name); }

  // "実行(&E)": one run of the program loaded into the machine. A program
  // that the last check found errors in, or no translated program at all,
  // is not run; a message box says why.
  void run();
  // ">>": one step of the replay.
  void stepForward();
  // "<<": the step before the one shown, as ">>" showed it; nothing before
  // the first step.
  void stepBack();
  // The editor has checked a program (or changed its message list): the
  // replay of the last run ends when that run was made by another program.
  void followCheck();
  // The step the replay shows (1 for the first), 0 for none.
  int shownStep() const { return shownStep_; }

  // The print menu "印刷メニュー(&M)": the program list with the final
  // registers and the memory, the CPU trace, and an image of this window.
  // Before the first run there is no run to print: a message says so.
  void printRunResult();
  void printCpuTrace();
  void printScreenCopy();
  // Left edge = screen width - window width.
  void placeAtRightEdge();

 private:
  QWidget* makePanel();
  void showPanel();
  // Whether the last run belongs to the program of the last check and
  // recorded at least one step.
  bool canReplay() const;
  // The counter, the panel's and the list's marks and the buttons for the
  // step `slot` just shown.
  void showStep(int slot);
  void markChanges(int slot);
  void clearMarks();
  void updateReplayControls();
  void showRunEnd();
  // Whether a run was made; a message says so when not.
  bool hasSomethingToPrint();

  WorkbenchState& state_;
  Dialogs& dialogs_;
  TraceSelection& trace_;
  QListWidget* outputList_;
  QPushButton* stepButton_;
  QPushButton* stepBackButton_;
  QLabel* stepCounter_;
  QLabel* runEndStatus_;
  std::map<QString, QLabel*> valueLabels_;

  // The last run: whether it can be replayed, the message list of the
  // program that made it, and the memory as it found it.
  bool hasRun_ = false;
  bool runReplayable_ = false;
  std::vector<std::string> runMessages_;
  MemoryRow runStartMemory_{};
  // The step shown (0: none), and the trace selection (start, length) that
  // ">>" made at each slot, which "<<" shows again.
  int shownStep_ = 0;
  // Whether the list keeps its last line in view (after a run).
  bool listFollowsEnd_ = false;
  std::vector<std::pair<int, int>> selections_;
};

}  // namespace casl2wb
