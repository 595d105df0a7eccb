// Texts of a program and of a file name as the grading reports show them:
// nothing a program prints reaches a terminal or a report as a control
// sequence, and a name that is not UTF-8 is read as CP932.
#pragma once

#include <string>
#include <string_view>

namespace casl2wb::cli {

// The text with control and invisible characters escaped: "\t", "\e" (ESC),
// "\xNN" for the other C0 controls and DEL, "\uNNNN" for the C1 controls
// and the invisible format characters (zero-width spaces and joiners,
// direction marks, the byte-order mark, line and paragraph separators);
// a backslash and a double quote get a backslash before them.
std::string escapedText(std::string_view utf8);

// A file name as the reports show it: as it is when it is UTF-8, else its
// bytes decoded as CP932 (as the desktop shows such names); escaped.
std::string shownFileName(const std::string& path);

}  // namespace casl2wb::cli
