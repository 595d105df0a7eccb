// The program-trace text of the trace window: one line per source line,
// the address first.
#pragma once

#include <string>

namespace casl2wb {

class TraceTextView {
 public:
  virtual ~TraceTextView() = default;
  // Replaces the whole text (UTF-8, lines ended by CR LF).
  virtual void setText(const std::string& text) = 0;
};

// A trace text kept in memory, for the text front end and tests.
class StringTraceText : public TraceTextView {
 public:
  void setText(const std::string& newText) override { text = newText; }
  std::string text;
};

}  // namespace casl2wb
