#include "assembler/standard_line.h"

#include "base/display_width.h"

namespace casl2wb::standard {

namespace {

bool isBlank(char32_t c) { return c == U' ' || c == U'\t'; }

}  // namespace

CutLine cutLine(TextView line) {
  CutLine cut;
  std::size_t at = 0;
  const auto columnAt = [&](std::size_t index) {
    return static_cast<int>(displayWidthWithTabs(line.substr(0, index))) + 1;
  };
  const auto skipBlanks = [&] {
    while (at < line.size() && isBlank(line[at])) ++at;
  };
  const auto word = [&](Field& field) {
    field.column = columnAt(at);
    const std::size_t from = at;
    while (at < line.size() && !isBlank(line[at]) && line[at] != U';') ++at;
    field.text = Text(line.substr(from, at - from));
  };

  if (at < line.size() && !isBlank(line[at]) && line[at] != U';') word(cut.label);
  skipBlanks();
  if (at < line.size() && line[at] != U';') {
    word(cut.operation);
    skipBlanks();
  }
  if (at < line.size() && line[at] != U';') {
    // The operands end at a blank or ";" outside quotes; a quote inside a
    // constant is written twice, which closes and opens it again.
    cut.operandField.column = columnAt(at);
    const std::size_t from = at;
    std::size_t operandFrom = at;
    bool quoted = false;
    std::size_t quoteAt = 0;
    const auto endOperand = [&](std::size_t end) {
      cut.operands.push_back(
          {Text(line.substr(operandFrom, end - operandFrom)), columnAt(operandFrom)});
    };
    for (; at < line.size(); ++at) {
      const char32_t c = line[at];
      if (c == U'\'') {
        quoted = !quoted;
        if (quoted) quoteAt = at;
      } else if (!quoted && (isBlank(c) || c == U';')) {
        break;
      } else if (!quoted && c == U',') {
        endOperand(at);
        operandFrom = at + 1;
      }
    }
    endOperand(at);
    cut.operandField.text = Text(line.substr(from, at - from));
    if (quoted) cut.unclosedQuote = columnAt(quoteAt);
    skipBlanks();
  }
  cut.comment = Text(line.substr(at));
  return cut;
}

}  // namespace casl2wb::standard
