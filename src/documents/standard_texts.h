// The texts of standard CASL II programs and runs: the check's list, the
// listing of the translation with its words, how a run ended, and the row
// of the CPU after a step.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "assembler/standard_program.h"
#include "documents/printer.h"
#include "simulator/replay.h"
#include "simulator/standard_machine.h"
#include "simulator/standard_session.h"

namespace casl2wb::standard {

// The check's list in the form of the workbench's: per line its listing
// line (address|reserved|label|operation|operands|comment|) and then its
// errors, the errors of no line, the error count, and after a check without
// errors the words of the program, eight "address  word" cells a row. A
// program of several files has a heading before each file's lines.
std::vector<std::string> listingTexts(const Program& program);

// The same texts, each with the line it belongs to (line 0 for none; an
// error of no line belongs to the last line of its file): the editor goes
// there from its list.
struct ListingEntry {
  std::string text;
  SourcePlace place;
};
std::vector<ListingEntry> listingEntries(const Program& program);

// The errors as editors read them: the file, line and display column of
// each, in the order of files, lines and columns (in the order found where
// these are the same); an error of no line on the last line of its file.
struct LocatedError {
  std::string file;
  int line = 1;
  int column = 1;
  std::string message;  // without its banner
};
std::vector<LocatedError> locatedErrors(const Program& program);

// The errors of a one-file program by line, for the editor's marks: an
// error of no line belongs to the last line, `lastLine` (none when it is 0).
std::map<int, std::vector<std::string>> errorsByLine(const Program& program, int lastLine);

// The translation: each line with the address and the words of its
// statement (two a line; the rest on lines of their own below it).
std::vector<std::string> codeListingTexts(const Program& program);
// The same as the trace window's text, every line ended by CR LF.
std::string codeListingText(const Program& program);

// How the run ended, with its steps.
std::string runEndText(const RunEnd& end);

// The heading and the row of the CPU after a step, as the register trace
// of a run shows them: PR|GR0|...|GR7|FR|SP|.
std::string stepRowHeading();
std::string stepRowText(const Step& step);

// "file:line" of a line of the program (the file as named on the command
// line or in the window).
std::string placeText(const Program& program, SourcePlace place);

// The printed run: the translation, the OUT lines, how the run ended and
// the CPU panel it left.
std::vector<std::string> runDocumentLines(const Program& program,
                                          const std::vector<std::string>& outputLines,
                                          const RunEnd& end, const Cpu& cpu);
// The printed CPU trace: the translation, the row of every recorded step and
// how the run ended.
std::vector<std::string> cpuTraceLines(const Program& program, const StepRecord& record,
                                       const RunEnd& end);

// Rows of eight words from `from` ("AAAA: WWWW WWWW ..."), `rows` of them
// or up to the end of the memory.
std::vector<std::string> memoryRowTexts(const std::vector<std::uint16_t>& memory, std::int64_t from,
                                        int rows);

// The execution window's list after a standard run or step: the OUT lines,
// how the run ended, and 32 rows of `memory` from the row that holds `from`.
std::vector<std::string> memoryListLines(const Session& session,
                                         const std::vector<std::uint16_t>& memory,
                                         std::int64_t from);

// The twelve lines of the CPU panel ("命令語：", "PR：", "FR：", "SP：",
// "GR0：" to "GR7："), as the text front end prints them.
std::vector<std::string> panelLines(const CpuPanel& panel);

// Where the replay selects the instruction at `address` in the
// translation's text (codeListingTexts, lines joined): the address and the
// space after it at the start of the first line that begins with them; an
// empty range at 0 when no line does.
TraceRange traceSelection(TextView text, std::uint16_t address);

// Prints the lines as one document in the listings' font at size 10.
void printLines(Printer& printer, const std::vector<std::string>& lines);

}  // namespace casl2wb::standard
