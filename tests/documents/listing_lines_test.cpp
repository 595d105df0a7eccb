// The line layouts: program lines, the empty-field rule of the execution
// window's lists, memory rows, register lines and headings.
#include "documents/listing_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "recording_printer.h"

namespace casl2wb {
namespace {

using printtest::textOf;

// The address a listing shows as `text`: none yet (""), none (" ") or the
// four hex digits.
LineAddress addressOf(const std::u32string& text) {
  if (text.empty()) return LineAddress::unassigned();
  if (text == U" ") return LineAddress::none();
  return LineAddress::at(static_cast<std::uint16_t>(std::stoul(toUtf8(text), nullptr, 16)));
}

class ListingLines : public ::testing::Test {
 protected:
  void setLine(int n, const std::u32string& address, const std::u32string& label,
               const std::u32string& operation, const std::u32string& operand,
               const std::u32string& extra, const std::u32string& comment) {
    SourceLine& line = table.line(n);
    line.address = addressOf(address);
    line.field(Column::Label) = label;
    line.field(Column::Operation) = operation;
    line.field(Column::OperandField) = operand;
    line.field(Column::ExtraField) = extra;
    line.field(Column::Comment) = comment;
  }
  // The text of the last item, where the comment goes.
  static std::string lastText(const PrintLine& line) { return line.back().utf8; }

