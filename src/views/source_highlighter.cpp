#include "views/source_highlighter.h"

#include <QList>
#include <QTextCharFormat>

namespace casl2wb {

std::vector<SourceSpan> sourceSpans(const QString& line) {
  const QList<uint> codePoints = line.toUcs4();
  const Text text(codePoints.begin(), codePoints.end());
  // Where each character starts in UTF-16 units, and where the line ends.
  std::vector<int> units(text.size() + 1, 0);
  for (std::size_t at = 0; at < text.size(); ++at) {
    units[at + 1] = units[at] + (text[at] > 0xFFFF ? 2 : 1);
  }
  std::vector<SourceSpan> spans;
  for (const SourcePartRun& run : sourcePartRuns(text)) {
    spans.push_back({run.part, units[run.start], units[run.start + run.length] - units[run.start]});
  }
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
