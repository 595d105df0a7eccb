#include "documents/standard_texts.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "comet2/word.h"
#include "documents/cpu_panel_texts.h"
#include "documents/listings.h"

namespace casl2wb::standard {

namespace {

std::string hex(std::int64_t value) { return hexText(static_cast<std::uint16_t>(value)); }

std::string listingLine(const ListedLine& line) {
  std::string text = line.address ? hex(*line.address) : " ";
  // An empty label or operation shows as one space, as the workbench's list
  // shows them.
  text += "| |";
  appendUtf8(text, line.label.empty() ? U" " : line.label);
  text += '|';
  appendUtf8(text, line.operation.empty() ? U" " : line.operation);
  text += '|';
  appendUtf8(text, line.operands);
  text += " |";
  appendUtf8(text, line.comment);
  text += " |";
  return text;
}

}  // namespace

std::vector<std::string> listingTexts(const Program& program) {
  std::vector<std::string> texts;
  for (ListingEntry& entry : listingEntries(program)) texts.push_back(std::move(entry.text));
  return texts;
}

std::vector<ListingEntry> listingEntries(const Program& program) {
  std::map<std::pair<int, int>, std::vector<const Diagnostic*>> ofLine;
  std::vector<const Diagnostic*> ofNoLine;
  for (const Diagnostic& diagnostic : program.diagnostics) {
    if (diagnostic.place.line > 0) {
      ofLine[{diagnostic.place.file, diagnostic.place.line}].push_back(&diagnostic);
    } else {
      ofNoLine.push_back(&diagnostic);
    }
  }
  std::vector<ListingEntry> texts;
  int file = -1;
  for (const ListedLine& line : program.lines) {
    if (line.place.file != file) {
      file = line.place.file;
      if (program.files.size() > 1) {
        texts.push_back({formatPlainMessage(Message::StdFileHeading,
                                            {program.files[static_cast<std::size_t>(file)].name}),
                         {file, 0}});
      }
    }
    texts.push_back({listingLine(line), line.place});
    if (const auto found = ofLine.find({line.place.file, line.place.line}); found != ofLine.end()) {
      for (const Diagnostic* diagnostic : found->second) {
        texts.push_back({diagnostic->text(), line.place});
      }
    }
  }
  // An error of no line belongs to the last line of its file.
  for (const Diagnostic* diagnostic : ofNoLine) {
    const auto own = static_cast<std::size_t>(diagnostic->place.file);
    const int lastLine =
        own < program.files.size() ? static_cast<int>(program.files[own].lines.size()) : 0;
    texts.push_back({diagnostic->text(), {diagnostic->place.file, lastLine}});
  }
  const auto errors = program.diagnostics.size();
  texts.push_back({errors == 0 ? formatMessage(Message::NoErrors)
                               : formatMessage(Message::ErrorTotal, {std::to_string(errors)}),
                   {}});
  if (!program.runnable()) return texts;
  for (std::size_t row = 0; row < program.words.size(); row += 8) {
    std::string text;
    for (std::size_t k = row; k < row + 8 && k < program.words.size(); ++k) {
      if (k > row) text += "  ";
      text += hex(static_cast<std::int64_t>(k)) + "  " + hexText(program.words[k]);
    }
    texts.push_back({text, {}});
  }
  return texts;
}

namespace {

// The address and up to two words from `first` of `count`, the words as
// wide as two.
std::string wordsText(const Program& program, std::size_t first, int count) {
  std::string text = hex(static_cast<std::int64_t>(first));
  for (int k = 0; k < 2; ++k) {
    text += ' ';
    text += k < count ? hexText(program.words[first + static_cast<std::size_t>(k)]) : "    ";
  }
  return text;
}

// The words of a statement past its first two, two a line.
void appendMoreWords(const Program& program, std::size_t first, int count,
                     std::vector<std::string>& texts) {
  for (int k = 2; k < count; k += 2) {
    std::string text = wordsText(program, first + static_cast<std::size_t>(k), count - k);
    while (text.back() == ' ') text.pop_back();
    texts.push_back(text);
  }
}

}  // namespace

std::map<int, std::vector<std::string>> errorsByLine(const Program& program, int lastLine) {
  std::map<int, std::vector<std::string>> errors;
  for (const Diagnostic& diagnostic : program.diagnostics) {
    const int line = diagnostic.place.line > 0 ? diagnostic.place.line : lastLine;
    if (line > 0) errors[line].push_back(diagnostic.text());
  }
  return errors;
}

std::vector<LocatedError> locatedErrors(const Program& program) {
  struct Located {
    int file;
    LocatedError error;
  };
  std::vector<Located> located;
  for (const Diagnostic& diagnostic : program.diagnostics) {
    const SourceFile& file = program.files[static_cast<std::size_t>(diagnostic.place.file)];
    const int line = diagnostic.place.line > 0
                         ? diagnostic.place.line
                         : std::max<int>(1, static_cast<int>(file.lines.size()));
    located.push_back(
        {diagnostic.place.file, {file.name, line, diagnostic.column, diagnostic.plainText()}});
  }
  std::stable_sort(located.begin(), located.end(), [](const Located& a, const Located& b) {
    return std::tie(a.file, a.error.line, a.error.column) <
           std::tie(b.file, b.error.line, b.error.column);
  });
  std::vector<LocatedError> errors;
  for (Located& item : located) errors.push_back(std::move(item.error));
  return errors;
}

std::vector<std::string> codeListingTexts(const Program& program) {
  std::vector<std::string> texts;
  std::size_t literal = 0;
  for (const ListedLine& line : program.lines) {
    // A unit's literals come just before its END.
    for (; literal < program.literals.size() && program.literals[literal].end == line.place;
         ++literal) {
      const PooledLiteral& pooled = program.literals[literal];
      std::string text = wordsText(program, pooled.address, pooled.wordCount) + "           ";
      appendUtf8(text, pooled.text);
      texts.push_back(text);
      appendMoreWords(program, pooled.address, pooled.wordCount, texts);
    }
    const auto firstWord = static_cast<std::size_t>(line.address.value_or(0));
    std::string text = line.address && line.wordCount > 0
                           ? wordsText(program, firstWord, line.wordCount)
                       : line.address ? hex(*line.address) + "          "
                                      : std::string(14, ' ');
    text += "  ";
    std::string source;
    appendUtf8(source, line.label);
    source.resize(std::max<std::size_t>(source.size(), 8), ' ');
    source += ' ';
    appendUtf8(source, line.operation);
    if (!line.operands.empty()) {
      source.resize(std::max<std::size_t>(source.size(), 15), ' ');
      source += ' ';
      appendUtf8(source, line.operands);
    }
    if (!line.comment.empty()) {
      source += ' ';
      appendUtf8(source, line.comment);
    }
    if (line.label.empty() && line.operation.empty()) {
      source.clear();
      appendUtf8(source, line.comment);
    }
    text += source;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    texts.push_back(text);
    appendMoreWords(program, firstWord, line.wordCount, texts);
  }
  return texts;
}

std::string codeListingText(const Program& program) {
  std::string text;
  for (const std::string& line : codeListingTexts(program)) text += line + "\r\n";
  return text;
}

std::string runEndText(const RunEnd& end) {
  const std::string steps = std::to_string(end.steps);
  const std::string pr = hex(end.pr);
  switch (end.end) {
    case End::None:
      return "";
    case End::Return:
      return formatMessage(Message::StdEndedAtReturn, {steps});
    case End::StepLimit:
      return formatMessage(Message::StdEndedAtStepLimit, {steps, pr});
    case End::StackOverflow:
      return formatMessage(Message::StdEndedAtStackOverflow, {steps, pr, hex(end.detail)});
    case End::StackUnderflow:
      return formatMessage(Message::StdEndedAtStackUnderflow, {steps, pr});
    case End::AddressError:
      return formatMessage(Message::StdEndedAtAddressError, {steps, pr});
    case End::BadInstruction:
      return formatMessage(Message::StdEndedAtBadInstruction, {steps, pr, hex(end.detail)});
    case End::BadSupervisorCall:
      return formatMessage(Message::StdEndedAtBadSupervisorCall,
                           {std::to_string(end.detail), steps, pr});
  }
  return "";
}

std::string stepRowHeading() { return "  PR| GR0| GR1| GR2| GR3| GR4| GR5| GR6| GR7| FR|  SP|"; }

std::string stepRowText(const Step& step) {
  std::string text = hex(step.nextPr) + '|';
  for (std::uint16_t value : step.registers) text += hexText(value) + '|';
  text += step.flags.text() + '|' + hex(step.sp) + '|';
  return text;
}

std::string placeText(const Program& program, SourcePlace place) {
  const auto file = static_cast<std::size_t>(place.file);
  const std::string name = file < program.files.size() ? program.files[file].name : "";
  return name + ':' + std::to_string(place.line);
}

std::vector<std::string> runDocumentLines(const Program& program,
                                          const std::vector<std::string>& outputLines,
                                          const RunEnd& end, const Cpu& cpu) {
  std::vector<std::string> lines = codeListingTexts(program);
  lines.emplace_back();
  lines.insert(lines.end(), outputLines.begin(), outputLines.end());
  lines.push_back(runEndText(end));
  for (std::string& line : panelLines(panelOf(cpu))) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> cpuTraceLines(const Program& program, const StepRecord& record,
                                       const RunEnd& end) {
  std::vector<std::string> lines = codeListingTexts(program);
  lines.emplace_back();
  lines.push_back(stepRowHeading());
  for (const Step& step : record.steps) lines.push_back(stepRowText(step));
  lines.push_back(runEndText(end));
  return lines;
}

std::vector<std::string> memoryRowTexts(const std::vector<std::uint16_t>& memory, std::int64_t from,
                                        int rows) {
  std::vector<std::string> texts;
  const auto size = static_cast<std::int64_t>(memory.size());
  for (std::int64_t row = from; row < size && static_cast<int>(texts.size()) < rows; row += 8) {
    std::string text = hex(row) + ':';
    for (std::int64_t k = row; k < row + 8 && k < size; ++k) {
      text += ' ' + hexText(memory[static_cast<std::size_t>(k)]);
    }
    texts.push_back(text);
  }
  return texts;
}

std::vector<std::string> memoryListLines(const Session& session,
                                         const std::vector<std::uint16_t>& memory,
                                         std::int64_t from) {
  constexpr int rows = 32;
  std::vector<std::string> lines = session.outputLines;
  lines.push_back(runEndText(session.end));
  for (std::string& row : memoryRowTexts(memory, from - from % 8, rows)) {
    lines.push_back(std::move(row));
  }
  return lines;
}

std::vector<std::string> panelLines(const CpuPanel& panel) {
  const CpuPanelTexts texts = cpuPanelTexts(panel);
  std::vector<std::string> lines = {"命令語：" + texts.mnemonic, "PR：" + texts.programRegister,
                                    "FR：" + texts.flags, "SP：" + texts.stackPointer};
  for (std::size_t n = 0; n < texts.registers.size(); ++n) {
    lines.push_back("GR" + std::to_string(n) + "：" + texts.registers[n]);
  }
  return lines;
}

TraceRange traceSelection(TextView text, std::uint16_t address) {
  const Text wanted = fromUtf8(hexText(address) + ' ');
  for (std::size_t at = 0; at < text.size();) {
    if (text.substr(at, wanted.size()) == wanted) {
      return {static_cast<int>(at), static_cast<int>(wanted.size())};
    }
    const std::size_t end = text.find(U'\n', at);
    if (end == TextView::npos) break;
    at = end + 1;
  }
  return {};
}

void printLines(Printer& printer, const std::vector<std::string>& lines) {
  printer.setFont(std::string(listingFontName), 10);
  for (const std::string& line : lines) printer.printLine({PrintItem::text(line)});
  printer.endDocument();
}

}  // namespace casl2wb::standard
