#include "machine/step_replay.h"

#include "instructions/word_arithmetic.h"
#include "machine/run_dumps.h"
#include "source/text.h"

namespace casl2wb {

StepReplay::StepReplay(MachineState& machine, MessageList& list, TraceSelection& trace,
                       RegisterPanel& panel)
    : m_(machine), list_(list), trace_(trace), panel_(panel) {}

void StepReplay::cmdadd_Click() {
  if (!m_.replayActive) {
    m_.replayPos = 0;
    m_.replayActive = true;
  }
  if (m_.replayPos >= m_.replayEnd) return;
  const int s = m_.replayPos;
  const HistorySlot& slot = m_.history.at(s);
  panel_ = panelOf(m_, slot.pr, slot.gr, slot.fr, slot.sp);
  highlightAddress(trace_, wordOf(slot.pr).text());
  m_.replayPos = s + 1;
  moutstp(m_, m_.replayPos, list_);
  if (m_.replayPos == m_.replayEnd) m_.replayActive = false;
}

void highlightAddress(TraceSelection& trace, const std::string& address) {
  const Text text = fromUtf8(trace.text());
  const Text wanted = fromUtf8(address + " ");
  // Positions here are 1-based like the search; the selection counts from 0.
  std::size_t found = findFrom(
      static_cast<std::size_t>(trace.selectionStart() + trace.selectionLength()) + 1, text, wanted);
  if (found == 0) {
    trace.select(0, 0);
    found = find(text, wanted);
  }
  if (found != 0) trace.select(static_cast<int>(found) - 1, 5);
  trace.focus();
}

}  // namespace casl2wb
