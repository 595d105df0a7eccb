// The printed documents of the editor window and the execution window. Each
// command prints its lines and ends its own document.
#pragma once

#include <string_view>

#include "codegen/memory_image.h"
#include "machine/machine_state.h"
#include "printing/printer.h"
#include "source/source_table.h"

namespace casl2wb {

// The font the listings ask for; back ends print it in the installed
// fixed-pitch font.
inline constexpr std::string_view listingFontName = "MS ゴシック";

// Editor, "印刷(&P)": the program list in wide layout, lines 0 to lineCount+1,
// then the memory rows 0 to min(programEnd, 31). Sets no font.
void printl(Printer& printer, const SourceTable& table, const MemoryImage& memory);

// Editor, toolbar print: the program list in wide layout at size 9.
void printList(Printer& printer, const SourceTable& table);

// Execution window, "印刷(&P)": at size 10, the heading, the program list in
// narrow layout, the register heading, the registers after the last recorded
// step (left out when no step is recorded), then the memory print.
void printi(Printer& printer, const SourceTable& table, const MachineState& machine);

// The memory print of the execution window: the last OUT line, the heading
// and the bracketed rows 0000 to 00FF, and 0100 to 01FF in extended mode.
// Does not end the document.
void printmout(Printer& printer, const MachineState& machine);

// Execution window, "CPUﾄﾚｰｽ印刷(&C)": at size 10, the heading, the program
// list in wide layout, one line per recorded step, the last OUT line and the
// memory.
void printcpu(Printer& printer, const SourceTable& table, const MachineState& machine);

// Execution window, "画面コピー(&G)": the image of the window on one page.
void printg(Printer& printer, const WindowImage& image);

}  // namespace casl2wb
