// The documents: which lines each prints, in which font, and where each ends.
#include "documents/listings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../simulator/run_fixture.h"
#include "recording_printer.h"

namespace casl2wb {
namespace {

using printtest::RecordingPrinter;
using printtest::textOf;

class Listings : public runtest::RunFixture {
 protected:
  std::vector<std::string> text(const RecordingPrinter& printer) const {
    return textOf(printer.lines);
  }
  static int countOf(const std::vector<std::string>& calls, const std::string& call) {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }
  // Index of the first line that starts with `prefix`, or -1.
  static int lineStarting(const std::vector<std::string>& lines, const std::string& prefix) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].starts_with(prefix)) return static_cast<int>(i);
    }
    return -1;
  }

  // Three recorded steps: LD, ADDA, LD; the final RET is not recorded.
  const std::vector<std::string> threeSteps = {"PRG      START",
                                               "         LD       GR1,=1",
                                               "         ADDA     GR1,=2",
                                               "         LD       GR2,=7",
                                               "         RET",
                                               "         END"};
};

TEST_F(Listings, TwelveLinesAndAnEmptyLinePrintFourteenProgramLines) {
  std::vector<std::string> lines = {"PRG      START"};
  for (int i = 0; i < 10; ++i) lines.push_back("         NOP");
  lines.push_back("         RET");
  lines.push_back("");
  lines.push_back("         END");  // after the empty line: not part of the program
  std::vector<Text> texts;
  for (const auto& line : lines) texts.push_back(fromUtf8(line));
  program = assembler.assemble(texts);  // lacks END: checked, not translated
  ASSERT_EQ(program.source.lineCount, 12);

  RecordingPrinter printer;
  printProgramList(printer, program.source);
  const std::vector<std::string> printed = text(printer);
  ASSERT_EQ(printed.size(), 14u);
  EXPECT_EQ(printed.front(), "");
  EXPECT_EQ(printed[1], "              PRG       START");
  EXPECT_EQ(printed[12], "000A                    RET");
  EXPECT_EQ(printed.back(), "");
}

TEST_F(Listings, ToolbarListIsNinePointAndOneDocument) {
  load(threeSteps);
  RecordingPrinter printer;
  printProgramList(printer, program.source);
  ASSERT_GE(printer.calls.size(), 2u);
  EXPECT_EQ(printer.calls.front(), "font MS ゴシック 9");
  EXPECT_EQ(printer.calls.back(), "end");
  EXPECT_EQ(countOf(printer.calls, "end"), 1);
  EXPECT_EQ(printer.lines.size(), 8u);  // lines 0 to 7
}

TEST_F(Listings, EditorListSetsNoFontAndDumpsRowsUpToProgramEnd) {
  load(threeSteps);
  for (int end : {40, 5}) {
    program.source.programEnd = end;
    RecordingPrinter printer;
    printProgramAndMemory(printer, program.source, program.image);
    EXPECT_EQ(printer.calls.back(), "end");
    EXPECT_EQ(countOf(printer.calls, "end"), 1);
    EXPECT_TRUE(std::none_of(printer.calls.begin(), printer.calls.end(),
                             [](const std::string& call) { return call.starts_with("font"); }));
    const std::size_t programLines = 8;
    const std::size_t rows = end == 40 ? 32 : 6;
    ASSERT_EQ(printer.lines.size(), programLines + rows) << end;
    // The translation wrote address texts from 1 on; cell 0 waits for a run.
    EXPECT_EQ(printer.lines[programLines][0].utf8, "");
    EXPECT_EQ(printer.lines[programLines + 1][0].utf8, "0001");
    for (std::size_t r = 0; r < rows; ++r) {
      const PrintLine& row = printer.lines[programLines + r];
      // Eight pairs: seven address columns and eight word columns.
      EXPECT_EQ(
          std::count_if(row.begin(), row.end(),
                        [](const PrintItem& item) { return item.kind == PrintItem::Kind::Column; }),
          15);
      EXPECT_EQ(row[0].utf8, program.image.addressTexts[r]);
      EXPECT_EQ(row[4].utf8, program.image.addressTexts[r + 32]);
      EXPECT_EQ(row.back().utf8, program.image[r + 224].text());
    }
  }
}

