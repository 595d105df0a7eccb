// A program on the execution window as the text front end drives it: the
// file checked and translated, a fresh machine, the window's list and CPU
// panel, and the run command.
#pragma once

#include <ostream>

#include "cli/assembled_file.h"
#include "machine/execution_loop.h"

namespace casl2wb::cli {

struct ExecutionSession {
  explicit ExecutionSession(RunDialogs& dialogs) : dialogs(dialogs) {}
  ExecutionSession(const ExecutionSession&) = delete;
  ExecutionSession& operator=(const ExecutionSession&) = delete;

  RunDialogs& dialogs;
  AssembledFile file;
  MachineState machine{file.memory};
  VectorMessageList list;  // the execution window's list
  RegisterPanel panel;
  ExecutionLoop loop{machine, file.table, list, dialogs, panel};
};

// The twelve lines of the CPU panel: "命令語：", "PR：", "FR：", "SP：",
// "GR0：" to "GR7：", each followed by its value.
void printPanel(const RegisterPanel& panel, std::ostream& out);

}  // namespace casl2wb::cli
