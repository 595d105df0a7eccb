// The errors of a checked program as editors read them (Vim's quickfix,
// Emacs' compile mode, problem matchers): "FILE:LINE:COLUMN: エラー: MESSAGE".
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "assembler/assembled_program.h"

namespace casl2wb::cli {

struct EditorDiagnostic {
  int line = 1;    // counted from 1
  int column = 1;  // the display column, counted from 1 (a full-width character counts two)
  std::string message;
};

// Every error of the check and the translation, without its banner, at the
// column of the field it is about, in the order of their lines and columns
// (in the order found where these are the same), each on the line its
// item of the message list belongs to: messages of the program as a whole
// (no RET, no END, too many lines) on the last line the check read.
std::vector<EditorDiagnostic> editorDiagnostics(const AssembledProgram& program);

// One line per diagnostic: "FILE:LINE:COLUMN: エラー: MESSAGE".
void printEditorDiagnostics(const std::string& file,
                            const std::vector<EditorDiagnostic>& diagnostics, std::ostream& out);

}  // namespace casl2wb::cli
