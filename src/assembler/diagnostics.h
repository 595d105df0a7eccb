// What the check and the translation find wrong: messages that belong to a
// source line, in the order they were found. Every one counts as an error.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/line_fields.h"
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
  // The part of the line it is about, and the display column where that
  // part starts (counted from 1, a full-width character counting two; 1
  // for a message about no part of its line, or of no line).
  LineField field;
  int column;
  Place place;
  Message message;
  std::vector<std::string> arguments;

  // The text of the message as the message list shows it, banner and
  // arguments filled in.
  std::string text() const;
  // The same without the banner.
  std::string plainText() const;
};

class DiagnosticLog {
 public:
  // A message of line n about a field of its row.
  void add(int n, const LineFields& row, LineField field, Diagnostic::Place place, Message message,
           std::initializer_list<std::string_view> arguments = {});
  // A message of the program as a whole.
  void addOfProgram(Diagnostic::Place place, Message message);

  const std::vector<Diagnostic>& all() const { return diagnostics_; }
  int count() const { return static_cast<int>(diagnostics_.size()); }

 private:
  std::vector<Diagnostic> diagnostics_;
};

}  // namespace casl2wb
