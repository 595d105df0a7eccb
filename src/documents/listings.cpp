#include "documents/listings.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "documents/listing_lines.h"

namespace casl2wb {

namespace {

const std::string programListHeading = std::string("adr") + "     " + "Program List";

void setListingFont(Printer& printer, int pointSize) {
  printer.setFont(std::string(listingFontName), pointSize);
}

using ProgramLayout = PrintLine (*)(const SourceTable&, int, EmptyFields);

// Lines 0 to lineCount + 1: a blank line 0, the program, and the line that
// ended it.
void printProgramLines(Printer& printer, const SourceTable& table, ProgramLayout layout,
                       EmptyFields empty) {
  for (int n = 0; n <= table.lineCount + 1; ++n) printer.printLine(layout(table, n, empty));
}

void printBracketedRows(Printer& printer, const CpuState& cpu) {
  for (int r = 0; r < 32; ++r) printer.printLine(bracketedMemoryRow(cpu.memory, 0, r));
  if (!cpu.extendedMemory) return;
  for (int r = 0; r < 32; ++r) {
    printer.printLine(bracketedMemoryRow(cpu.memory, standardMemoryWords, r));
  }
}

}  // namespace

void printProgramAndMemory(Printer& printer, const SourceTable& table, const MemoryImage& memory) {
  printProgramLines(printer, table, wideProgramLine, EmptyFields::AsTheyAre);
  const std::int64_t lastRow = std::clamp<std::int64_t>(table.programEnd, 0, 31);
  for (int r = 0; r <= lastRow; ++r) printer.printLine(plainMemoryRow(memory, r));
  printer.endDocument();
}

void printProgramList(Printer& printer, const SourceTable& table) {
  setListingFont(printer, 9);
  printProgramLines(printer, table, wideProgramLine, EmptyFields::AsTheyAre);
  printer.endDocument();
}

void printRunResult(Printer& printer, const SourceTable& table, const Machine& machine) {
  setListingFont(printer, 10);
  printer.printLine(textLine(programListHeading));
  printProgramLines(printer, table, narrowProgramLine, EmptyFields::FiveSpaces);
  printer.printLine(registerHeading("PR", 6));
  const RunRecord& record = machine.record();
  if (const int steps = record.recordedSteps(); steps > 0)
    printer.printLine(registerLine(record.slot(steps - 1), 6));
  printMemory(printer, machine);
  printer.endDocument();
}

void printMemory(Printer& printer, const Machine& machine) {
  setListingFont(printer, 10);
  printer.printLine(textLine(machine.outcome().outputLine));
  printer.printLine(memoryPrintHeading());
  printBracketedRows(printer, machine.cpu());
}

void printCpuTrace(Printer& printer, const SourceTable& table, const Machine& machine) {
  setListingFont(printer, 10);
  printer.printLine(textLine(programListHeading));
  printProgramLines(printer, table, wideProgramLine, EmptyFields::FiveSpaces);
  printer.printLine(registerHeading("PC", 7));
  const RunRecord& record = machine.record();
  for (int s = 0; s < record.recordedSteps(); ++s)
    printer.printLine(registerLine(record.slot(s), 7));
  printer.printLine(textLine(machine.outcome().outputLine));
  printer.printLine(cpuTraceMemoryHeading());
  printBracketedRows(printer, machine.cpu());
  printer.endDocument();
}

void printScreenCopy(Printer& printer, const WindowImage& image) {
  printer.printWindowImage(image);
  printer.endDocument();
}

}  // namespace casl2wb
