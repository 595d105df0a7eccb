// The line layouts of the printed listings: program lines, memory rows,
// register lines and their headings, as lines of printer items.
#pragma once

#include <string>

#include "assembler/source_table.h"
#include "comet2/memory_image.h"
#include "documents/printer.h"
#include "simulator/history_slot.h"

namespace casl2wb {

// How a program list prints an address that is empty or " " and a field
// that is the empty text: the editor's lists print them as they are, the
// execution window's lists print five spaces in their place. A field of one
// blank is not empty and prints its blank.
enum class EmptyFields { AsTheyAre, FiveSpaces };

// Address; column 10 reserved; 15 label; 25 operation; 40 operand field;
// 60 extra field; 75 comment. Lines past the table print as blank rows.
PrintLine wideProgramLine(const SourceTable& table, int n, EmptyFields empty);
// Address, 1 space, reserved, 1 space, label; column 25 operation; column 35
// operand field & " " & extra field & " " & comment.
PrintLine narrowProgramLine(const SourceTable& table, int n, EmptyFields empty);

// Row r of the editor's memory print: eight address/word pairs r, r+32, ...,
// r+224; the address of pair k at column 16k (pair 0 at the line start), its
// word at column 16k+8.
PrintLine plainMemoryRow(const MemoryImage& memory, int r);
// Row r of the execution window's memory print from base b: pair k's address
// at column 14k (pair 0 at the line start), "(" word ")" at column 14k+7.
PrintLine bracketedMemoryRow(const MemoryImage& memory, int base, int r);

// The columns of the register lines: the first item at the line start, GR0
// at column 7 and each further register `pitch` columns on, then FR and SP.
// The execution window's print uses pitch 6, its CPU trace pitch 7.
PrintLine registerHeading(const std::string& first, int pitch);
PrintLine registerLine(const HistorySlot& slot, int pitch);

// "adr", column 7 "(mem)", then "adr" at column 14k and "(mem)" at 14k+7.
PrintLine memoryPrintHeading();
// "adr( mem)", then "adr" at column 14k and "( mem)" at 14k+7.
PrintLine cpuTraceMemoryHeading();

// A line of one text.
PrintLine textLine(const std::string& utf8);

}  // namespace casl2wb
