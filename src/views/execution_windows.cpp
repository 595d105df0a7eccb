#include "views/execution_windows.h"

#include <algorithm>
#include <vector>

namespace casl2wb {

ExecutionWindows::ExecutionWindows(EditorWindow& editor, WorkbenchState& state, Dialogs& dialogs)
    : editor_(editor), state_(state), dialogs_(dialogs) {
  connect(&editor_, &EditorWindow::executionWindowsRequested, this, &ExecutionWindows::show);
  // The trace window shows the trace text only while the program of the
  // last check can be run; the text of an earlier program is not shown as
  // if it were this one's.
  state_.traceText.showOnlyWhile([&state = state_] {
    return state.dialect == Dialect::Standard ? state.standard.program.runnable()
                                              : state.program.runnable();
  });
  connect(&editor_, &EditorWindow::programChecked, this, &ExecutionWindows::followCheck);
  connect(&editor_, &EditorWindow::dialectChanged, this, &ExecutionWindows::followCheck);
}

ExecutionWindows::~ExecutionWindows() {
  state_.traceText.attach(nullptr);
  state_.traceText.showOnlyWhile({});
}

void ExecutionWindows::followCheck() {
  state_.traceText.refresh();
  if (execution_) execution_->followCheck();
}

// The replay stops at the editor's breakpoints and shows its step's line
// there; both are lines of the last check, wherever edits have moved them.
void ExecutionWindows::followReplayInEditor() {
  SourceEdit& program = editor_.sourceEdit();
  execution_->setBreakpointLines([&program] {
    std::vector<int> checked;
    for (const int line : program.breakpointLines()) {
      if (const int checkedLine = program.checkedLineAt(line); checkedLine > 0) {
        checked.push_back(checkedLine);
      }
    }
    std::sort(checked.begin(), checked.end());
    return checked;
  });
  connect(execution_, &ExecutionWindow::stepLineShown, &program, [&program](int line) {
    program.showStepLine(line > 0 ? program.currentLineOf(line) : 0);
  });
}

void ExecutionWindows::show() {
  if (!trace_) {
    // The trace window belongs to the editor; the execution window belongs
    // to the trace window, so that it stays in front of it.
    trace_ = new TraceWindow(&editor_, &editor_);
    trace_->setWindowFlag(Qt::Window);
    trace_->setAttribute(Qt::WA_DeleteOnClose, false);
    state_.traceText.attach(trace_);
    execution_ = new ExecutionWindow(state_, dialogs_, *trace_, trace_);
    execution_->setWindowFlag(Qt::Window);
    followReplayInEditor();
  }
  execution_->show();
  trace_->show();
  execution_->show();
  execution_->raise();
  execution_->placeAtRightEdge();
}

}  // namespace casl2wb
