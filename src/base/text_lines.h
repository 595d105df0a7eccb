// A message list that keeps many lines cheaply: the texts one after the
// other in one buffer, and where each starts. A long run adds a line or more
// a step; its list is read a screenful at a time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/message_list.h"

namespace casl2wb {

class TextLines : public MessageList {
 public:
  void clear() override;
  void add(std::string_view item) override;

  std::size_t size() const { return starts_.size(); }
  std::string_view line(std::size_t i) const;
  // The display width (a wide character two columns) of the widest line.
  std::size_t widestLineWidth() const;

 private:
  std::string text_;
  std::vector<std::size_t> starts_;
  // The widest line among the first `measuredLines_`.
  mutable std::size_t widest_ = 0;
  mutable std::size_t measuredLines_ = 0;
};

}  // namespace casl2wb
