// The errors of a checked program as editors read them (Vim's quickfix,
// Emacs' compile mode, problem matchers): "FILE:LINE:COLUMN: エラー: MESSAGE".
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/assembled_program.h"
#include "base/text.h"

namespace casl2wb::cli {

struct EditorDiagnostic {
  int line = 1;    // counted from 1
  int column = 1;  // counted from 1 in characters; a tab is one character
  std::string message;
};

// Where the fields of a source line start (counted from 1; 0 where the line
// has no such field), cut as the check cuts lines: only spaces separate, a
// line that does not start with a space starts with its label, and a ';'
// before any quote starts a comment.
struct FieldColumns {
  int label = 0;
  int operation = 0;
  int operandField = 0;
  int extraField = 0;
  // The start of each operand part: the operand field cut at its commas
  // outside quotes.
  std::vector<int> operandParts;
};
FieldColumns fieldColumns(const Text& line);

// The message without the stars and the error word around it in the message
// list ("***** ｴﾗ- ***** DSの語数が違います｡*****" gives "DSの語数が違います｡").
std::string plainMessage(std::string_view text);

// Every error of the check and the translation, in the order of their lines
// and columns (in the order found where these are the same).
// `lines` are the source lines the program was assembled from. Messages of
// the program as a whole (no RET, no END, too many lines) are put on the last
// line the check read.
std::vector<EditorDiagnostic> editorDiagnostics(const AssembledProgram& program,
                                                const std::vector<Text>& lines);

// One line per diagnostic: "FILE:LINE:COLUMN: エラー: MESSAGE".
void printEditorDiagnostics(const std::string& file,
                            const std::vector<EditorDiagnostic>& diagnostics, std::ostream& out);

}  // namespace casl2wb::cli
