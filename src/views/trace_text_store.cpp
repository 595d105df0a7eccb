#include "views/trace_text_store.h"

#include "views/trace_window.h"

namespace casl2wb {

void TraceTextStore::setText(const std::string& newText) {
  text_ = newText;
  if (window_ != nullptr) window_->setTraceText(text_);
}

void TraceTextStore::attach(TraceWindow* window) {
  window_ = window;
  if (window_ != nullptr) window_->setTraceText(text_);
}

}  // namespace casl2wb
