// The largest source files the workbench accepts (maxSourceFileBytes), each
// read, checked, translated when the check lets it, and printed as the PDF
// listing of the editor's "印刷(&P)", and shown in the editor. Every kind of file runs in a process
// of its own, so that the peak memory shown is that of the kind alone. Target: at most 2 seconds
// and 300 MB for each.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "assembler/assembler.h"
#include "assembler/work_file.h"
#include "base/source_file.h"
#include "documents/listings.h"
#include "generated_program.h"
#include "qtprint/pdf_printer.h"

namespace {

using namespace casl2wb;

struct Input {
  const char* name;
  std::function<std::string()> make;  // the file's bytes, at most the limit
};

std::string fillWithLines(const std::string& line) {
  std::string bytes;
  while (bytes.size() + line.size() + 2 <= maxSourceFileBytes) bytes += line + "\r\n";
  return bytes;
}

const std::vector<Input> inputs = {
    {"one token", [] { return std::string(maxSourceFileBytes, 'A'); }},
    {"one DC line of constants",
     [] {
       std::string line = "X DC 1";
       while (line.size() + 2 <= maxSourceFileBytes) line += ",1";
       return line;
     }},
    {"lines of 257 operands", [] { return fillWithLines(" LD GR1" + std::string(256 * 4, ',')); }},
    {"short lines, many operand parts",
     [] { return fillWithLines("L DC 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"); }},
    // Lines of at most 72 characters: the largest program a check lets
    // through to the translation is far below the limit.
    {"a correct program of 1013 lines", [] {
       std::string bytes;
       for (const Text& line : bench::generateProgram(1013)) bytes += toUtf8(line) + "\r\n";
       return bytes;
     }}};

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Shows the file's lines in the editor's kind of text box and reads them
// back, as a load and the next check do; gives the seconds taken.
double showInEditor(const std::string& path) {
  const auto start = std::chrono::steady_clock::now();
  QPlainTextEdit editor;
  editor.setLineWrapMode(QPlainTextEdit::NoWrap);
  QString loaded;
  for (const Text& line : readSourceFile(path).lines) {
    loaded += QString::fromStdString(toUtf8(line)) + QLatin1Char('\n');
  }
  editor.setPlainText(loaded);
  editor.show();
  QApplication::processEvents();
  const std::string text = editor.toPlainText().toStdString();
  if (!editorTextFits(text)) std::fprintf(stderr, "the loaded text cannot be checked\n");
  return secondsSince(start);
}

// Reads, checks, translates and prints the file; gives the seconds taken.
double checkAndPrint(const std::string& path, const std::string& pdf) {
  const auto start = std::chrono::steady_clock::now();
  const SourceReadResult source = readSourceFile(path);
  const AssembledProgram program = Assembler().assemble(source.lines);
  PdfPrinter printer(pdf);
  printProgramAndMemory(printer, program.source, program.image);
  const double seconds = secondsSince(start);
  if (!source.ok || !printer.ok()) std::fprintf(stderr, "failed: %s\n", source.error.c_str());
  return seconds;
}

void measure(const Input& input, const std::filesystem::path& folder) {
  const std::string path = (folder / "input.txt").string();
  std::ofstream(path, std::ios::binary) << input.make();
  static int argc = 1;
  static char name[] = "largest_input_bench";
  static char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  const double seconds = checkAndPrint(path, (folder / "listing.pdf").string());
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double editorSeconds = showInEditor(path);
  std::printf("%-34s %6.2f s %5ld MB peak   editor %5.2f s\n", input.name, seconds,
              usage.ru_maxrss / 1024, editorSeconds);
}

}  // namespace

int main() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("casl2wb-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::printf(
      "files of %zu bytes: read, check, translation and PDF listing (time, memory);\n"
      "loaded into an editor text box (time)\n",
      maxSourceFileBytes);
  for (const Input& input : inputs) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
      measure(input, folder);
      std::fflush(stdout);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
  }
  std::filesystem::remove_all(folder);
  return 0;
}
