// The program-trace text of the last translation: kept here for the whole
// run of the program and passed on to the trace window while one is
// attached, so that the window shows it whenever it is opened.
#pragma once

#include <functional>
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

  // The window shows the kept text only while `current` answers true (the
  // text belongs to the program that can be run now) and an empty text
  // otherwise; without a test it always shows it. The kept text stays.
  void showOnlyWhile(std::function<bool()> current);
  // Asks the test again and shows the text or the empty text accordingly.
  void refresh();

 private:
  // Whether the window is to show the kept text now.
  bool textIsCurrent() const { return !current_ || current_(); }
  void show();

  std::string text_;
  TraceWindow* window_ = nullptr;
  std::function<bool()> current_;
  // Whether the window was last given the kept text (or the empty text), so
  // that a refresh that changes nothing keeps its selection.
  bool windowShowsText_ = false;
};

}  // namespace casl2wb
