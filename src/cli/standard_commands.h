// check, trace, run, replay and print of a program in standard CASL II.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/dialect_choice.h"

namespace casl2wb::cli {

int checkStandard(const CommandArguments& parsed, const DialectChoice& choice, std::ostream& out,
                  std::ostream& err);
int traceStandard(const CommandArguments& parsed, const DialectChoice& choice, std::ostream& out,
                  std::ostream& err);
int runStandard(const CommandArguments& parsed, const DialectChoice& choice, long runs,
                std::ostream& out, std::ostream& err);
int replayStandard(const CommandArguments& parsed, const DialectChoice& choice,
                   std::optional<long> presses, std::ostream& out, std::ostream& err);
// The lines of the document KIND (list, program, run or cpu) of the
// program at `path`; the run takes its input lines from `input`. The status
// of the command (exitSuccess, or the errors of the check or a file).
int standardDocumentLines(const std::string& kind, const std::string& path,
                          const DialectChoice& choice, std::istream& input,
                          std::vector<std::string>& lines, std::ostream& err);

}  // namespace casl2wb::cli
