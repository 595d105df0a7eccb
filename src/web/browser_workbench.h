// The workbench as the browser page drives it: the program of the last
// check in either dialect, the machine and its last run, the execution
// window's lists and the step replay. Every call returns what the page shows
// as a JSON value; the page keeps no state of the machine.
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "assembler/assembled_program.h"
#include "assembler/assembler.h"
#include "assembler/dialect.h"
#include "base/message_list.h"
#include "simulator/cpu_panel.h"
#include "simulator/machine.h"
#include "simulator/replay.h"
#include "simulator/standard_session.h"

namespace casl2wb::web {

using Json = nlohmann::json;

class BrowserWorkbench {
 public:
  BrowserWorkbench() = default;
  BrowserWorkbench(const BrowserWorkbench&) = delete;
  BrowserWorkbench& operator=(const BrowserWorkbench&) = delete;

  // The check of the editor's text (UTF-8, lines ended by LF) in `dialect`:
  // {listing: [{text, line}], errors: [{line, messages}], linesRead,
  //  trace (the program-trace text, or null), runnable, message (a refusal)}.
  Json check(const std::string& editorText, Dialect dialect, const std::string& fileName);

  // A run of the checked program, IN answered by `answers` in order (a
  // string, or null for a cancelled box). When the run asks for one more
  // answer, nothing changes and the result is {needsInput: {prompt, title,
  // defaultText}}; otherwise the execution window after the run: see
  // windowState. A run refused gives {refused: message}.
  Json run(const Json& answers, bool changedSinceCheck);

  // The replay: ">>", "<<", a step by number (from 1), and the next or
  // previous step at one of the editor's breakpoint lines. Each gives the
  // window's state with the step shown, or {status: message} when there is
  // no such step.
  Json stepForward();
  Json stepBack();
  Json goToStep(int step);
  Json goToBreak(bool forward, const std::vector<int>& breakpointLines);

  // The memory list of a standard run from an address (hex digits, "#" in
  // front allowed).
  Json showMemoryAt(const std::string& addressText);

  // Lines `from` (from 0) to `from + count` of the execution window's list
  // ("list") or of the program's output ("output"): the window's state gives
  // only their numbers, and the page shows the lines in view.
  Json lines(const std::string& which, int from, int count) const;

  // A printed document: "list" and "program" of the check, "run" and "cpu"
  // of the last run, as PagePrinter makes it, or {refused: message}.
  Json print(const std::string& kind) const;

 private:
  Json windowState() const;
  Json runWorkbench(const Json& answers);
  Json runStandard(const Json& answers);
  Json showSlot(int slot);
  void showStandardList(const std::vector<std::uint16_t>& memory, std::int64_t from);
  int recordedSteps() const;
  int lineOfSlot(int slot) const;
  bool canReplay() const { return runReplayable_ && recordedSteps() > 0; }

  Dialect dialect_ = Dialect::Workbench;
  Dialect runDialect_ = Dialect::Workbench;
  Assembler assembler_;
  AssembledProgram program_;
  Machine machine_;
  standard::Session standard_;
  Text traceText_;  // the trace window's text
  TraceRange traceSelection_;
  Replay replay_{machine_};

  VectorMessageList list_;                // the execution window's list
  std::vector<std::string> outputLines_;  // the lines OUT wrote, by run
  std::vector<std::string> notices_;      // the message boxes of the last run
  std::optional<CpuPanel> panel_;         // nothing before the first run
  MemoryRow runStartMemory_{};
  std::vector<std::string> runMessages_;
  std::map<std::int64_t, std::vector<std::string>> runLabels_;
  int runCount_ = 0;
  int shownStep_ = 0;
  bool runReplayable_ = false;
  bool hasRun_ = false;
};

}  // namespace casl2wb::web
