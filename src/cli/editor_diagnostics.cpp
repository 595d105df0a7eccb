#include "cli/editor_diagnostics.h"

#include <algorithm>

#include "assembler/listing_items.h"

namespace casl2wb::cli {

std::vector<EditorDiagnostic> editorDiagnostics(const AssembledProgram& program) {
  std::vector<EditorDiagnostic> result;
  for (const ListingItem& item : program.listing) {
    if (const Diagnostic* diagnostic = item.diagnostic()) {
      // Without a line read, a message of the program as a whole stands on line 1.
      result.push_back({std::max(item.line, 1), diagnostic->column, diagnostic->plainText()});
    }
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
