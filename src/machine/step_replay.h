// The ">>" button of the execution window: one recorded step at a time, with
// the panel, the memory of that step and the step's line in the trace text.
#pragma once

#include <string>

#include "machine/machine_state.h"
#include "machine/register_panel.h"
#include "machine/trace_selection.h"
#include "source/message_list.h"

namespace casl2wb {

class StepReplay {
 public:
  StepReplay(MachineState& machine, MessageList& list, TraceSelection& trace, RegisterPanel& panel);

  // One replay step; after the last step the next press starts again at slot 0.
  void cmdadd_Click();

 private:
  MachineState& m_;
  MessageList& list_;
  TraceSelection& trace_;
  RegisterPanel& panel_;
};

// Selects `address` followed by one space in the trace text, searching after
// the current selection and then once from the start; no line stays selected
// when the address does not occur.
void highlightAddress(TraceSelection& trace, const std::string& address);

}  // namespace casl2wb
