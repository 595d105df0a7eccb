// Address assignment: every statement that occupies memory gets the address
// of the location counter, counting words from 0.
#pragma once

#include <cstdint>

#include "source/source_table.h"

namespace casl2wb {

struct StatementSize {
  std::int64_t words = 0;
  bool twoWord = false;     // counted as a two-word instruction
  bool occupies = true;     // false for START, END and lines without an operation
  bool badDsCount = false;  // DS with a negative count (counted as 0 words)
};

// The DS count: an optionally signed decimal integer at the start of the
// text; 0 when there is none. Very large values saturate.
std::int64_t dsWordCount(TextView operand);

// Words that line n occupies, from its operation and operand parts as split.
StatementSize statementSize(const SourceTable& table, int n);

// Gives line n its address text and twoWordFlag, and advances the counter.
StatementSize assignAddress(SourceTable& table, int n, std::int64_t& locationCounter);

}  // namespace casl2wb
