// The step replay of the last run: which recorded step ">>" shows next, and
// what a step shows wherever the replay comes to it from: the CPU panel of
// the step and its line in the program-trace text. The memory after the
// step is showStepMemory's. The windows and the text front end show the
// values; the replay keeps its own place.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "simulator/cpu_panel.h"
#include "simulator/machine.h"

namespace casl2wb {

// A selection of the program-trace text, in characters.
struct TraceRange {
  int start = 0;
  int length = 0;
  bool operator==(const TraceRange&) const = default;
};

// The selection the replay makes in `text` for a step at `address` (a word
// text), coming from the selection `current`: the address followed by one
// space, searched after the current selection and then once from the start;
// no line stays selected when the address does not occur.
TraceRange highlightOf(const Text& text, TraceRange current, const std::string& address);

// Where a selection lies in a text: line and column of its start (both
// counted from 1, in characters, lines ended by LF or CR LF) and its length.
struct SelectionPlace {
  int line = 1;
  int column = 1;
  int length = 0;
  bool operator==(const SelectionPlace&) const = default;
};
SelectionPlace selectionPlace(const Text& text, TraceRange selection);

// One step as the replay shows it.
struct ReplayStep {
  int slot = 0;  // the history slot: 0 for the first recorded step
  CpuPanel panel;
  TraceRange traceSelection;
};

// "次のブレーク" and "前のブレーク": the first recorded step after (or
// before) slot `shownSlot`, of `steps`, whose line (`lineOfSlot`) is one of
// the breakpoint lines `sortedLines`; nothing when no step is.
std::optional<int> slotAtBreakpoint(int shownSlot, bool forward, int steps,
                                    const std::vector<int>& sortedLines,
                                    const std::function<int(int)>& lineOfSlot);

class Replay {
 public:
  explicit Replay(const Machine& machine) : m_(machine) {}

  // ">>": the next recorded step, searched in the trace text from its
  // selection now; after the last step the next press starts again at the
  // first. Nothing before the first run or after a run that recorded none.
  // A run made while a replay is under way goes on with its second step.
  std::optional<ReplayStep> forward(const Text& trace, TraceRange selection);
  // Slot `slot` exactly as ">>" shows (or would show) it there: "<<", the
  // first and last step, a step by its number. ">>" goes on after it.
  ReplayStep show(int slot, const Text& trace, TraceRange selection);
  // The next ">>" starts again at the first step (a new window, or a check
  // of another program).
  void reset();

  // Whether a replay is under way, and the slot ">>" shows next.
  bool underWay() const { return replaying_; }
  int nextSlot() const { return position_; }

 private:
  // Takes note of a run made since the last step shown; the trace
  // selection now is where a replay of it starts.
  void followRuns(TraceRange selection);
  ReplayStep stepAt(int slot, TraceRange selection) const;
  TraceRange selectionAt(int slot, const Text& trace);

  const Machine& m_;
  int position_ = 1;
  bool replaying_ = false;
  std::uint64_t run_ = 0;
  // The trace selection when the replay started at its first step, and the
  // selection ">>" made (or would make) at each slot; a length of -1 marks
  // one not known yet.
  TraceRange startSelection_;
  std::vector<TraceRange> selections_;
};

}  // namespace casl2wb
