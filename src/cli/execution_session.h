// A program on the execution window as the text front end drives it: the
// file assembled, a fresh machine with the program loaded, the window's
// list and CPU panel, and the run command.
#pragma once

#include <ostream>

#include "assembler/assembled_program.h"
#include "base/message_list.h"
#include "documents/run_listing.h"
#include "simulator/cpu_panel.h"
#include "simulator/execution_loop.h"
#include "simulator/machine.h"

namespace casl2wb::cli {

struct ExecutionSession {
  explicit ExecutionSession(RunDialogs& runDialogs) : dialogs(runDialogs) {}
  ExecutionSession(const ExecutionSession&) = delete;
  ExecutionSession& operator=(const ExecutionSession&) = delete;

  RunDialogs& dialogs;
  AssembledProgram program;
  Machine machine;
  VectorMessageList list;  // the execution window's list
  RunListing listing{list};
  CpuPanel panel;  // set from the machine after a run, or by a replayed step
  Simulator simulator{machine, listing, dialogs};
};

// The twelve lines of the CPU panel: "命令語：", "PR：", "FR：", "SP：",
// "GR0：" to "GR7：", each followed by its value.
void printPanel(const CpuPanel& panel, std::ostream& out);

}  // namespace casl2wb::cli
