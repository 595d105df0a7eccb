// Saving the editor text over a file without risking the old one: the text
// goes into a new file beside it, which then takes the old file's place.
#pragma once

#include <string>
#include <string_view>

#include "source/source_file.h"

namespace casl2wb {

// Writes the UTF-8 text with CR LF line ends and exactly one line end at its
// end (one is added when the text has none). On failure the file at `path`
// is as it was and no new file is left behind.
FileWriteResult saveTextFile(const std::string& path, std::string_view utf8Text);

}  // namespace casl2wb
