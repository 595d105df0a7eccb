#include "assembler/translator.h"

#include <algorithm>
#include <initializer_list>

#include "assembler/address_assignment.h"
#include "assembler/constant_word.h"
#include "assembler/label_addresses.h"
#include "assembler/registers.h"
#include "base/cp932.h"
#include "comet2/instruction_set.h"

namespace casl2wb {

namespace {

const Text blank = U" ";
constexpr auto afterTranslation = Diagnostic::Place::AfterTranslation;

// The register number of "GR0".."GR7"; 0 for anything else.
int registerField(const Text& part) { return isRegisterName(part) ? registerNumber(part) : 0; }

Word instructionWord(int code, int r, int x) {
  return Word(static_cast<std::uint16_t>(code << 8 | r << 4 | x));
}

class Translator {
 public:
  Translator(SourceTable& table, MemoryImage& image, DiagnosticLog& log)
      : table_(table), image_(image), log_(log), labels_(table) {
    origins_.reserve(static_cast<std::size_t>(
        std::clamp<std::int64_t>(table.programEnd, 0, MemoryImage::cellCount)));
  }

  Translation run() {
    for (n_ = 1; n_ <= table_.lineCount; ++n_) {
      const SourceLine& line = table_.line(n_);
      const LineOperation& operation = line.operation;
      if (!operation.is(OperationKind::Start) && !operation.is(OperationKind::End) &&
          !line.address.isNone()) {
        q_ = line.location;
      }
      translateLine(table_.line(n_));
      recordStatementStart(line);
    }
    return finish();
  }

 private:
  void error(LineField field, Message message,
             std::initializer_list<std::string_view> arguments = {}) {
    log_.add(n_, table_.line(n_), field, afterTranslation, message, arguments);
  }

  void translateLine(SourceLine& line) {
    switch (line.operation.kind) {
      case OperationKind::Instruction:
        translateInstruction(line, line.operation.forms);
        break;
      case OperationKind::Start:
        checkEntryLabel(line);
        break;
      case OperationKind::DefineStorage:
        writeDs(line);
        break;
      case OperationKind::DefineConstant:
        writeDataConstants(line);
        break;
      case OperationKind::End:
      case OperationKind::LowerCaseOut:
      case OperationKind::LowerCaseEnd:
      case OperationKind::Blank:
      case OperationKind::Unknown:
        break;  // nothing to write
    }
  }

  // START writes no word: its operand is looked up only to report it when
  // no line has that label.
  void checkEntryLabel(const SourceLine& line) {
    const Text& entry = line.operand(firstOperand);
    if (line.firstOperandIsLabel && labels_.lineOf(entry) == -1) {
      error(LineField::operand(firstOperand), Message::LabelUndefined,
            {std::to_string(n_), "1", toUtf8(entry)});
    }
  }

  void translateInstruction(SourceLine& line, const InstructionForms& forms) {
    const Instruction& main = *forms.main;
    const int r = registerField(line.operand(firstOperand));
    const Text& second = line.operand(secondOperand);
    const Text& third = line.operand(thirdOperand);
    if (forms.registerForm != nullptr && (third.empty() || third == blank) &&
        isRegisterName(second)) {
      writeAt(q_, instructionWord(forms.registerForm->code, r, registerNumber(second)));
      return;
    }
    switch (main.form) {
      case OperandForm::RegisterAddress:
        writeTwoWords(line, main.code, r);
        break;
      case OperandForm::Address:
        writeTwoWords(line, main.code, 0);
        break;
      case OperandForm::Register:
        writeAt(q_, instructionWord(main.code, r, 0));
        break;
      case OperandForm::None:
        writeAt(q_, instructionWord(main.code, 0, 0));
        break;
      case OperandForm::Macro:
      case OperandForm::RegisterRegister:
        writeMacro(line, main);
        break;
    }
  }

