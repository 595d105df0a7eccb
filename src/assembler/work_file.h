// The editor's error check: the editor text goes through a work file and
// comes back as the lines that are then checked.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <vector>

#include "assembler/work_file_progress.h"
#include "base/text.h"

namespace casl2wb {

// The work files are named workcsl-XXXXXX.txt, XXXXXX differing from check
// to check.
inline constexpr const char* workFilePrefix = "workcsl-";

struct WorkFileResult {
  bool ok = false;
  // The lines read back, without line ends.
  std::vector<Text> lines;
  // The text read back from the work file, every line followed by CR LF.
  std::string editorText;
  // The editor text is longer than a check accepts (editorTextFits).
  bool textTooLarge = false;
  // The work file that was used, or the folder when none could be made.
  std::string workFile;
  // The system's error text when the work file could not be written or read.
  std::string error;
};

// The characters of the editor text, a CR LF counting as one.
std::size_t editorTextLength(std::string_view utf8Text);
// Whether the editor text can be checked: at most maxSourceFileBytes
// characters, so every file that could be loaded can be checked.
bool editorTextFits(std::string_view utf8Text);

// Writes the editor text (UTF-8) to a new work file in `workFolder`, with
// exactly one line end after it, reads it back through the same descriptor
// and removes it. Each check has a file of its own that no other program or
// check can see, and nothing at another name (a link, a file of somebody
// else) is ever written through. `progress` hears of each step.
WorkFileResult passThroughWorkFile(const std::string& editorText, const std::string& workFolder,
                                   WorkFileProgressSink& progress);

}  // namespace casl2wb
