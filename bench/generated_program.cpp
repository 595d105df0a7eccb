#include "generated_program.h"

#include <cstdio>
#include <string>

namespace casl2wb::bench {
namespace {

constexpr int dataLines = 110;

std::string name(char prefix, int number) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%c%05d", prefix, number);
  return buffer;
}

// A source line with the label in the first column and the statement
// starting in column 10, the operand in column 18.
std::string statement(const std::string& label, const std::string& operation,
                      const std::string& operand = "", const std::string& comment = "") {
  std::string line = label;
  line.resize(9, ' ');
  line += operation;
  if (!operand.empty()) {
    line.resize(17, ' ');
    line += operand;
  }
  if (!comment.empty()) line += "    ; " + comment;
  return line;
}

// Line `index` (0-based) of the ten-line code block number `block`.
std::string blockLine(int block, int index, int blockCount) {
  const std::string data = name('D', (block * 7) % dataLines);
  const std::string other = name('D', (block * 7 + 3) % dataLines);
  const std::string next = name('L', (block + 1) % blockCount);
  switch (index) {
    case 0:
      return statement(name('L', block), "LD", "GR1," + data, "load the operand");
    case 1:
      return statement("", "ADDA", "GR1," + other);
    case 2:
      return statement("", "LAD", "GR2,1,GR1");
    case 3:
      return statement("", "ST", "GR1," + data);
    case 4:
      return statement("", "CPA", "GR1," + other);
    case 5:
      return statement("", "JPL", next);
    case 6:
      return statement("", "SLA", "GR1,2");
    case 7:
      return statement("", "PUSH", "0,GR1");
    case 8:
      return statement("", "POP", "GR3");
    default:
      return statement("", "SUBA", "GR3,=1");
  }
}

std::string dataLine(int index) {
  const std::string label = name('D', index);
  switch (index % 4) {
    case 0:
      return statement(label, "DC", std::to_string(index * 3));
    case 1:
      return statement(label, "DC", "#00" + std::to_string(10 + index % 90));
    case 2:
      return statement(label, "DC", "'AB'");
    default:
      return statement(label, "DS", "1");
  }
}

}  // namespace

std::vector<Text> generateProgram(int lineCount) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(lineCount));
  lines.push_back(statement("BENCH", "START"));
  const int bodyLines = lineCount - 3 - dataLines;
  const int blockCount = (bodyLines + 9) / 10;
  for (int i = 0; i < bodyLines; ++i) lines.push_back(blockLine(i / 10, i % 10, blockCount));
  lines.push_back(statement("", "RET"));
  for (int i = 0; i < dataLines; ++i) lines.push_back(dataLine(i));
  lines.push_back(statement("", "END"));

  std::vector<Text> program;
  program.reserve(lines.size());
  for (const std::string& line : lines) program.push_back(fromUtf8(line));
  return program;
}

}  // namespace casl2wb::bench
