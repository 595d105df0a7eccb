// How far the steps of a work file have come: writing it, reading it back,
// or neither. The steps report it; whoever shows it chooses the text.
#pragma once

namespace casl2wb {

enum class WorkFileProgress { Writing, Reading, Idle };

class WorkFileProgressSink {
 public:
  virtual ~WorkFileProgressSink() = default;
  virtual void report(WorkFileProgress progress) = 0;
};

}  // namespace casl2wb
