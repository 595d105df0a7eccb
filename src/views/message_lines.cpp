#include "views/message_lines.h"

#include <algorithm>

namespace casl2wb {

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
      if (diagnostic.place == place) lines.push_back(diagnostic.line);
    }
    // The error count stands between the two groups.
    if (place == Place::AfterLines) lines.push_back(0);
  }
  // The memory dump.
  lines.resize(program.messages.size(), 0);
  return lines;
}

std::vector<int> errorLinesOf(const AssembledProgram& program) {
  std::vector<int> lines;
  for (const Diagnostic& diagnostic : program.diagnostics) {
    if (diagnostic.line > 0) lines.push_back(diagnostic.line);
  }
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  return lines;
}

}  // namespace casl2wb
