// A list of text lines that a run writes into: the execution window's list
// box, the text front end's output, or a plain vector in tests.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace casl2wb {

class MessageList {
 public:
  virtual ~MessageList() = default;
  virtual void clear() = 0;
  // Appends one item (UTF-8 text).
  virtual void add(std::string_view item) = 0;
};

// A message list that keeps its items in memory.
class VectorMessageList : public MessageList {
 public:
  void clear() override { items.clear(); }
  void add(std::string_view item) override { items.emplace_back(item); }
  std::vector<std::string> items;
};

// A message list that writes each item as a line as soon as it is added (a
// list that is never cleared).
class StreamMessageList : public MessageList {
 public:
  explicit StreamMessageList(std::ostream& out) : out_(out) {}
  void clear() override {}
  void add(std::string_view item) override {
    // Straight into the stream's buffer: a long run adds a line or more a step.
    std::streambuf& buffer = *out_.rdbuf();
    buffer.sputn(item.data(), static_cast<std::streamsize>(item.size()));
    buffer.sputc('\n');
  }

 private:
  std::ostream& out_;
};

}  // namespace casl2wb
