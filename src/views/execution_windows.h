// The execution window and the trace window, made when the editor's
// "実行画面(&E)" first asks for them and kept until the program ends.
#pragma once

#include <QObject>
#include <QPointer>

#include "views/dialogs.h"
#include "views/editor_window.h"
#include "views/execution_window.h"
#include "views/trace_window.h"
#include "views/workbench_state.h"

namespace casl2wb {

class ExecutionWindows : public QObject {
  Q_OBJECT

 public:
  // Answers the editor's requests from now on.
  ExecutionWindows(EditorWindow& editor, WorkbenchState& state, Dialogs& dialogs);
  ~ExecutionWindows() override;

  // The execution window and the trace window, or nullptr before the
  // first request.
  ExecutionWindow* execution() const { return execution_; }
  TraceWindow* trace() const { return trace_; }

  // Shows the execution window, then the trace window, then the execution
  // window again in front of the trace window at the right edge of the
  // screen. Nothing is checked or translated.
  void show();

 private:
  // After a check: the trace window and the replay follow the new program.
  void followCheck();
  // The replay's breakpoints and the line of its step are the editor's.
  void followReplayInEditor();

  EditorWindow& editor_;
  WorkbenchState& state_;
  Dialogs& dialogs_;
  QPointer<TraceWindow> trace_;
  QPointer<ExecutionWindow> execution_;
};

}  // namespace casl2wb