  // The system's own expansions: IN and OUT with their buffer and length
  // addresses, RPUSH as seven PUSH 0,GRn (GR1 first), RPOP as seven POP
  // GRn (GR7 first), MDMP with an address word of 0.
  void writeMacro(SourceLine& line, const Instruction& instruction) {
    std::int64_t address = q_;
    writeAt(address++, instructionWord(instruction.code, 0, 0));
    switch (instruction.action) {
      case Action::Input:
      case Action::Output: {
        const Word buffer = addressWord(line, firstOperand);
        writeAt(q_ + 1, buffer);
        const Word length = addressWord(line, secondOperand);
        writeAt(q_ + 2, length);
        break;
      }
      case Action::PushRegisters: {
        constexpr int push = codeOf(Action::Push);
        for (int n = 1; n <= 7; ++n) {
          writeAt(address++, instructionWord(push, 0, n));
          writeAt(address++, Word(0));
        }
        break;
      }
      case Action::PopRegisters: {
        constexpr int pop = codeOf(Action::Pop);
        for (int n = 7; n >= 1; --n) writeAt(address++, instructionWord(pop, n, 0));
        break;
      }
      default:  // MDMP
        writeAt(address, Word(0));
        break;
    }
  }

  void writeAt(std::int64_t address, Word word) {
    if (MemoryImage::contains(address)) {
      image_[address] = word;
      originAt(address) = {n_, false};
    } else {
      reportOutsideMemory();
    }
  }

  WordOrigin& originAt(std::int64_t address) {
    const auto at = static_cast<std::size_t>(address);
    if (at >= origins_.size()) origins_.resize(at + 1);
    return origins_[at];
  }

  // Marked after the line's words, so that the last of lines that share an
  // address keeps it; a line of no length at the program's end starts
  // nothing (the literal pool may begin there).
  void recordStatementStart(const SourceLine& line) {
    if (!line.address.hasValue() || line.location >= table_.programEnd) return;
    if (MemoryImage::contains(line.location)) originAt(line.location) = {n_, true};
  }

  void reportOutsideMemory() {
    if (outsideMemoryReported_) return;
    error(LineField(), Message::ProgramTooLarge);
    outsideMemoryReported_ = true;
  }

  void writeTwoWords(SourceLine& line, int code, int r) {
    writeAt(q_, instructionWord(code, r, indexField(line)));
    // A literal's pool words are placed before the address word is written.
    const Word address = addressWord(line, secondOperand);
    writeAt(q_ + 1, address);
  }

  int indexField(const SourceLine& line) {
    const Text& index = line.operand(thirdOperand);
    if (index == U"GR0") {
      error(LineField::operand(thirdOperand), Message::IndexGr0, {std::to_string(n_)});
    }
    return isIndexRegisterName(index) ? registerNumber(index) : 0;
  }

  void writeDs(const SourceLine& line) {
    const std::int64_t count = dsWordCount(line.operand(firstOperand)).value;
    if (count <= 0) return;
    const std::int64_t last = q_ + count - 1;
    for (std::int64_t a = std::max<std::int64_t>(q_, 0);
         a <= std::min<std::int64_t>(last, MemoryImage::lastAddress); ++a) {
      writeAt(a, Word(0));
    }
    if (last > MemoryImage::lastAddress) reportOutsideMemory();
  }

  void writeDataConstants(SourceLine& line) {
    const Text& field = line.field(Column::OperandField);
    const Text& first = line.operand(firstOperand);
    if (contains(field, U",") && !contains(field, U"'")) {
      const auto count = std::count(field.begin(), field.end(), U',') + 1;
      for (int k = 0; k < count; ++k) {
        const Word word = k == 0 && line.firstOperandIsLabel ? labelAddressWord(line, firstOperand)
                                                             : constantWord(line.operand(k));
        writeAt(q_ + k, word);
      }
    } else if (contains(first, U"'") && !contains(first, U"#")) {
      // Every character between the first and the last (the quotes).
      for (std::size_t i = 1; i + 1 < first.size(); ++i) {
        writeAt(q_ + static_cast<std::int64_t>(i) - 1, Word(encoder_.code(first[i])));
      }
    } else if (line.firstOperandIsLabel) {
      writeAt(q_, labelAddressWord(line, firstOperand));
    } else {
      writeAt(q_, constantWord(first));
    }
  }

