// The translation: turns a checked program into COMET II machine words in the
// memory image, places the literal pool after the program, and ends with the
// memory dump in the message list and the program-trace text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "codegen/memory_image.h"
#include "codegen/trace_text.h"
#include "source/cp932.h"
#include "source/error_log.h"
#include "source/label_table.h"
#include "source/source_table.h"

namespace casl2wb {

class Translator {
 public:
  Translator(SourceTable& table, MemoryImage& memory, MessageList& messages,
             TraceTextView& traceText);

  // Runs after a check that found no errors; adds its own errors to the
  // table's error count and never stops early.
  void translate();

 private:
  void translateLine(int n);
  void writeAt(std::int64_t address, MemoryWord word);
  void reportOutsideMemory();
  void writeInstruction(const std::string& code, char32_t r, char32_t x);
  void writeTwoWordInstruction(int n, const std::string& code, char32_t r);
  void writeDataConstants(int n);
  void writeDs(int n);
  void writeInOut(int n, const char* code);
  void writeFixedWords(std::initializer_list<std::uint16_t> words);

  MemoryWord addressWord(int n, int operand);
  MemoryWord literalWord(int n, int operand);
  MemoryWord labelAddressWord(int n, int operand);
  std::int64_t labelLineAddress(int line);
  std::int64_t placeInPool(MemoryWord word);
  char32_t indexDigit(int n);

  void finish();
  void writeDump();
  void writeTraceText();

  SourceTable& table_;
  MemoryImage& memory_;
  MessageList& messages_;
  TraceTextView& traceText_;
  ErrorLog errors_;
  LabelIndex labels_;
  Cp932Encoder encoder_;
  // For each line, the first line at or after it that occupies an address.
  std::vector<int> nextAddressedLine_;
  std::int64_t q_ = 0;
  bool outsideMemoryReported_ = false;
};

}  // namespace casl2wb
