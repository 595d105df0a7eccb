// Address assignment: every statement that occupies memory gets the address
// of the location counter, counting words from 0.
#pragma once

#include <cstdint>

#include "assembler/source_table.h"

namespace casl2wb {

// A number of words, or an address, as the assignment counts it: its value,
// saturated far above any address of the memory image, and its exact low 16
// bits, the four hex digits that an address text shows however large the
// true value is.
struct WordCount {
  static constexpr std::int64_t saturation = std::int64_t{1} << 48;

  std::int64_t value = 0;
  std::uint16_t lowBits = 0;

  static WordCount of(std::int64_t words) { return {words, static_cast<std::uint16_t>(words)}; }
  WordCount& operator+=(const WordCount& other);
};

// The location counter: 0 at the start of each check.
using LocationCounter = WordCount;

struct StatementSize {
  WordCount words;
  bool occupies = true;     // false for START, END and lines without an operation
  bool badDsCount = false;  // DS with a negative count (counted as 0 words)
};

// The DS count: an optionally signed decimal integer at the start of the
// text; 0 when there is none. Its value saturates; its low bits stay exact.
WordCount dsWordCount(TextView operand);

// Words that a line occupies, from its operation and operand parts as split.
// A DC list that contains a quote and a "#" counts `dcConstantCount`, the
// constants of the last list split without quotes.
StatementSize statementSize(const SourceLine& line, std::int64_t dcConstantCount);

// Gives the line its address and advances the counter.
StatementSize assignAddress(SourceLine& line, LocationCounter& locationCounter,
                            std::int64_t dcConstantCount);

}  // namespace casl2wb
