#include "simulator/trace_selection.h"

#include "base/text.h"

namespace casl2wb {

SelectionPlace selectionPlace(const TraceSelection& trace) {
  const Text text = fromUtf8(trace.text());
  const std::size_t start = std::min<std::size_t>(
      static_cast<std::size_t>(std::max(trace.selectionStart(), 0)), text.size());
  SelectionPlace place;
  place.length = trace.selectionLength();
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

}  // namespace casl2wb
