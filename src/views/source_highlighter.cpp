#include "views/source_highlighter.h"

#include <QTextCharFormat>

namespace casl2wb {
namespace {

constexpr QChar space = QLatin1Char(' ');
constexpr QChar quote = QLatin1Char('\'');

// Splits the operand token [start, end) of the line into its plain parts and
// its literals.
void addOperandSpans(const QString& line, int start, int end, std::vector<SourceSpan>& spans) {
  bool quoted = false;
  int partStart = start;
  SourcePart part = SourcePart::Operand;
  auto close = [&](int at) {
    if (at > partStart) spans.push_back({part, partStart, at - partStart});
    partStart = at;
  };
  for (int at = start; at < end; ++at) {
    const QChar c = line.at(at);
    if (c == quote) {
      quoted = !quoted;
    } else if (!quoted && c == QLatin1Char('=') && part == SourcePart::Operand) {
      close(at);
      part = SourcePart::Literal;
    } else if (!quoted && c == QLatin1Char(',') && part == SourcePart::Literal) {
      close(at);
      part = SourcePart::Operand;
    }
  }
  close(end);
}

}  // namespace

std::vector<SourceSpan> sourceSpans(const QString& line) {
  const int size = static_cast<int>(line.size());
  // The comment starts at the first ';' outside quotes.
  int commentStart = size;
  bool quoted = false;
  for (int at = 0; at < size; ++at) {
    const QChar c = line.at(at);
    if (c == quote) quoted = !quoted;
    if (c == QLatin1Char(';') && !quoted) {
      commentStart = at;
      break;
    }
  }

  std::vector<SourceSpan> spans;
  int field = size > 0 && line.at(0) != space ? 0 : 1;  // 0 label, 1 operation, 2 operands
  quoted = false;
  for (int at = 0; at < commentStart;) {
    if (line.at(at) == space) {
      ++at;
      continue;
    }
    // A token runs to the next space outside quotes.
    const int start = at;
    for (; at < commentStart && (quoted || line.at(at) != space); ++at) {
      if (line.at(at) == quote) quoted = !quoted;
    }
    switch (field) {
      case 0:
        spans.push_back({SourcePart::Label, start, at - start});
        break;
      case 1:
        spans.push_back({SourcePart::Operation, start, at - start});
        break;
      case 2:
        addOperandSpans(line, start, at, spans);
        break;
      default:
        spans.push_back({SourcePart::Comment, start, at - start});
        break;
    }
    ++field;
  }
  if (commentStart < size)
    spans.push_back({SourcePart::Comment, commentStart, size - commentStart});
  return spans;
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
