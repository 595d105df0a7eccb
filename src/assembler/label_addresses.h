// The addresses that labels stand for once the addresses of a program's
// lines are assigned: what the translation puts in address words, and what
// a grader reads a label's word at.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "assembler/label_table.h"
#include "assembler/source_table.h"

namespace casl2wb {

class LabelAddresses {
 public:
  // The table's lines must have their addresses assigned; the table must
  // outlive this object.
  explicit LabelAddresses(const SourceTable& table);

  // The first line (1..lineCount) whose label is `label`, or -1.
  int lineOf(const Text& label) const { return labels_.findLabel(label, 1, table_.lineCount); }
  // The address that the label of line `labelled` stands for. A label on a
  // line that occupies no address stands for its START operand's line, or
  // else for the first following line that occupies one (the end of the
  // program when none does).
  std::int64_t addressOfLine(int labelled) const;
  // The address of `label`, or nothing when no line has it.
  std::optional<std::int64_t> addressOf(const Text& label) const;

 private:
  std::int64_t addressAtOrAfter(int line) const;

  const SourceTable& table_;
  LabelIndex labels_;
  // For each line, the first line at or after it that occupies an address
  // (0 for none).
  std::vector<int> nextAddressedLine_;
};

}  // namespace casl2wb
