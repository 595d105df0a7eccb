// The program-trace text that the translation writes: kept here for the
// whole run of the program and passed on to the trace window while one is
// attached, so that the window shows it whenever it is opened.
#pragma once

#include <string>

#include "codegen/trace_text.h"

namespace casl2wb {

class TraceTextStore : public TraceTextView {
 public:
  void setText(const std::string& newText) override {
    text_ = newText;
    if (view_ != nullptr) view_->setText(text_);
  }
  const std::string& text() const { return text_; }

  // The window's text box from now on (nullptr to detach); it gets the text
  // at once.
  void attach(TraceTextView* view) {
    view_ = view;
    if (view_ != nullptr) view_->setText(text_);
  }

 private:
  std::string text_;
  TraceTextView* view_ = nullptr;
};

}  // namespace casl2wb
