// Counted error messages: each one is an item of the message list and adds
// one to the error count.
#pragma once

#include <string>

#include "source/message_list.h"

namespace casl2wb {

class ErrorLog {
 public:
  ErrorLog(MessageList& messages, int& errorCount) : messages_(messages), errorCount_(errorCount) {}
  void add(const std::string& text) {
    messages_.add(text);
    ++errorCount_;
  }

 private:
  MessageList& messages_;
  int& errorCount_;
};

}  // namespace casl2wb
