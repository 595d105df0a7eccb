#include "documents/standard_texts.h"

#include <map>

#include "comet2/word.h"
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
  std::map<std::pair<int, int>, std::vector<const Diagnostic*>> ofLine;
  std::vector<const Diagnostic*> ofNoLine;
  for (const Diagnostic& diagnostic : program.diagnostics) {
    if (diagnostic.place.line > 0) {
      ofLine[{diagnostic.place.file, diagnostic.place.line}].push_back(&diagnostic);
    } else {
      ofNoLine.push_back(&diagnostic);
    }
  }
  std::vector<std::string> texts;
  int file = -1;
  for (const ListedLine& line : program.lines) {
    if (line.place.file != file) {
      file = line.place.file;
      if (program.files.size() > 1) {
        texts.push_back(formatPlainMessage(Message::StdFileHeading,
                                           {program.files[static_cast<std::size_t>(file)].name}));
      }
    }
    texts.push_back(listingLine(line));
    if (const auto found = ofLine.find({line.place.file, line.place.line}); found != ofLine.end()) {
      for (const Diagnostic* diagnostic : found->second) texts.push_back(diagnostic->text());
    }
  }
  for (const Diagnostic* diagnostic : ofNoLine) texts.push_back(diagnostic->text());
  const auto errors = program.diagnostics.size();
  texts.push_back(errors == 0 ? formatMessage(Message::NoErrors)
                              : formatMessage(Message::ErrorTotal, {std::to_string(errors)}));
  if (!program.runnable()) return texts;
  for (std::size_t row = 0; row < program.words.size(); row += 8) {
    std::string text;
    for (std::size_t k = row; k < row + 8 && k < program.words.size(); ++k) {
      if (k > row) text += "  ";
      text += hex(static_cast<std::int64_t>(k)) + "  " + hexText(program.words[k]);
    }
    texts.push_back(text);
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

void printLines(Printer& printer, const std::vector<std::string>& lines) {
  printer.setFont(std::string(listingFontName), 10);
  for (const std::string& line : lines) printer.printLine({PrintItem::text(line)});
  printer.endDocument();
}

}  // namespace casl2wb::standard
