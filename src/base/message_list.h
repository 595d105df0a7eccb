// The message list a check writes into: the editor window's list box, the
// text front end's output, or a plain vector in tests.
#pragma once

#include <string>
#include <vector>

namespace casl2wb {

class MessageList {
 public:
  virtual ~MessageList() = default;
  virtual void clear() = 0;
  // Appends one item (UTF-8 text).
  virtual void add(const std::string& item) = 0;
};

// A message list that keeps its items in memory.
class VectorMessageList : public MessageList {
 public:
  void clear() override { items.clear(); }
  void add(const std::string& item) override { items.push_back(item); }
  std::vector<std::string> items;
};

}  // namespace casl2wb
