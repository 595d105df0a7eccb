#include "views/execution_windows.h"

namespace casl2wb {

ExecutionWindows::ExecutionWindows(EditorWindow& editor, WorkbenchState& state, Dialogs& dialogs)
    : editor_(editor), state_(state), dialogs_(dialogs) {
  connect(&editor_, &EditorWindow::executionWindowsRequested, this, &ExecutionWindows::show);
  // The trace window shows the trace text only while the program of the
  // last check can be run; the text of an earlier program is not shown as
  // if it were this one's.
  state_.traceText.showOnlyWhile([&program = state_.program] { return program.runnable(); });
  connect(&editor_, &EditorWindow::programChecked, this, &ExecutionWindows::followCheck);
}

ExecutionWindows::~ExecutionWindows() {
  state_.traceText.attach(nullptr);
  state_.traceText.showOnlyWhile({});
}

void ExecutionWindows::followCheck() {
  state_.traceText.refresh();
  if (execution_) execution_->followCheck();
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
  }
  execution_->show();
  trace_->show();
  execution_->show();
  execution_->raise();
  execution_->placeAtRightEdge();
}

}  // namespace casl2wb
