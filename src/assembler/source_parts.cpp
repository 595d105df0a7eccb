#include "assembler/source_parts.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "assembler/line_splitter.h"

namespace casl2wb {
namespace {

// The part each character of the line shows.
class PartsOfCharacters {
 public:
  explicit PartsOfCharacters(std::size_t size) : parts_(size) {}

  void paint(const std::optional<TextSpan>& span, SourcePart part) {
    if (!span) return;
    for (std::size_t at = span->start; at < span->end() && at < parts_.size(); ++at) {
      parts_[at] = part;
    }
  }

  std::vector<SourcePartRun> runs() const {
    std::vector<SourcePartRun> spans;
    for (std::size_t at = 0; at < parts_.size();) {
      const std::size_t start = at;
      while (at < parts_.size() && parts_[at] == parts_[start]) ++at;
      if (parts_[start]) spans.push_back({*parts_[start], start, at - start});
    }
    return spans;
  }

 private:
  std::vector<std::optional<SourcePart>> parts_;
};

}  // namespace

int nextFieldColumn(int column) {
  for (const int field : fieldColumns) {
    if (field > column) return field;
  }
  const int last = fieldColumns[std::size(fieldColumns) - 1];
  return last + ((column - last) / commentTabWidth + 1) * commentTabWidth;
}

int previousFieldColumn(int column) {
  int stop = 1;
  while (nextFieldColumn(stop) < column) stop = nextFieldColumn(stop);
  return stop;
}

std::vector<SourcePartRun> sourcePartRuns(TextView line) {
  const Text text(line);
  const LineFields fields = splitLine(text);
  PartsOfCharacters parts(text.size());
  std::size_t statementEnd = 0;
  const auto paintField = [&](Column column, SourcePart part) {
    const std::optional<TextSpan> span = fields.fieldSpan(column);
    parts.paint(span, part);
    if (span) statementEnd = std::max(statementEnd, span->end());
  };
  paintField(Column::Label, SourcePart::Label);
  paintField(Column::Operation, SourcePart::Operation);
  paintField(Column::OperandField, SourcePart::Operand);
  for (std::size_t k = 0; k < fields.operands.size(); ++k) {
    const int part = static_cast<int>(k);
    if (startsWith(fields.operand(part), U"=")) {
      parts.paint(fields.operandSpan(part), SourcePart::Literal);
    }
  }
  // The rest of the line from its first character after the statement.
  const std::size_t rest = text.find_first_not_of(U' ', statementEnd);
  if (rest != Text::npos) parts.paint(TextSpan{rest, text.size() - rest}, SourcePart::Comment);
  return parts.runs();
}

}  // namespace casl2wb
