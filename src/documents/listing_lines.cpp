#include "documents/listing_lines.h"

#include <array>

namespace casl2wb {

namespace {

const std::string fiveSpaces = "     ";

// The address and the columns of a line, as UTF-8.
struct LineRecord {
  std::string address;
  std::array<std::string, columnCount> fields;

  const std::string& operator[](Column column) const {
    return fields[static_cast<std::size_t>(column)];
  }
};

// Line n with the empty-field rule applied.
LineRecord lineRecord(const SourceTable& table, int n, EmptyFields empty) {
  const SourceLine& line = table.line(n);
  LineRecord record;
  record.address = toUtf8(line.address.text());
  for (std::size_t c = 0; c < record.fields.size(); ++c) record.fields[c] = toUtf8(line.fields[c]);
  if (empty == EmptyFields::FiveSpaces) {
    if (record.address.empty() || record.address == " ") record.address = fiveSpaces;
    for (std::string& field : record.fields) {
      if (field.empty()) field = fiveSpaces;
    }
  }
  return record;
}

std::string wordText(const MemoryImage& memory, int address) { return memory[address].text(); }

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
          PrintItem::text(line[Column::Reserved]),
          PrintItem::column(15),
          PrintItem::text(line[Column::Label]),
          PrintItem::column(25),
          PrintItem::text(line[Column::Operation]),
          PrintItem::column(40),
          PrintItem::text(line[Column::OperandField]),
          PrintItem::column(60),
          PrintItem::text(line[Column::ExtraField]),
          PrintItem::column(75),
          PrintItem::text(line[Column::Comment])};
}

PrintLine narrowProgramLine(const SourceTable& table, int n, EmptyFields empty) {
  const LineRecord line = lineRecord(table, n, empty);
  return {PrintItem::text(line.address),
          PrintItem::spaces(1),
          PrintItem::text(line[Column::Reserved]),
          PrintItem::spaces(1),
          PrintItem::text(line[Column::Label]),
          PrintItem::column(25),
          PrintItem::text(line[Column::Operation]),
          PrintItem::column(35),
          PrintItem::text(line[Column::OperandField] + " " + line[Column::ExtraField] + " " +
                          line[Column::Comment])};
}

PrintLine plainMemoryRow(const MemoryImage& memory, int r) {
  PrintLine line;
  for (int k = 0; k < 8; ++k) {
    const int address = r + 32 * k;
    if (k > 0) line.push_back(PrintItem::column(16 * k));
    line.push_back(PrintItem::text(memory.addressTexts.at(static_cast<std::size_t>(address))));
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
    line.push_back(PrintItem::text(memory.addressTexts.at(static_cast<std::size_t>(address))));
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
  for (int k = 0; k < 8; ++k) gr[k] = slot.registers[k].text();
  return registerColumns(Word::of(slot.pr).text(), gr, slot.flags.text(), Word::of(slot.sp).text(),
                         pitch);
}

PrintLine memoryPrintHeading() {
  PrintLine line = memoryHeading("adr", "(mem)");
  line.insert(line.begin() + 1, {PrintItem::column(7), PrintItem::text("(mem)")});
  return line;
}

PrintLine cpuTraceMemoryHeading() { return memoryHeading("adr( mem)", "( mem)"); }

PrintLine textLine(const std::string& utf8) { return {PrintItem::text(utf8)}; }

}  // namespace casl2wb
