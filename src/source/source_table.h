// The per-line tables of the checked program: the only form in which the
// checker, the label table, the address assignment, the translation and the
// execution side see a program.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "source/text.h"

namespace casl2wb {

// Column indices of lineFields.
enum Column : int {
  colReserved = 1,
  colLabel = 2,
  colOperation = 3,
  colOperandField = 4,
  colExtraField = 5,
  colCommentField = 6,
};

class SourceTable {
 public:
  static constexpr int maxLines = 1013;        // rows 1..1013 hold lines
  static constexpr int operandPartSlots = 50;  // parts 1..50; DC lists may grow past it

  SourceTable();

  // Rows 0..lastRow blank (columns 1..5 and all operand parts " ", column 6
  // empty, flags 0, no address, no label), and with them every row that the
  // previous use touched, so that all rows past lastRow are blank too.
  void resetRows(int lastRow = maxLines);

  Text& lineFields(int n, int c) { return rows_.at(n).fields.at(c); }
  const Text& lineFields(int n, int c) const { return rows_.at(n).fields.at(c); }
  // Operand part k of line n; the row grows when a DC list needs more parts.
  Text& operandParts(int n, int k);
  const Text& operandParts(int n, int k) const;
  int operandPartCount(int n) const { return static_cast<int>(rows_.at(n).parts.size()) - 1; }
  Text& lineAddress(int n) { return rows_.at(n).address; }
  const Text& lineAddress(int n) const { return rows_.at(n).address; }
  // The location counter of line n, not cut to four hex digits like its
  // address text, so that words past the memory are known to be past it.
  std::int64_t& lineLocation(int n) { return rows_.at(n).location; }
  std::int64_t lineLocation(int n) const { return rows_.at(n).location; }
  std::int16_t& op1IsLabel(int n) { return rows_.at(n).op1IsLabel; }
  std::int16_t op1IsLabel(int n) const { return rows_.at(n).op1IsLabel; }
  std::int16_t& op2IsLabel(int n) { return rows_.at(n).op2IsLabel; }
  std::int16_t op2IsLabel(int n) const { return rows_.at(n).op2IsLabel; }
  std::int16_t& twoWordFlag(int n) { return rows_.at(n).twoWordFlag; }
  std::int16_t twoWordFlag(int n) const { return rows_.at(n).twoWordFlag; }
  Text& labelTable(int n) { return rows_.at(n).label; }
  const Text& labelTable(int n) const { return rows_.at(n).label; }

  // Number of lines the passes after the last line look at.
  int lineCount = 0;
  // First address after the program (the location counter after the last line).
  std::int64_t programEnd = 0;
  // Error messages added by the current check and its translation.
  int errorCount = 0;
  // Length of the OUT buffer, from the DS line that the last OUT names.
  std::int16_t outSize = 0;
  // Number of constants of the last DC list split without quotes.
  std::int64_t dcConstantCount = 0;

 private:
  struct Row {
    std::array<Text, 7> fields;  // index 0 unused
    std::vector<Text> parts;     // index 0 unused
    Text address;
    std::int64_t location = 0;
    std::int16_t op1IsLabel = 0;
    std::int16_t op2IsLabel = 0;
    std::int16_t twoWordFlag = 0;
    Text label;
  };
  std::vector<Row> rows_;
  int lastUsedRow_ = maxLines;  // rows after it are blank
};

// The text added to the message list for line n:
// address|reserved|label|operation|operand field|extra field|comment
std::string lineListItem(const SourceTable& table, int n);

}  // namespace casl2wb
