#include "base/text_lines.h"

#include <algorithm>

#include "base/display_width.h"

namespace casl2wb {

void TextLines::clear() {
  text_.clear();
  starts_.clear();
  widest_ = 0;
  measuredLines_ = 0;
}

void TextLines::add(std::string_view item) {
  starts_.push_back(text_.size());
  text_.append(item);
}

std::string_view TextLines::line(std::size_t i) const {
  const std::size_t start = starts_.at(i);
  const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] : text_.size();
  return std::string_view(text_).substr(start, end - start);
}

// A line is never wider than its bytes, so only lines longer in bytes than
// the widest so far are measured.
std::size_t TextLines::widestLineWidth() const {
  for (; measuredLines_ < starts_.size(); ++measuredLines_) {
    const std::string_view text = line(measuredLines_);
    if (text.size() > widest_) widest_ = std::max(widest_, displayWidth(text));
  }
  return widest_;
}

}  // namespace casl2wb
