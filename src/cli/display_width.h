// The width of a text on a terminal, for aligning columns and wrapping lines.
#pragma once

#include <cstddef>
#include <string_view>

namespace casl2wb::cli {

// The columns a UTF-8 text takes: East Asian wide and full-width characters
// two, all others one.
std::size_t displayWidth(std::string_view utf8);

}  // namespace casl2wb::cli
