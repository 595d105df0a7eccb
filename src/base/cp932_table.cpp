#include "base/cp932_table.h"

#include <algorithm>
#include <iterator>

namespace casl2wb::cp932table {
namespace {

struct Row {
  std::uint32_t key;
  std::uint32_t value;
};

// {code, code point} by code: a byte as 00XX, a pair as LLTT.
constexpr Row decodings[] = {
#include "cp932_decodings.inc"
};

// {code point, code} by code point.
constexpr Row encodings[] = {
#include "cp932_encodings.inc"
};

constexpr char32_t replacementCharacter = U'\uFFFD';

const Row* find(const Row* first, const Row* last, std::uint32_t key) {
  const Row* row =
      std::lower_bound(first, last, key, [](const Row& r, std::uint32_t k) { return r.key < k; });
  return row != last && row->key == key ? row : nullptr;
}

const Row* decoding(std::uint32_t code) {
  return find(std::begin(decodings), std::end(decodings), code);
}

}  // namespace

Text decode(std::string_view bytes) {
  Text text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    if (first >= 0x80 && i + 1 < bytes.size()) {
      const auto second = static_cast<unsigned char>(bytes[i + 1]);
      if (const Row* pair = decoding(first << 8 | second)) {
        text.push_back(pair->value);
        i += 2;
        continue;
      }
    }
    const Row* single = decoding(first);
    text.push_back(single != nullptr ? single->value : replacementCharacter);
    ++i;
  }
  return text;
}

std::uint16_t code(char32_t c) {
  const Row* row = find(std::begin(encodings), std::end(encodings), c);
  return row != nullptr ? static_cast<std::uint16_t>(row->value) : 0x3F;
}

}  // namespace casl2wb::cp932table