  SourceTable table;
  MemoryImage memory;
};

TEST_F(ListingLines, WideLineColumns) {
  setLine(1, U"0000", U"MAIN", U"LD", U"GR1,LEN ", U";c ", U"");
  EXPECT_EQ(textOf(wideProgramLine(table, 1, EmptyFields::AsTheyAre)),
            "0000          MAIN      LD             GR1,LEN             ;c");
  //         1        10   15        25             40                  60
  setLine(2, U"0002", U"L", U"DC", U"'A B' ", U"B'", U"; x ");
  EXPECT_EQ(textOf(wideProgramLine(table, 2, EmptyFields::AsTheyAre)),
            "0002          L         DC             'A B'               B'             ; x");
}

TEST_F(ListingLines, WideLineOperandPastColumn60GoesOnOnTheNextLine) {
  setLine(1, U"0019", U"LIST", U"DC", U"1,2,3,4,5,6,7,8,9,10 ", U" ", U"");
  EXPECT_EQ(textOf(wideProgramLine(table, 1, EmptyFields::AsTheyAre)),
            "0019          LIST      DC             1,2,3,4,5,6,7,8,9,10\n");
  // An operand of 20 characters ends at column 59 and stays on the line.
  setLine(2, U"0019", U"LIST", U"DC", U"1,2,3,4,5,6,7,8,9,1 ", U"X", U"");
  EXPECT_EQ(textOf(wideProgramLine(table, 2, EmptyFields::AsTheyAre)),
            "0019          LIST      DC             1,2,3,4,5,6,7,8,9,1 X");
}

TEST_F(ListingLines, NarrowLineColumns) {
  setLine(1, U"0000", U"MAIN", U"IN", U"NAME,LEN ", U"; 入力 ", U"");
  EXPECT_EQ(textOf(narrowProgramLine(table, 1, EmptyFields::AsTheyAre)),
            "0000   MAIN             IN        NAME,LEN  ; 入力");
  //         1   5 7       17      25        35
  setLine(2, U"0000", U"ABCDEFGHIJKLMNOPQRS", U"LD", U"GR1,X ", U" ", U"");
  // The label reaches column 25, so the operation goes to the next line.
  EXPECT_EQ(textOf(narrowProgramLine(table, 2, EmptyFields::AsTheyAre)),
            "0000   ABCDEFGHIJKLMNOPQRS\n                        LD        GR1,X");
}

TEST_F(ListingLines, ExecutionWindowListsPrintAnEmptyOrBlankAddressAsFiveSpaces) {
  setLine(1, U" ", U"PRG", U"START", U"  ", U" ", U"");
  setLine(2, U"", U"FIN", U" ", U"  ", U" ", U"");
  for (int n : {1, 2}) {
    EXPECT_EQ(narrowProgramLine(table, n, EmptyFields::FiveSpaces).front().utf8, "     ");
    EXPECT_EQ(wideProgramLine(table, n, EmptyFields::FiveSpaces).front().utf8, "     ");
  }
  // In the narrow layout the label moves from column 5 (or 4) to column 9.
  EXPECT_EQ(textOf(narrowProgramLine(table, 1, EmptyFields::FiveSpaces)),
            "        PRG             START");
  EXPECT_EQ(textOf(narrowProgramLine(table, 1, EmptyFields::AsTheyAre)),
            "    PRG                 START");
  EXPECT_EQ(textOf(narrowProgramLine(table, 2, EmptyFields::AsTheyAre)), "   FIN");
  EXPECT_EQ(textOf(narrowProgramLine(table, 2, EmptyFields::FiveSpaces)), "        FIN");
}

TEST_F(ListingLines, EditorListsPrintAddressesAsTheyAre) {
  setLine(1, U"", U" ", U" ", U"  ", U" ", U"");
  EXPECT_EQ(wideProgramLine(table, 1, EmptyFields::AsTheyAre).front().utf8, "");
  setLine(2, U" ", U" ", U"END", U"  ", U" ", U"");
  EXPECT_EQ(wideProgramLine(table, 2, EmptyFields::AsTheyAre).front().utf8, " ");
}

TEST_F(ListingLines, AnEmptyFieldPrintsFiveSpacesAndABlankFieldItsBlank) {
  // Column 5 of BLANK DC 'A ' is the empty text; column 6 is empty too.
  setLine(1, U"0017", U"BLANK", U"DC", U"'A ' ", U"", U"");
  const PrintLine wide = wideProgramLine(table, 1, EmptyFields::FiveSpaces);
  EXPECT_EQ(wide[10], PrintItem::text("     "));  // column 5 at column 60
  EXPECT_EQ(lastText(wide), "     ");             // column 6 at column 75
  EXPECT_EQ(wide[2], PrintItem::text(" "));       // column 1 holds one blank
  EXPECT_EQ(lastText(narrowProgramLine(table, 1, EmptyFields::FiveSpaces)),
            "'A '  " + std::string(5, ' ') + " " + std::string(5, ' '));
  EXPECT_EQ(lastText(narrowProgramLine(table, 1, EmptyFields::AsTheyAre)),
            "'A '  " + std::string(" "));
  EXPECT_EQ(lastText(wideProgramLine(table, 1, EmptyFields::AsTheyAre)), "");

  // An empty extra field before a comment is visible in the narrow layout.
  setLine(2, U"0000", U" ", U"LD", U"GR1,X ", U"", U"; c ");
  EXPECT_EQ(textOf(narrowProgramLine(table, 2, EmptyFields::FiveSpaces)),
            "0000                    LD        GR1,X        ; c");
  EXPECT_EQ(textOf(narrowProgramLine(table, 2, EmptyFields::AsTheyAre)),
            "0000                    LD        GR1,X   ; c");
}

TEST_F(ListingLines, LinePastTheTablePrintsAsAnUnusedRow) {
  const int past = SourceTable::maxLines + 1;
  EXPECT_EQ(textOf(wideProgramLine(table, past, EmptyFields::AsTheyAre)), "");
  EXPECT_EQ(narrowProgramLine(table, past, EmptyFields::FiveSpaces).front().utf8, "     ");
}

TEST_F(ListingLines, PlainMemoryRowPairsEverySixteenColumns) {
  for (int a = 0; a < 256; ++a) {
    memory.addressTexts[a] = hexText(static_cast<std::uint16_t>(a));
    memory[a] = Word(static_cast<std::uint16_t>(0xA000 + a));
  }
  const std::string row = textOf(plainMemoryRow(memory, 5));
  ASSERT_EQ(row.size(), 123u);  // the last word at columns 120 to 123
  EXPECT_EQ(row.substr(0, 11), "0005   A005");
  for (int k = 1; k < 8; ++k) {
    const int address = 5 + 32 * k;
    EXPECT_EQ(row.substr(16 * k - 1, 4), hexText(static_cast<std::uint16_t>(address))) << k;
    EXPECT_EQ(row.substr(16 * k + 7, 4), hexText(static_cast<std::uint16_t>(0xA000 + address)))
        << k;
  }
  EXPECT_EQ(row.substr(0, 36), "0005   A005    0025    A025    0045 ");
}

TEST_F(ListingLines, PlainMemoryRowPrintsNothingForEmptyAddressTexts) {
  // Before a run the address text of cell 0 is still empty.
  memory[0] = Word(0x9000);
  memory.addressTexts[32] = "0020";
  memory[32] = Word(0x0008);
  EXPECT_EQ(textOf(plainMemoryRow(memory, 0)), "       9000    0020    0008");
}

TEST_F(ListingLines, BracketedMemoryRowPairsEveryFourteenColumns) {
  for (int a = 0; a < 512; ++a) memory.addressTexts[a] = hexText(static_cast<std::uint16_t>(a));
  memory[256 + 3] = Word(0x1234);
  memory[256 + 3 + 224] = Word(0xFFFF);
  for (int k = 1; k < 7; ++k) memory[256 + 3 + 32 * k] = Word::blank();
  const std::string row = textOf(bracketedMemoryRow(memory, 256, 3));
  EXPECT_EQ(row,
            "0103  (1234) 0123   (    ) 0143   (    ) 0163   (    ) 0183   (    ) 01A3   (    ) "
            "01C3   (    ) 01E3   (FFFF)");
  ASSERT_EQ(row.size(), 110u);  // the last bracketed word at columns 105 to 110
  EXPECT_EQ(row.substr(104, 6), "(FFFF)");
}

TEST_F(ListingLines, BracketedCellThatHoldsNothingPrintsEmptyBrackets) {
  memory.addressTexts[0] = "0000";
  EXPECT_EQ(bracketedMemoryRow(memory, 0, 0)[2], PrintItem::text("()"));
  memory[0] = Word::blank();
  EXPECT_EQ(bracketedMemoryRow(memory, 0, 0)[2], PrintItem::text("(    )"));
}

TEST_F(ListingLines, RegisterLinesEverySixOrSevenColumns) {
  EXPECT_EQ(textOf(registerHeading("PR", 6)),
            "PR    GR0   GR1   GR2   GR3   GR4   GR5   GR6   GR7   FR    SP");
  EXPECT_EQ(textOf(registerHeading("PC", 7)),
            "PC    GR0    GR1    GR2    GR3    GR4    GR5    GR6    GR7    FR     SP");
  HistorySlot slot;
  slot.pr = 0x1F;
  for (int k = 0; k < 8; ++k) slot.registers[k] = Word(static_cast<std::uint16_t>(0x1110 * k));
  slot.flags = Flags{false, true, false};
  slot.sp = 0x00FF;
  EXPECT_EQ(textOf(registerLine(slot, 6)),
            "001F  0000  1110  2220  3330  4440  5550  6660  7770  010   00FF");
  EXPECT_EQ(textOf(registerLine(slot, 7)),
            "001F  0000   1110   2220   3330   4440   5550   6660   7770   010    00FF");
}

TEST_F(ListingLines, MemoryHeadings) {
  EXPECT_EQ(textOf(memoryPrintHeading()),
            "adr   (mem)  adr    (mem)  adr    (mem)  adr    (mem)  adr    (mem)  adr    (mem)  "
            "adr    (mem)  adr    (mem)");
  EXPECT_EQ(textOf(cpuTraceMemoryHeading()),
            "adr( mem)    adr    ( mem) adr    ( mem) adr    ( mem) adr    ( mem) adr    ( mem) "
            "adr    ( mem) adr    ( mem)");
}

}  // namespace
}  // namespace casl2wb
