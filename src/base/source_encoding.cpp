// Decoding the bytes of a source file: strict UTF-8 first, CP932 otherwise.
#include "base/cp932.h"
#include "base/source_file.h"

namespace casl2wb {
namespace {

constexpr char32_t byteOrderMark = U'\uFEFF';

}  // namespace

Text decodeSourceBytes(std::string_view bytes) {
  if (!isValidUtf8(bytes)) return decodeCp932(bytes);
  Text text = fromUtf8(bytes);
  if (!text.empty() && text.front() == byteOrderMark) text.erase(0, 1);
  return text;
}

}  // namespace casl2wb
