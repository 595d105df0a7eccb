// Label services: the syntax check of a label text, the index-register
// check, and the resolution of label references against the label table.
#pragma once

#include <unordered_map>
#include <vector>

#include "source/error_log.h"
#include "source/source_table.h"

namespace casl2wb {

// Adds one "too long" message for more than 8 characters, else one message
// for every character that is not A-Z or 0-9.
void checkLabelSyntax(TextView text, ErrorLog& errors);
// Adds the index message unless the text is exactly GR1..GR7.
void checkIndexRegister(TextView text, ErrorLog& errors);

// The lines of labelTable(1..lineCount), searchable by label text.
class LabelIndex {
 public:
  LabelIndex(const SourceTable& table, int lineCount);
  // The smallest line i with first <= i <= last whose label is `value`, or -1.
  int findLabel(const Text& value, int first, int last) const;

 private:
  std::unordered_map<Text, std::vector<int>> lines_;
};

// Resolves every label reference of lines 1..lineCount, adding the
// "not defined" and "defined twice" messages.
void resolveLabels(SourceTable& table, ErrorLog& errors);

}  // namespace casl2wb
