// CP932 by tables made from the C library's converter when the workbench is
// built (tools/cp932_table.cpp): the browser edition has no converter, and
// must still decode and encode exactly as the desktop does.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/text.h"

namespace casl2wb::cp932table {

// As decodeCp932: a byte pair that makes a character is that character, then
// a byte that makes one; any other byte becomes U+FFFD.
Text decode(std::string_view bytes);

// As cp932Code: '?' (003F) for a character without a code.
std::uint16_t code(char32_t c);

}  // namespace casl2wb::cp932table
