// The texts of standard CASL II programs and runs: the check's list, the
// listing of the translation with its words, how a run ended, and the row
// of the CPU after a step.
#pragma once

#include <string>
#include <vector>

#include "assembler/standard_program.h"
#include "documents/printer.h"
#include "simulator/standard_machine.h"

namespace casl2wb::standard {

// The check's list in the form of the workbench's: per line its listing
// line (address|reserved|label|operation|operands|comment|) and then its
// errors, the errors of no line, the error count, and after a check without
// errors the words of the program, eight "address  word" cells a row. A
// program of several files has a heading before each file's lines.
std::vector<std::string> listingTexts(const Program& program);

// The translation: each line with the address and the words of its
// statement (two a line; the rest on lines of their own below it).
std::vector<std::string> codeListingTexts(const Program& program);

// How the run ended, with its steps.
std::string runEndText(const RunEnd& end);

// The heading and the row of the CPU after a step, as the register trace
// of a run shows them: PR|GR0|...|GR7|FR|SP|.
std::string stepRowHeading();
std::string stepRowText(const Step& step);

// "file:line" of a line of the program (the file as named on the command
// line or in the window).
std::string placeText(const Program& program, SourcePlace place);

// Prints the lines as one document in the listings' font at size 10.
void printLines(Printer& printer, const std::vector<std::string>& lines);

}  // namespace casl2wb::standard