  // The address word of an operand: a literal (its first pool word), "#"
  // with hex digits, a label, or a decimal number.
  Word addressWord(SourceLine& line, int operand) {
    const Text& text = line.operand(operand);
    if (startsWith(text, U"=")) return literalWord(line, operand);
    if (startsWith(text, U"#")) return constantWord(text);
    if (hasCapitalLetter(text)) return labelAddressWord(line, operand);
    return Word(decimalWordBits(text));
  }

  Word literalWord(SourceLine& line, int operand) {
    Text& text = line.operand(operand);
    const std::int64_t first = table_.programEnd + literalCount_;
    if (text == U"=' '") {
      placeInPool(Word(0x0020));
      text = U"=#0020";
    } else if (startsWith(text, U"='")) {
      Text characters = text.substr(2);
      if (endsWith(characters, U"'")) characters.pop_back();
      for (char32_t c : characters) placeInPool(Word(encoder_.code(c)));
    } else {
      placeInPool(constantWord(TextView(text).substr(1)));
    }
    return Word::of(first);
  }

  void placeInPool(Word word) {
    writeAt(table_.programEnd + literalCount_, word);
    ++literalCount_;
  }

  Word labelAddressWord(const SourceLine& line, int operand) {
    const Text& label = line.operand(operand);
    const int labelled = labels_.lineOf(label);
    if (labelled == -1) {
      error(LineField::operand(operand), Message::LabelUndefined,
            {std::to_string(n_), std::to_string(operand + 1), toUtf8(label)});
      return Word(0);
    }
    return Word::of(labels_.addressOfLine(labelled));
  }

  Translation finish() {
    Translation result;
    result.literalCount = literalCount_;
    result.wordOrigins = std::move(origins_);
    const std::int64_t wordsInUse = table_.programEnd + literalCount_;
    const std::int64_t lastText =
        std::min<std::int64_t>(wordsInUse, MemoryImage::addressTextCount - 1);
    for (std::int64_t a = 1; a <= lastText; ++a) {
      image_.addressTexts[static_cast<std::size_t>(a)] = hexText(static_cast<std::uint16_t>(a));
    }
    // Rows 1 to 31 at most: addresses 0, 32, 64, ... never appear.
    const std::int64_t rows = std::min<std::int64_t>(wordsInUse, 31);
    for (std::int64_t i = 1; i <= rows; ++i) {
      DumpRow row;
      for (int k = 0; k < DumpRow::cellCount; ++k) {
        const std::int64_t a = i + 32 * k;
        row.cells[static_cast<std::size_t>(k)] = {image_.addressTexts[static_cast<std::size_t>(a)],
                                                  image_[a]};
      }
      result.dump.push_back(std::move(row));
    }
    for (int n = 1; n <= table_.lineCount; ++n) {
      const SourceLine& line = table_.line(n);
      appendUtf8(result.traceText, line.address.text());
      for (const Text& field : line.fields) {
        result.traceText += "  ";
        appendUtf8(result.traceText, field);
      }
      result.traceText += "\r\n";
    }
    return result;
  }

  SourceTable& table_;
  MemoryImage& image_;
  DiagnosticLog& log_;
  LabelAddresses labels_;
  Cp932Encoder encoder_;
  std::vector<WordOrigin> origins_;
  int n_ = 0;
  std::int64_t q_ = 0;
  std::int64_t literalCount_ = 0;
  bool outsideMemoryReported_ = false;
};

}  // namespace

Translation translate(SourceTable& table, MemoryImage& image, DiagnosticLog& log) {
  return Translator(table, image, log).run();
}

}  // namespace casl2wb
