// The printed documents of the editor window and the execution window. Each
// command prints its lines and ends its own document.
#pragma once

#include <string_view>

#include "assembler/source_table.h"
#include "comet2/memory_image.h"
#include "documents/printer.h"
#include "simulator/machine.h"

namespace casl2wb {

// The font the listings ask for; back ends print it in the installed
// fixed-pitch font.
inline constexpr std::string_view listingFontName = "MS ゴシック";

// Editor, "印刷(&P)": the program list in wide layout, lines 0 to
// lineCount + 1, then the memory rows 0 to min(programEnd, 31). Sets no font.
void printProgramAndMemory(Printer& printer, const SourceTable& source, const MemoryImage& memory);

// Editor, toolbar print: the program list in wide layout at size 9.
void printProgramList(Printer& printer, const SourceTable& source);

// Execution window, "印刷(&P)": at size 10, the heading, the program list in
// narrow layout, the register heading, the registers after the last recorded
// step (left out when no step is recorded), then the memory print.
void printRunResult(Printer& printer, const SourceTable& source, const Machine& machine);

// The memory print of the execution window: the last OUT line, the heading
// and the bracketed rows 0000 to 00FF, and 0100 to 01FF in extended mode.
// Does not end the document.
void printMemory(Printer& printer, const Machine& machine);

// Execution window, "CPUﾄﾚｰｽ印刷(&C)": at size 10, the heading, the program
// list in wide layout, one line per recorded step, the last OUT line and the
// memory.
void printCpuTrace(Printer& printer, const SourceTable& source, const Machine& machine);

// Execution window, "画面コピー(&G)": the image of the window on one page.
void printScreenCopy(Printer& printer, const WindowImage& image);

}  // namespace casl2wb