TEST_F(Listings, RunPrintShowsTheRegistersOfTheLastRecordedStep) {
  load(threeSteps);
  run();
  ASSERT_EQ(machine.record().recordedSteps(), 3);
  RecordingPrinter printer;
  printRunResult(printer, program.source, machine);
  std::vector<std::string> printed = text(printer);
  const int heading = lineStarting(printed, "PR    GR0");
  ASSERT_GT(heading, 0);
  EXPECT_EQ(printed[heading + 1],
            "0004  0000  0003  0007  0000  0000  0000  0000  0000  000   0100");

  // Slot recordedSteps - 1, not the machine's current registers: past 999
  // steps the passes after pass 500 (its LAD in slot 998) are not shown,
  // while GR1 counts all 601 passes.
  load({"PRG START ;LMT00600", "L LAD GR1,1,GR1", " JUMP L", " RET", " END"});
  run();
  ASSERT_EQ(machine.record().recordedSteps(), 999);
  ASSERT_EQ(gr(1), "0259");
  RecordingPrinter second;
  printRunResult(second, program.source, machine);
  printed = text(second);
  const int secondHeading = lineStarting(printed, "PR    GR0");
  ASSERT_GT(secondHeading, 0);
  EXPECT_EQ(printed[secondHeading + 1],
            "0000  0000  01F4  0000  0000  0000  0000  0000  0000  000   0100");
}

TEST_F(Listings, RunPrintLeavesTheRegisterLineOutWhenNothingIsRecorded) {
  load({"PRG START", " RET", " END"});
  run();
  ASSERT_EQ(machine.record().recordedSteps(), 0);
  RecordingPrinter printer;
  printRunResult(printer, program.source, machine);
  const std::vector<std::string> printed = text(printer);
  const int heading = lineStarting(printed, "PR    GR0");
  ASSERT_GT(heading, 0);
  EXPECT_EQ(printed[heading + 1], "");  // the OUT line: no OUT yet
  EXPECT_TRUE(printed[heading + 2].starts_with("adr   (mem)"));
}

TEST_F(Listings, RunPrintLayoutAndFonts) {
  load(threeSteps);
  run();
  RecordingPrinter printer;
  printRunResult(printer, program.source, machine);
  // printRunResult sets the font, and so does the memory print it ends with.
  EXPECT_EQ(printer.calls.front(), "font MS ゴシック 10");
  EXPECT_EQ(countOf(printer.calls, "font MS ゴシック 10"), 2);
  EXPECT_EQ(printer.calls.back(), "end");
  EXPECT_EQ(countOf(printer.calls, "end"), 1);

  const std::vector<std::string> printed = text(printer);
  // Heading, lines 0 to 7, register heading and line, OUT line, memory
  // heading and 32 rows.
  ASSERT_EQ(printed.size(), 1u + 8 + 2 + 1 + 1 + 32);
  EXPECT_EQ(printed[0], "adr     Program List");
  EXPECT_EQ(printed[1], "");
  EXPECT_EQ(printed[2], "        PRG             START");
  EXPECT_EQ(printed[3], "0000                    LD        GR1,=1");
  EXPECT_EQ(printed[7], "                        END");
  EXPECT_EQ(printed[8], "");
  EXPECT_EQ(printed[11], "");  // no OUT in the program
  EXPECT_EQ(printed[13],
            "0000  (1010) 0020   (    ) 0040   (    ) 0060   (    ) 0080   (    ) "
            "00A0   (    ) 00C0   (    ) 00E0   (    )");
  EXPECT_TRUE(printed.back().starts_with("001F  (    ) 003F"));
}

