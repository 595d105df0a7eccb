// The PDF printer: files that are PDF, page breaks where the page geometry
// puts them, and the window image on a page of its own.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "assembler/assembler.h"
#include "assembler/listing_text.h"
#include "base/message_list.h"
#include "base/text.h"
#include "documents/listings.h"
#include "documents/run_listing.h"
#include "documents/text_printer.h"
#include "qtprint/font_choice.h"
#include "qtprint/pdf_printer.h"
#include "qtprint/qt_printer.h"
#include "simulator/execution_loop.h"
#include "simulator/machine.h"
#include "simulator/run_dialogs.h"
#include "support/small_file_system.h"

namespace casl2wb {
namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// Page objects in the file ("/Type /Pages" is the page tree, not a page).
int pagesIn(const QByteArray& pdf) {
  int pages = 0;
  for (qsizetype at = pdf.indexOf("/Type /Page"); at != -1;
       at = pdf.indexOf("/Type /Page", at + 1)) {
    if (pdf.mid(at + 11, 1) != "s") ++pages;
  }
  return pages;
}

int linesOf(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// The programs printed here read no input; a run's notices are not looked at.
class SilentRunDialogs : public RunDialogs {
 public:
  std::string inputBox(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  void errorBox(const std::string&) override {}
};

// A program assembled and run on a fresh machine for each test.
class PdfPrinterTest : public ::testing::Test {
 protected:
  // Assembles the lines and loads them; the test fails when there are errors.
  void load(const std::vector<std::string>& lines) {
    std::vector<Text> texts;
    for (const std::string& line : lines) texts.push_back(fromUtf8(line));
    program = Assembler().assemble(texts);
    ASSERT_TRUE(program.runnable()) << ::testing::PrintToString(listingTexts(program.listing));
    machine.load(program);
  }
  void run() {
    RunListing listing(output);
    Simulator(machine, listing, dialogs).run();
  }

  QString pdfPath(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

  AssembledProgram program;
  Machine machine;
  VectorMessageList output;
  SilentRunDialogs dialogs;
  QTemporaryDir dir;
};

TEST_F(PdfPrinterTest, WritesAPdfFileOfOnePage) {
  load({"ECHO     START", "         LD       GR1,=5", "         RET", "         END"});
  run();
  const QString path = pdfPath("run.pdf");
  {
    PdfPrinter printer(path.toStdString());
    ASSERT_TRUE(printer.isOpen());
    printRunResult(printer, program.source, machine);
    EXPECT_TRUE(printer.ok());
    EXPECT_EQ(printer.pageCount(), 1);
  }
  const QByteArray pdf = readAll(path);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(pagesIn(pdf), 1);
  EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]")) << "A4 portrait";
}

TEST_F(PdfPrinterTest, LongCpuTraceBreaksIntoPagesOfWholeLines) {
  // 1 LD, then 499 times SUBA and JNZ: 999 recorded steps.
  load({"LONG     START", "         LD       GR1,=499", "LOOP     SUBA     GR1,=1",
        "         JNZ      LOOP", "         RET", "         END"});
  run();
  ASSERT_EQ(machine.record().recordedSteps(), 999);

  // Heading, program lines 0 to 7, trace heading, 999 steps, OUT line,
  // memory heading, 32 rows; nothing in this program wraps.
  std::ostringstream text;
  TextPrinter textPrinter(text);
  printCpuTrace(textPrinter, program.source, machine);
  const int lines = 1 + 8 + 1 + 999 + 1 + 1 + 32;
  ASSERT_EQ(linesOf(text.str()), lines);

  // The printable height of A4 less 10 mm at top and bottom, in lines of the
  // 10-point font: 277 mm over 10.78 points gives 72 lines with IPAGothic.
  QPdfWriter geometry(pdfPath("geometry.pdf"));
  geometry.setPageLayout(listingPageLayout());
  const double lineSpacing = QFontMetricsF(fixedPitchFont(10), &geometry).lineSpacing();
  const double height = 277.0 / 25.4 * geometry.resolution();
  EXPECT_NEAR(geometry.height(), height, geometry.resolution() / 25.4);
  const int linesPerPage = static_cast<int>(geometry.height() / lineSpacing);
  const int expectedPages = (lines + linesPerPage - 1) / linesPerPage;
  if (fixedPitchFont(10).family() == "IPAGothic") {
    EXPECT_EQ(linesPerPage, 72);
    EXPECT_EQ(expectedPages, 15);
  }

  const QString path = pdfPath("cpu.pdf");
  PdfPrinter printer(path.toStdString());
  printCpuTrace(printer, program.source, machine);
  EXPECT_TRUE(printer.ok());
  EXPECT_EQ(printer.pageCount(), expectedPages);
  EXPECT_EQ(pagesIn(readAll(path)), expectedPages);
}

TEST_F(PdfPrinterTest, WindowImageIsOnePage) {
  QImage window(400, 300, QImage::Format_ARGB32);
  window.fill(Qt::darkBlue);
  const WindowImage image = toWindowImage(window);
  ASSERT_EQ(image.pixels.size(), 400u * 300u);
  EXPECT_EQ(image.pixels[0], QColor(Qt::darkBlue).rgba());

  const QString path = pdfPath("window.pdf");
  PdfPrinter printer(path.toStdString());
  printScreenCopy(printer, image);
  EXPECT_TRUE(printer.ok());
  const QByteArray pdf = readAll(path);
  EXPECT_EQ(pagesIn(pdf), 1);
  EXPECT_TRUE(pdf.contains("/Subtype /Image"));
}

TEST_F(PdfPrinterTest, LinesAfterAWindowImageStartANewPage) {
  const QString path = pdfPath("image_then_lines.pdf");
  PdfPrinter printer(path.toStdString());
  printer.printLine({PrintItem::text("before")});
  QImage window(10, 10, QImage::Format_ARGB32);
  window.fill(Qt::white);
  printer.printWindowImage(toWindowImage(window));
  printer.printLine({PrintItem::text("after")});
  printer.endDocument();
  EXPECT_EQ(printer.pageCount(), 3);
  EXPECT_EQ(pagesIn(readAll(path)), 3);
}

TEST_F(PdfPrinterTest, AFileThatCannotBeCreatedIsReported) {
  PdfPrinter printer(dir.filePath("no_such_dir/out.pdf").toStdString());
  EXPECT_FALSE(printer.isOpen());
  EXPECT_FALSE(printer.ok());
  EXPECT_FALSE(printer.errorString().isEmpty());
  printer.printLine({PrintItem::text("ignored")});
  printer.endDocument();
}

TEST_F(PdfPrinterTest, AFullDiskKeepsTheOldPdfWholeAndLeavesNoNewOne) {
  testing::SmallFileSystem disk;
  if (!disk.mounted()) GTEST_SKIP() << "a small file system cannot be mounted here";
  load({"ECHO     START", "         LD       GR1,=5", "         RET", "         END"});
  run();
  testing::writeBytes(disk.file("keep.pdf"), "%PDF-old");
  disk.fill();
  for (const char* name : {"keep.pdf", "new.pdf"}) {
    SCOPED_TRACE(name);
    PdfPrinter printer(disk.file(name));
    printCpuTrace(printer, program.source, machine);
    EXPECT_FALSE(printer.ok());
    EXPECT_EQ(printer.errorString(), QStringLiteral("No space left on device"));
  }
  EXPECT_EQ(testing::readBytes(disk.file("keep.pdf")), "%PDF-old");
  EXPECT_EQ(QDir(QString::fromStdString(disk.path().string()))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({QStringLiteral(".filler"), QStringLiteral("keep.pdf")}));
}

}  // namespace
}  // namespace casl2wb
