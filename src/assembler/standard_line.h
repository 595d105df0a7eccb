// Cutting a line of standard CASL II into its fields: a label from the first
// column, the operation and the operands after spaces or tabs, and a comment
// from a ";" outside a character constant. Spaces and ";" inside quotes
// belong to the operand.
#pragma once

#include <vector>

#include "base/text.h"

namespace casl2wb::standard {

// A field of a line and the display column (from 1, a tab reaching the next
// multiple of 8) where it starts.
struct Field {
  Text text;
  int column = 1;
};

struct CutLine {
  Field label;
  Field operation;
  Field operandField;           // the operands as written, commas included
  std::vector<Field> operands;  // cut at the commas outside quotes
  Text comment;                 // from ";" (or the text after the operands)
  // The column of a quote that the operands leave open.
  int unclosedQuote = 0;

  // Whether the line holds a statement (a label or an operation): comment
  // lines and blank lines do not.
  bool isStatement() const { return !label.text.empty() || !operation.text.empty(); }
};

CutLine cutLine(TextView line);

}  // namespace casl2wb::standard
