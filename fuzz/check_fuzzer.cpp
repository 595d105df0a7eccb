// Fuzz target: arbitrary bytes as a source file, checked and, when the check
// finds no errors, translated, one assembly after the other.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "assembler/assembler.h"
#include "base/source_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace casl2wb;
  static Assembler assembler;
  static MemoryImage image;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  image = assembler.assemble(splitSourceLines(decodeSourceBytes(bytes)), image).image;
  return 0;
}
