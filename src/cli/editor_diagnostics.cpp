#include "cli/editor_diagnostics.h"

#include <algorithm>

#include "assembler/source_table.h"

namespace casl2wb::cli {

std::vector<EditorDiagnostic> editorDiagnostics(const AssembledProgram& program,
                                                const std::vector<Text>& lines) {
  const int linesRead =
      static_cast<int>(std::min<std::size_t>(lines.size(), SourceTable::maxLines));
  const int lastLine = std::max(linesRead, 1);
  std::vector<EditorDiagnostic> result;
  for (const Diagnostic& diagnostic : program.diagnostics) {
    const bool ofALine = diagnostic.line >= 1 && diagnostic.line <= linesRead;
    result.push_back({ofALine ? diagnostic.line : lastLine, ofALine ? diagnostic.column : 1,
                      diagnostic.plainText()});
  }
  std::stable_sort(result.begin(), result.end(),
                   [](const EditorDiagnostic& a, const EditorDiagnostic& b) {
                     return a.line != b.line ? a.line < b.line : a.column < b.column;
                   });
  return result;
}

void printEditorDiagnostics(const std::string& file,
                            const std::vector<EditorDiagnostic>& diagnostics, std::ostream& out) {
  for (const EditorDiagnostic& item : diagnostics) {
    out << file << ':' << item.line << ':' << item.column << ": エラー: " << item.message << '\n';
  }
}

}  // namespace casl2wb::cli