TEST_F(Listings, CpuTracePrintsEveryRecordedStep) {
  load(threeSteps);
  run();
  RecordingPrinter printer;
  printCpuTrace(printer, program.source, machine);
  EXPECT_EQ(printer.calls.front(), "font MS ゴシック 10");
  EXPECT_EQ(printer.calls.back(), "end");
  EXPECT_EQ(countOf(printer.calls, "end"), 1);

  const std::vector<std::string> printed = text(printer);
  ASSERT_EQ(printed.size(), 1u + 8 + 1 + 3 + 1 + 1 + 32);
  EXPECT_EQ(printed[0], "adr     Program List");
  EXPECT_EQ(printed[2], "              PRG       START");
  EXPECT_EQ(printed[9], "PC    GR0    GR1    GR2    GR3    GR4    GR5    GR6    GR7    FR     SP");
  EXPECT_EQ(printed[10],
            "0000  0000   0001   0000   0000   0000   0000   0000   0000   000    0100");
  EXPECT_EQ(printed[11],
            "0002  0000   0003   0000   0000   0000   0000   0000   0000   000    0100");
  EXPECT_EQ(printed[12],
            "0004  0000   0003   0007   0000   0000   0000   0000   0000   000    0100");
  EXPECT_EQ(printed[13], "");  // the OUT line
  EXPECT_TRUE(printed[14].starts_with("adr( mem)    adr    ( mem)"));
}

TEST_F(Listings, ExtendedMemoryPrintsSixtyFourRowsUnderOneHeading) {
  std::vector<std::string> lines = threeSteps;
  lines[0] = "PRG      START    MAIN     MEX";
  lines[1] = "MAIN     LD       GR1,=1";
  load(lines);
  run();
  ASSERT_TRUE(machine.cpu().extendedMemory);
  for (bool cpu : {false, true}) {
    RecordingPrinter printer;
    cpu ? printCpuTrace(printer, program.source, machine)
        : printRunResult(printer, program.source, machine);
    const std::vector<std::string> printed = text(printer);
    const int heading = lineStarting(printed, cpu ? "adr( mem)" : "adr   (mem)");
    ASSERT_GT(heading, 0) << cpu;
    const int rows = static_cast<int>(printed.size()) - heading - 1;
    EXPECT_TRUE(std::none_of(printed.begin() + heading + 1, printed.end(),
                             [](const std::string& line) { return line.starts_with("adr"); }))
        << "no second heading";
    EXPECT_EQ(rows, 64) << cpu;
    EXPECT_TRUE(printed[heading + 32].starts_with("001F  (")) << cpu;
    EXPECT_TRUE(printed[heading + 33].starts_with("0100  (    ) 0120   (    )")) << cpu;
    EXPECT_TRUE(printed.back().starts_with("011F  (    )")) << cpu;
  }
}

TEST_F(Listings, NormalMemoryPrintsThirtyTwoRows) {
  load(threeSteps);
  run();
  RecordingPrinter printer;
  printCpuTrace(printer, program.source, machine);
  const std::vector<std::string> printed = text(printer);
  EXPECT_TRUE(printed.back().starts_with("001F  ("));
  EXPECT_EQ(lineStarting(printed, "0100  ("), -1);
}

TEST_F(Listings, ProgramOfAFullTablePrintsTheLineAfterIt) {
  load(threeSteps);
  program.source.lineCount = SourceTable::maxLines;
  RecordingPrinter printer;
  printProgramList(printer, program.source);
  EXPECT_EQ(printer.lines.size(), static_cast<std::size_t>(SourceTable::maxLines) + 2);
  EXPECT_EQ(textOf(printer.lines.back()), "");
}

TEST_F(Listings, WindowCopyIsTheImageAndTheEnd) {
  RecordingPrinter printer;
  printScreenCopy(printer, WindowImage{640, 480, std::vector<std::uint32_t>(640 * 480)});
  EXPECT_EQ(printer.calls, (std::vector<std::string>{"image 640x480", "end"}));
}

}  // namespace
}  // namespace casl2wb
