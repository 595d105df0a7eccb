// Everything the workbench keeps while it runs: the checked program, the
// memory image, the machine and its history, the program-trace text, the
// work file and the printer chosen by the user. One object, owned by main,
// shared by all windows; a test makes a fresh one.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "codegen/memory_image.h"
#include "machine/machine_state.h"
#include "machine/register_panel.h"
#include "source/source_table.h"
#include "views/trace_text_store.h"

class QPrinter;

namespace casl2wb {

class WorkbenchState {
 public:
  explicit WorkbenchState(std::string workFolder);
  ~WorkbenchState();
  WorkbenchState(const WorkbenchState&) = delete;
  WorkbenchState& operator=(const WorkbenchState&) = delete;

  SourceTable table;
  MemoryImage memory;
  MachineState machine{memory};
  RegisterPanel panel;
  TraceTextStore traceText;

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
