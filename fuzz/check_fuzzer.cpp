// Fuzz target: arbitrary bytes as a source file, checked and, when the check
// finds no errors, translated.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "codegen/assembler.h"
#include "source/source_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace casl2wb;
  static SourceTable table;
  static MemoryImage memory;
  static VectorMessageList messages;
  static StringTraceText trace;
  static Assembler assembler(table, memory, messages, trace);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  assembler.checker.checkLines(splitSourceLines(decodeSourceBytes(bytes)));
  return 0;
}
