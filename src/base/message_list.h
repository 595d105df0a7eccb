// A list of text lines that a run writes into: the execution window's list
// box, the text front end's output, or a plain vector in tests.
#pragma once

#include <cstring>
#include <memory>
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

// A message list that writes each item as a line of a stream (a list that
// is never cleared). The lines gather in a buffer of its own, a long run
// adds a line or more a step, and go to the stream when it fills, on flush
// and at the end: flush before anything else writes to the stream.
class StreamMessageList : public MessageList {
 public:
  explicit StreamMessageList(std::ostream& out) : out_(out), buffer_(new char[bufferSize]) {}
  ~StreamMessageList() override { flush(); }
  StreamMessageList(const StreamMessageList&) = delete;
  StreamMessageList& operator=(const StreamMessageList&) = delete;

  void clear() override {}
  void add(std::string_view item) override {
    if (used_ + item.size() + 1 > bufferSize) {
      flush();
      if (item.size() + 1 > bufferSize) {
        out_.rdbuf()->sputn(item.data(), static_cast<std::streamsize>(item.size()));
        out_.rdbuf()->sputc('\n');
        return;
      }
    }
    std::memcpy(buffer_.get() + used_, item.data(), item.size());
    used_ += item.size();
    buffer_[used_++] = '\n';
  }
  void flush() {
    out_.rdbuf()->sputn(buffer_.get(), static_cast<std::streamsize>(used_));
    used_ = 0;
  }

 private:
  static constexpr std::size_t bufferSize = 1 << 16;
  std::ostream& out_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
};

}  // namespace casl2wb
