// The syntax check: splits every source line, assigns addresses, checks each
// statement, resolves labels and writes the listing and its messages into the
// message list. When no error was found it hands over to the translation.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "codegen/memory_image.h"
#include "source/address_assignment.h"
#include "source/error_log.h"
#include "source/message_list.h"
#include "source/source_table.h"
#include "source/text.h"

namespace casl2wb {

// What reading the program file gave: either its lines or the system's
// error text for why it could not be read.
struct CheckFileResult {
  bool fileRead = false;
  std::string error;
};

class SyntaxChecker {
 public:
  SyntaxChecker(SourceTable& table, MemoryImage& memory, MessageList& messages);

  // Runs after the "no errors" item; the translation plugs in here.
  std::function<void()> translate;

  // One complete check of the program whose lines are given (line ends removed).
  void checkLines(const std::vector<Text>& lines);
  // Reads the program file (UTF-8 or CP932) and checks it; nothing is checked
  // when the file cannot be read.
  CheckFileResult checkProgram(const std::string& path);

  // Appends an item and counts it as an error.
  void addError(const std::string& text);
  int errorCount() const { return table_.errorCount; }

 private:
  void startCheck(int lineCount);
  void checkLine(int n, const Text& line);
  void finishCheck();

  SourceTable& table_;
  MemoryImage& memory_;
  MessageList& messages_;
  ErrorLog errors_;
  LocationCounter locationCounter_;
  bool retSeen_ = false;
};

}  // namespace casl2wb
