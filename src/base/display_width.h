// The width of a text in a fixed-pitch font or on a terminal, for aligning
// columns, wrapping lines and sizing lists.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/text.h"

namespace casl2wb {

// The columns a UTF-8 text takes: East Asian wide and full-width characters
// two, all others one.
std::size_t displayWidth(std::string_view utf8);
std::size_t displayWidth(TextView text);

// The same, with a tab taking the columns up to the next multiple of
// `tabStop` (as compilers count the columns of their messages).
std::size_t displayWidthWithTabs(TextView text, std::size_t tabStop = 8);

}  // namespace casl2wb
