// The colours of the program's fields in the editor. A line is cut as the
// check cuts it: only spaces separate fields, and a line that starts with a
// character other than a space starts with its label; then come the
// operation, the operands and anything after them. A ';' outside quotes
// starts a comment, and in the operands a '=' outside quotes starts a
// literal that runs to the next ',' outside quotes. Quotes hold spaces.
#pragma once

#include <QColor>
#include <QString>
#include <QSyntaxHighlighter>
#include <vector>

namespace casl2wb {

enum class SourcePart {
  Label,
  Operation,
  Operand,
  Literal,
  // A comment, and the token after the operands (the run parameters).
  Comment,
};

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
