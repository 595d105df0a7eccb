#include "printing/listing_lines.h"

#include <array>

#include "instructions/word_arithmetic.h"

namespace casl2wb {

namespace {

const std::string fiveSpaces = "     ";

// The address and columns 1 to 6 of a line, as UTF-8.
struct LineRecord {
  std::string address;
  std::array<std::string, 7> fields;  // index 0 unused
};

// Line n with the empty-field rule applied. A line number past the table
// gives a row as a check leaves an unused one.
LineRecord lineRecord(const SourceTable& table, int n, EmptyFields empty) {
  LineRecord record;
  const bool inTable = n >= 0 && n <= SourceTable::maxLines;
  if (inTable) record.address = toUtf8(table.lineAddress(n));
  for (int c = colReserved; c <= colCommentField; ++c) {
    if (inTable) {
      record.fields[c] = toUtf8(table.lineFields(n, c));
    } else if (c != colCommentField) {
      record.fields[c] = " ";
    }
  }
  if (empty == EmptyFields::FiveSpaces) {
    if (record.address.empty() || record.address == " ") record.address = fiveSpaces;
    for (int c = colReserved; c <= colCommentField; ++c) {
      if (record.fields[c].empty()) record.fields[c] = fiveSpaces;
    }
  }
  return record;
}

std::string wordText(const MemoryImage& memory, int address) {
  return memory.memText.at(address).text();
}

// The first item, then GR0 to GR7, FR and SP from column 7 every `pitch` columns.
PrintLine registerColumns(const std::string& first, const std::array<std::string, 8>& gr,
                          const std::string& fr, const std::string& sp, int pitch) {
  PrintLine line{PrintItem::text(first)};
  for (int k = 0; k < 8; ++k) {
    line.push_back(PrintItem::column(7 + pitch * k));
    line.push_back(PrintItem::text(gr[k]));
  }
  line.push_back(PrintItem::column(7 + pitch * 8));
  line.push_back(PrintItem::text(fr));
  line.push_back(PrintItem::column(7 + pitch * 9));
  line.push_back(PrintItem::text(sp));
  return line;
}

// The first pair's heading at the line start, then "adr" and `word` for pairs 1 to 7.
PrintLine memoryHeading(const std::string& firstPair, const std::string& word) {
  PrintLine line{PrintItem::text(firstPair)};
  for (int k = 1; k < 8; ++k) {
    line.push_back(PrintItem::column(14 * k));
    line.push_back(PrintItem::text("adr"));
    line.push_back(PrintItem::column(14 * k + 7));
    line.push_back(PrintItem::text(word));
  }
  return line;
}

}  // namespace

PrintLine wideProgramLine(const SourceTable& table, int n, EmptyFields empty) {
  const LineRecord line = lineRecord(table, n, empty);
  return {PrintItem::text(line.address),
          PrintItem::column(10),
          PrintItem::text(line.fields[colReserved]),
          PrintItem::column(15),
          PrintItem::text(line.fields[colLabel]),
          PrintItem::column(25),
          PrintItem::text(line.fields[colOperation]),
          PrintItem::column(40),
          PrintItem::text(line.fields[colOperandField]),
          PrintItem::column(60),
          PrintItem::text(line.fields[colExtraField]),
          PrintItem::column(75),
          PrintItem::text(line.fields[colCommentField])};
}

PrintLine narrowProgramLine(const SourceTable& table, int n, EmptyFields empty) {
  const LineRecord line = lineRecord(table, n, empty);
  return {PrintItem::text(line.address),
          PrintItem::spaces(1),
          PrintItem::text(line.fields[colReserved]),
          PrintItem::spaces(1),
          PrintItem::text(line.fields[colLabel]),
          PrintItem::column(25),
          PrintItem::text(line.fields[colOperation]),
          PrintItem::column(35),
          PrintItem::text(line.fields[colOperandField] + " " + line.fields[colExtraField] + " " +
                          line.fields[colCommentField])};
}

PrintLine plainMemoryRow(const MemoryImage& memory, int r) {
  PrintLine line;
  for (int k = 0; k < 8; ++k) {
    const int address = r + 32 * k;
    if (k > 0) line.push_back(PrintItem::column(16 * k));
    line.push_back(PrintItem::text(memory.addrText.at(address)));
    line.push_back(PrintItem::column(16 * k + 8));
    line.push_back(PrintItem::text(wordText(memory, address)));
  }
  return line;
}

PrintLine bracketedMemoryRow(const MemoryImage& memory, int base, int r) {
  PrintLine line;
  for (int k = 0; k < 8; ++k) {
    const int address = base + r + 32 * k;
    if (k > 0) line.push_back(PrintItem::column(14 * k));
    line.push_back(PrintItem::text(memory.addrText.at(address)));
    line.push_back(PrintItem::column(14 * k + 7));
    line.push_back(PrintItem::text("(" + wordText(memory, address) + ")"));
  }
  return line;
}

PrintLine registerHeading(const std::string& first, int pitch) {
  return registerColumns(first, {"GR0", "GR1", "GR2", "GR3", "GR4", "GR5", "GR6", "GR7"}, "FR",
                         "SP", pitch);
}

PrintLine registerLine(const HistorySlot& slot, int pitch) {
  std::array<std::string, 8> gr;
  for (int k = 0; k < 8; ++k) gr[k] = slot.gr[k].text();
  return registerColumns(wordOf(slot.pr).text(), gr, slot.fr, slot.sp, pitch);
}

PrintLine memoryPrintHeading() {
  PrintLine line = memoryHeading("adr", "(mem)");
  line.insert(line.begin() + 1, {PrintItem::column(7), PrintItem::text("(mem)")});
  return line;
}

PrintLine cpuTraceMemoryHeading() { return memoryHeading("adr( mem)", "( mem)"); }

PrintLine textLine(const std::string& utf8) { return {PrintItem::text(utf8)}; }

}  // namespace casl2wb
