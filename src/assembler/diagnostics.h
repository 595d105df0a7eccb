// What the check and the translation find wrong: messages that belong to a
// source line, in the order they were found. Every one counts as an error.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/messages.h"

namespace casl2wb {

struct Diagnostic {
  // Where the message list shows it.
  enum class Place {
    BeforeLine,        // before the listing line of its line (found while cutting it)
    AfterLine,         // after the listing line of its line
    AfterLines,        // after the last line's listing
    AfterTranslation,  // after the error count, found by the translation
  };

  int line;  // the source line it belongs to; 0 for the program as a whole
  Place place;
  Message message;
  std::vector<std::string> arguments;

  // The text of the message, arguments filled in.
  std::string text() const;
};

class DiagnosticLog {
 public:
  void add(int line, Diagnostic::Place place, Message message,
           std::initializer_list<std::string_view> arguments = {});
  const std::vector<Diagnostic>& all() const { return diagnostics_; }
  int count() const { return static_cast<int>(diagnostics_.size()); }

 private:
  std::vector<Diagnostic> diagnostics_;
};

}  // namespace casl2wb
