// Everything the workbench keeps while it runs: the assembler, the last
// assembled program, the machine with its memory and history, the CPU panel,
// the program-trace text, the work folder and the printer chosen by the user.
// One object, owned by main, shared by all windows; a test makes a fresh one.
#pragma once

#include <memory>
#include <string>

#include "assembler/assembled_program.h"
#include "assembler/assembler.h"
#include "assembler/dialect.h"
#include "simulator/cpu_panel.h"
#include "simulator/machine.h"
#include "simulator/standard_session.h"
#include "views/trace_text_store.h"

class QPrinter;

namespace casl2wb {

class WorkbenchState {
 public:
  explicit WorkbenchState(std::string folder);
  ~WorkbenchState();
  WorkbenchState(const WorkbenchState&) = delete;
  WorkbenchState& operator=(const WorkbenchState&) = delete;

  Assembler assembler;
  // The language the editor's text is read in, remembered in the work
  // folder from one session to the next (setDialect).
  Dialect dialect = Dialect::Workbench;
  void setDialect(Dialect chosen);
  // A standard program of the last check and its last run.
  standard::Session standard;
  // The program of the last check, loaded into the machine.
  AssembledProgram program;
  Machine machine;
  // What the CPU panel shows: the end of the last run, or a replayed step.
  CpuPanel panel;
  TraceTextStore traceText;

  // Whether the editor's text differs from the text of the last check (or
  // was cleared since): the program in the machine is no longer the text's.
  bool sourceChangedSinceCheck = false;

  // The folder of the work files that the editor's error check writes and
  // reads back (one new file a check).
  std::string workFolder;

  // The printer and page set-up of the next prints; made on first use with
  // the system's default printer.
  QPrinter& printer();

 private:
  std::unique_ptr<QPrinter> printer_;
};

// The user's own data folder of the application.
std::string defaultWorkFolder();

}  // namespace casl2wb
