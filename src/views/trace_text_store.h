// The program-trace text of the last translation: kept here for the whole
// run of the program and passed on to the trace window while one is
// attached, so that the window shows it whenever it is opened.
#pragma once

#include <string>

namespace casl2wb {

class TraceWindow;

class TraceTextStore {
 public:
  // Keeps the text and shows it in the attached window.
  void setText(const std::string& newText);
  const std::string& text() const { return text_; }

  // The window that shows the text from now on (nullptr to detach); it gets
  // the text at once.
  void attach(TraceWindow* window);

 private:
  std::string text_;
  TraceWindow* window_ = nullptr;
};

}  // namespace casl2wb
