// The execution window "COMETⅡ 実行": the CPU panel, the output list, the
// run command, the ">>" replay and the print menu.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <map>

#include "simulator/trace_selection.h"
#include "views/dialogs.h"
#include "views/workbench_state.h"

namespace casl2wb {

class ExecutionWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `trace` is the text box of the trace window, in which the replay
  // selects the instruction's line.
  ExecutionWindow(WorkbenchState& state, Dialogs& dialogs, TraceSelection& trace,
                  QWidget* parent = nullptr);

  QListWidget* outputList() const { return outputList_; }
  // The value label of the panel with this object name (object_names).
  QLabel* valueLabel(const QString& name) const { return valueLabels_.at(name); }

  // "実行(&E)": one run of the program loaded into the machine.
  void run();
  // ">>": one step of the replay.
  void stepForward();
  // The print menu "印刷メニュー(&M)": the program list with the final
  // registers and the memory, the CPU trace, and an image of this window.
  void printRunResult();
  void printCpuTrace();
  void printScreenCopy();
  // Left edge = screen width - window width.
  void placeAtRightEdge();

 private:
  QWidget* makePanel();
  void showPanel();

  WorkbenchState& state_;
  Dialogs& dialogs_;
  TraceSelection& trace_;
  QListWidget* outputList_;
  QPushButton* stepButton_;
  std::map<QString, QLabel*> valueLabels_;
};

}  // namespace casl2wb
