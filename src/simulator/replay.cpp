#include "simulator/replay.h"

#include <algorithm>

namespace casl2wb {

namespace {

constexpr TraceRange unknown{0, -1};

}  // namespace

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

SelectionPlace selectionPlace(const Text& text, TraceRange selection) {
  const std::size_t start =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(selection.start, 0)), text.size());
  SelectionPlace place;
  place.length = selection.length;
  for (std::size_t i = 0; i < start; ++i) {
    if (text[i] == U'\n') {
      ++place.line;
      place.column = 1;
    } else {
      ++place.column;
    }
  }
  return place;
}

void Replay::followRuns(TraceRange selection) {
  const RunRecord& record = m_.record();
  if (run_ == record.runCount()) return;
  run_ = record.runCount();
  startSelection_ = selection;
  // A run starts the replay at the second step of its history when one is
  // under way, and at the first otherwise.
  position_ = 1;
  selections_.assign(static_cast<std::size_t>(std::max(record.recordedSteps(), 0)), unknown);
}

std::optional<ReplayStep> Replay::forward(const Text& trace, TraceRange selection) {
  followRuns(selection);
  if (!replaying_) {
    position_ = 0;
    replaying_ = true;
    startSelection_ = selection;
    std::fill(selections_.begin(), selections_.end(), unknown);
  }
  const int steps = m_.record().recordedSteps();
  if (position_ >= steps) return std::nullopt;
  const int slot = position_;
  const std::string address = Word::of(m_.record().slot(slot).pr).text();
  ReplayStep step = stepAt(slot, highlightOf(trace, selection, address));
  selections_.at(static_cast<std::size_t>(slot)) = step.traceSelection;
  position_ = slot + 1;
  if (position_ == steps) replaying_ = false;
  return step;
}

ReplayStep Replay::show(int slot, const Text& trace, TraceRange selection) {
  followRuns(selection);
  if (!replaying_ && std::all_of(selections_.begin(), selections_.end(),
                                 [](TraceRange known) { return known == unknown; })) {
    startSelection_ = selection;
  }
  const ReplayStep step = stepAt(slot, selectionAt(slot, trace));
  position_ = slot + 1;
  replaying_ = position_ < m_.record().recordedSteps();
  return step;
}

void Replay::reset() {
  replaying_ = false;
  std::fill(selections_.begin(), selections_.end(), unknown);
}

ReplayStep Replay::stepAt(int slot, TraceRange selection) const {
  const HistorySlot& shown = m_.record().slot(slot);
  return {slot, panelOf(m_.cpu().memory, shown.pr, shown.registers, shown.flags, shown.sp),
          selection};
}

// Found from the nearest slot before it whose selection is known, as the
// presses of ">>" from there would find it.
TraceRange Replay::selectionAt(int slot, const Text& trace) {
  int known = slot;
  while (known >= 0 && selections_.at(static_cast<std::size_t>(known)) == unknown) --known;
  TraceRange range = known >= 0 ? selections_.at(static_cast<std::size_t>(known)) : startSelection_;
  for (int s = known + 1; s <= slot; ++s) {
    const std::string address = Word::of(m_.record().slot(s).pr).text();
    range = highlightOf(trace, range, address);
    selections_.at(static_cast<std::size_t>(s)) = range;
  }
  return range;
}

std::optional<int> slotAtBreakpoint(int shownSlot, bool forward, int steps,
                                    const std::vector<int>& sortedLines,
                                    const std::function<int(int)>& lineOfSlot) {
  for (int slot = forward ? shownSlot + 1 : shownSlot - 1; slot >= 0 && slot < steps;
       slot += forward ? 1 : -1) {
    if (std::binary_search(sortedLines.begin(), sortedLines.end(), lineOfSlot(slot))) return slot;
  }
  return std::nullopt;
}

}  // namespace casl2wb
