// Label services: the syntax check of a label text, the index-register
// check, and the resolution of label references against the label table.
#pragma once

#include <unordered_map>
#include <vector>

#include "assembler/diagnostics.h"
#include "assembler/source_table.h"

namespace casl2wb {

// The label rules for a field of line n: one "too long" message for more
// than 8 characters, else one message for every character that is not A-Z
// or 0-9.
void checkLabelSyntax(const SourceLine& row, LineField field, int n, DiagnosticLog& log);
// The index message of line n unless its third operand part is exactly
// GR1..GR7.
void checkIndexRegister(const SourceLine& row, int n, DiagnosticLog& log);

// The labels of lines 1..lineCount, searchable by their text.
class LabelIndex {
 public:
  LabelIndex() = default;
  LabelIndex(const SourceTable& table, int lineCount);
  // The smallest line i with first <= i <= last whose label is `value`, or -1.
  int findLabel(const Text& value, int first, int last) const;

 private:
  std::unordered_map<Text, std::vector<int>> lines_;
};

// Resolves every label reference of lines 1..lineCount: "not defined" and
// "defined twice" messages, after the last line.
void resolveLabels(SourceTable& table, DiagnosticLog& log);

}  // namespace casl2wb
