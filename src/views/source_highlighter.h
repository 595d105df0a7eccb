// The colours of the program's fields in the editor. A line is cut by the
// check's own splitter, so each colour shows a field the check reads: the
// label, the operation, and the operand field with its literal parts (those
// that start with '='). The rest of the line after them is coloured as a
// comment: the extra field (the run parameters), a comment, and what the
// check does not read (a token past the fields, a token lost with the ';'
// it touches).
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
  // The rest of the line after the statement's fields.
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
