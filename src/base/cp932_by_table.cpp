// CP932 in the browser edition, where the C library has no converter: the
// tables made from the desktop's converter when the workbench is built.
#include "base/cp932.h"
#include "base/cp932_table.h"

namespace casl2wb {

Text decodeCp932(std::string_view bytes) { return cp932table::decode(bytes); }

std::uint16_t cp932Code(char32_t c) { return cp932table::code(c); }

}  // namespace casl2wb
