#include "simulator/step_replay.h"

#include "base/text.h"
#include "simulator/run_dumps.h"

namespace casl2wb {

StepReplay::StepReplay(Machine& machine, MessageList& list, TraceSelection& trace,
                       RegisterPanel& panel)
    : m_(machine), list_(list), trace_(trace), panel_(panel) {}

void StepReplay::stepForward() {
  if (!m_.replaying) {
    m_.replayPosition = 0;
    m_.replaying = true;
  }
  if (m_.replayPosition >= m_.recordedSteps) return;
  const int s = m_.replayPosition;
  const HistorySlot& slot = m_.history.at(static_cast<std::size_t>(s));
  panel_ = panelOf(m_.memory, slot.pr, slot.registers, slot.flags, slot.sp);
  highlightAddress(trace_, Word::of(slot.pr).text());
  m_.replayPosition = s + 1;
  showStepMemory(m_, m_.replayPosition, list_);
  if (m_.replayPosition == m_.recordedSteps) m_.replaying = false;
}

void highlightAddress(TraceSelection& trace, const std::string& address) {
  const TraceRange range = highlightOf(fromUtf8(trace.text()),
                                       {trace.selectionStart(), trace.selectionLength()}, address);
  trace.select(range.start, range.length);
  trace.focus();
}

TraceRange highlightOf(const Text& text, TraceRange current, const std::string& address) {
  const Text wanted = fromUtf8(address + " ");
  // The search starts at the first character after the selection.
  const auto from =
      static_cast<std::size_t>(current.start) + static_cast<std::size_t>(current.length);
  std::size_t found = from <= text.size() ? text.find(wanted, from) : Text::npos;
  if (found == Text::npos) {
    current = {0, 0};
    found = text.find(wanted);
  }
  if (found != Text::npos) current = {static_cast<int>(found), 5};
  return current;
}

}  // namespace casl2wb
