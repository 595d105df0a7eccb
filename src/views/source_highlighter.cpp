#include "views/source_highlighter.h"

#include <QList>
#include <QTextCharFormat>
#include <algorithm>
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

  // The runs of characters that show one part, in UTF-16 units: `units[i]`
  // is where character i starts.
  std::vector<SourceSpan> runs(const std::vector<int>& units) const {
    std::vector<SourceSpan> spans;
    for (std::size_t at = 0; at < parts_.size();) {
      const std::size_t start = at;
      while (at < parts_.size() && parts_[at] == parts_[start]) ++at;
      if (parts_[start]) {
        spans.push_back({*parts_[start], units[start], units[at] - units[start]});
      }
    }
    return spans;
  }

 private:
  std::vector<std::optional<SourcePart>> parts_;
};

}  // namespace

std::vector<SourceSpan> sourceSpans(const QString& line) {
  const QList<uint> codePoints = line.toUcs4();
  const Text text(codePoints.begin(), codePoints.end());
  // Where each character starts in UTF-16 units, and where the line ends.
  std::vector<int> units(text.size() + 1, 0);
  for (std::size_t at = 0; at < text.size(); ++at) {
    units[at + 1] = units[at] + (text[at] > 0xFFFF ? 2 : 1);
  }

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
  return parts.runs(units);
}

QColor sourcePartColour(SourcePart part) {
  switch (part) {
    case SourcePart::Label:
      return QColor(0x8a, 0x4b, 0x08);  // brown
    case SourcePart::Operation:
      return QColor(0x1c, 0x4f, 0x9c);  // blue
    case SourcePart::Operand:
      return QColor(0x0b, 0x5d, 0x63);  // dark teal
    case SourcePart::Literal:
      return QColor(0x85, 0x35, 0x8a);  // plum
    case SourcePart::Comment:
      return QColor(0x6e, 0x76, 0x6e);  // grey
  }
  return {};
}

SourceHighlighter::SourceHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void SourceHighlighter::highlightBlock(const QString& text) {
  for (const SourceSpan& span : sourceSpans(text)) {
    setFormat(span.start, span.length, sourcePartColour(span.part));
  }
}

}  // namespace casl2wb
