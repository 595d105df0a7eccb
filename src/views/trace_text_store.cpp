#include "views/trace_text_store.h"

#include <utility>

#include "views/trace_window.h"

namespace casl2wb {

void TraceTextStore::setText(const std::string& newText) {
  text_ = newText;
  if (window_ != nullptr) show();
}

void TraceTextStore::attach(TraceWindow* window) {
  window_ = window;
  if (window_ != nullptr) show();
}

void TraceTextStore::showOnlyWhile(std::function<bool()> current) {
  current_ = std::move(current);
  refresh();
}

void TraceTextStore::refresh() {
  if (window_ != nullptr && textIsCurrent() != windowShowsText_) show();
}

void TraceTextStore::show() {
  windowShowsText_ = textIsCurrent();
  window_->setTraceText(windowShowsText_ ? text_ : std::string());
}

}  // namespace casl2wb
