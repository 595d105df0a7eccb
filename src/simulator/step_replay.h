// The ">>" button of the execution window: one recorded step at a time, with
// the panel, the memory of that step and the step's line in the trace text.
#pragma once

#include <string>

#include "base/message_list.h"
#include "base/text.h"
#include "simulator/machine.h"
#include "simulator/register_panel.h"
#include "simulator/trace_selection.h"

namespace casl2wb {

class StepReplay {
 public:
  StepReplay(Machine& machine, MessageList& list, TraceSelection& trace, RegisterPanel& panel);

  // One replay step; after the last step the next press starts again at slot 0.
  void stepForward();

 private:
  Machine& m_;
  MessageList& list_;
  TraceSelection& trace_;
  RegisterPanel& panel_;
};

// Selects `address` followed by one space in the trace text, searching after
// the current selection and then once from the start; no line stays selected
// when the address does not occur.
void highlightAddress(TraceSelection& trace, const std::string& address);

// A selection of the trace text, in characters.
struct TraceRange {
  int start = 0;
  int length = 0;
  bool operator==(const TraceRange&) const = default;
};
// The selection that highlightAddress makes in `text` from `current`.
TraceRange highlightOf(const Text& text, TraceRange current, const std::string& address);

}  // namespace casl2wb
