// The colours of the program's fields in the editor (sourcePartRuns).
#pragma once

#include <QColor>
#include <QString>
#include <QSyntaxHighlighter>
#include <vector>

#include "assembler/source_parts.h"

namespace casl2wb {

// A run of a line's characters (in UTF-16 units, as QString counts them).
struct SourceSpan {
  SourcePart part;
  int start;
  int length;

  friend bool operator==(const SourceSpan&, const SourceSpan&) = default;
};

// The coloured runs of a line, from left to right; spaces between the
// fields belong to none.
std::vector<SourceSpan> sourceSpans(const QString& line);

// Quiet colours that keep the fixed-pitch text plain (no bold or italics,
// which could change the width of the characters).
QColor sourcePartColour(SourcePart part);

class SourceHighlighter : public QSyntaxHighlighter {
  Q_OBJECT

 public:
  explicit SourceHighlighter(QTextDocument* document);

 protected:
  void highlightBlock(const QString& text) override;
};

}  // namespace casl2wb
