#include "views/message_lines.h"

#include <algorithm>

namespace casl2wb {

int lineOfDiagnostic(const Diagnostic& diagnostic, int linesRead) {
  return diagnostic.line > 0 ? diagnostic.line : std::max(linesRead, 0);
}

std::vector<int> messageListLines(const AssembledProgram& program, int linesRead) {
  using Place = Diagnostic::Place;
  // Every line read has its listing line and the messages before and after it.
  std::vector<std::size_t> items(static_cast<std::size_t>(std::max(linesRead, 0)) + 1, 1);
  for (const Diagnostic& diagnostic : program.diagnostics) {
    const bool ofTheLine =
        diagnostic.place == Place::BeforeLine || diagnostic.place == Place::AfterLine;
    if (ofTheLine && diagnostic.line >= 1 && diagnostic.line <= linesRead) {
      ++items[static_cast<std::size_t>(diagnostic.line)];
    }
  }
  std::vector<int> lines;
  lines.reserve(program.messages.size());
  for (int n = 1; n <= linesRead; ++n)
    lines.insert(lines.end(), items[static_cast<std::size_t>(n)], n);
  for (const Place place : {Place::AfterLines, Place::AfterTranslation}) {
    for (const Diagnostic& diagnostic : program.diagnostics) {
      if (diagnostic.place == place) lines.push_back(lineOfDiagnostic(diagnostic, linesRead));
    }
    // The error count stands between the two groups.
    if (place == Place::AfterLines) lines.push_back(0);
  }
  // The memory dump.
  lines.resize(program.messages.size(), 0);
  return lines;
}

std::map<int, std::vector<std::string>> messagesByLine(const AssembledProgram& program,
                                                       int linesRead) {
  std::map<int, std::vector<std::string>> messages;
  for (const Diagnostic& diagnostic : program.diagnostics) {
    if (const int line = lineOfDiagnostic(diagnostic, linesRead); line > 0) {
      messages[line].push_back(diagnostic.text());
    }
  }
  return messages;
}

}  // namespace casl2wb
