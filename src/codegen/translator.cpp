#include "codegen/translator.h"

#include <algorithm>

#include "codegen/constant_word.h"
#include "codegen/op_tables.h"
#include "source/address_assignment.h"
#include "source/address_text.h"
#include "source/messages.h"
#include "source/registers.h"

namespace casl2wb {

namespace {

const Text blank = U" ";

// The word of an operation code followed by its register digits (all hex).
std::uint16_t parseHex(const std::string& digits) { return addressTextValue(fromUtf8(digits)); }

MemoryWord addressWordOf(std::int64_t address) {
  return MemoryWord::hex(static_cast<std::uint16_t>(address));
}

// The register number digit of "GR0".."GR7", or '0'.
char32_t registerDigit(const Text& part) { return isRegisterName(part) ? part[2] : U'0'; }

}  // namespace

Translator::Translator(SourceTable& table, MemoryImage& memory, MessageList& messages,
                       TraceTextView& traceText)
    : table_(table),
      memory_(memory),
      messages_(messages),
      traceText_(traceText),
      errors_(messages, table.errorCount),
      labels_(table, 0) {}

void Translator::translate() {
  memory_.literalCount = 0;
  labels_ = LabelIndex(table_, table_.lineCount);
  nextAddressedLine_.assign(table_.lineCount + 2, 0);
  for (int n = table_.lineCount; n >= 1; --n) {
    nextAddressedLine_[n] = table_.lineAddress(n) != blank ? n : nextAddressedLine_[n + 1];
  }
  q_ = 0;
  outsideMemoryReported_ = false;
  for (int n = 1; n <= table_.lineCount; ++n) {
    const Text& op = table_.lineFields(n, colOperation);
    if (op != U"START" && op != U"END" && table_.lineAddress(n) != blank) {
      q_ = table_.lineLocation(n);
    }
    translateLine(n);
  }
  finish();
}

void Translator::translateLine(int n) {
  const Text& op = table_.lineFields(n, colOperation);
  const Text& part1 = table_.operandParts(n, 1);
  const Text& part2 = table_.operandParts(n, 2);
  const Text& part3 = table_.operandParts(n, 3);
  if (isRegisterMemoryOperation(op)) {
    if ((part3.empty() || part3 == blank) && isRegisterName(part2)) {
      writeInstruction(*registerFormOpCode(op), registerDigit(part1), part2[2]);
    } else {
      writeTwoWordInstruction(n, *twoWordOpCode(op), registerDigit(part1));
    }
  } else if (op == U"NOP") {
    writeFixedWords({0x0000});
  } else if (op == U"RET") {
    writeFixedWords({0x8100});
  } else if (op == U"RPOP") {
    writeFixedWords({0x9600, 0x7170, 0x7160, 0x7150, 0x7140, 0x7130, 0x7120, 0x7110});
  } else if (op == U"POP") {
    writeInstruction("71", registerDigit(part1), U'0');
  } else if (isStoreShiftOperation(op)) {
    writeTwoWordInstruction(n, *twoWordOpCode(op), registerDigit(part1));
  } else if (isBranchOperation(op)) {
    writeTwoWordInstruction(n, *twoWordOpCode(op), U'0');
  } else if (op == U"START") {
    // No word: the operand is looked up only to report it when it is missing.
    if (table_.op1IsLabel(n) == 1 && labels_.findLabel(part1, 1, table_.lineCount) == -1) {
      errors_.add(msgLabelUndefined(n, 1, part1));
    }
  } else if (op == U"DS") {
    writeDs(n);
  } else if (op == U"DC") {
    writeDataConstants(n);
  } else if (op == U"IN") {
    writeInOut(n, "90");
  } else if (op == U"OUT") {
    writeInOut(n, "91");
  } else if (op == U"RPUSH") {
    writeFixedWords({0x9500, 0x7001, 0x0000, 0x7002, 0x0000, 0x7003, 0x0000, 0x7004, 0x0000, 0x7005,
                     0x0000, 0x7006, 0x0000, 0x7007, 0x0000});
  } else if (op == U"DMP") {
    writeFixedWords({0x9300});
  } else if (op == U"MDMP") {
    writeFixedWords({0x9400, 0x0000});
  }
  // END, the lower-case "out" and lines without an operation write nothing.
}

void Translator::writeAt(std::int64_t address, MemoryWord word) {
  if (!memory_.write(address, word)) reportOutsideMemory();
}

void Translator::reportOutsideMemory() {
  if (outsideMemoryReported_) return;
  errors_.add(msgProgramTooLarge);
  outsideMemoryReported_ = true;
}

void Translator::writeInstruction(const std::string& code, char32_t r, char32_t x) {
  const std::string digits = code + static_cast<char>(r) + static_cast<char>(x);
  writeAt(q_, MemoryWord::hex(parseHex(digits)));
}

void Translator::writeTwoWordInstruction(int n, const std::string& code, char32_t r) {
  writeInstruction(code, r, indexDigit(n));
  // A literal's pool words are placed before the address word is written.
  const MemoryWord address = addressWord(n, 2);
  writeAt(q_ + 1, address);
}

void Translator::writeFixedWords(std::initializer_list<std::uint16_t> words) {
  std::int64_t address = q_;
  for (std::uint16_t word : words) writeAt(address++, MemoryWord::hex(word));
}

void Translator::writeDs(int n) {
  const std::int64_t count = dsWordCount(table_.operandParts(n, 1)).value;
  if (count <= 0) return;
  const std::int64_t last = q_ + count - 1;
  for (std::int64_t a = std::max<std::int64_t>(q_, 0);
       a <= std::min<std::int64_t>(last, MemoryImage::lastAddress); ++a) {
    writeAt(a, MemoryWord::hex(0));
  }
  if (last > MemoryImage::lastAddress) reportOutsideMemory();
}

void Translator::writeDataConstants(int n) {
  const Text& field = table_.lineFields(n, colOperandField);
  const Text& part1 = table_.operandParts(n, 1);
  if (contains(field, U",") && !contains(field, U"'")) {
    const std::int64_t count = std::count(field.begin(), field.end(), U',') + 1;
    for (int j = 1; j <= count; ++j) {
      const MemoryWord word = j == 1 && table_.op1IsLabel(n) == 1
                                  ? labelAddressWord(n, 1)
                                  : constantWord(table_.operandParts(n, j));
      writeAt(q_ + j - 1, word);
    }
  } else if (contains(part1, U"'") && !contains(part1, U"#")) {
    // Every character between the first and the last (the quotes).
    for (std::size_t i = 1; i + 1 < part1.size(); ++i) {
      writeAt(q_ + static_cast<std::int64_t>(i) - 1, MemoryWord::hex(encoder_.code(part1[i])));
    }
  } else if (table_.op1IsLabel(n) == 1) {
    writeAt(q_, labelAddressWord(n, 1));
  } else {
    writeAt(q_, constantWord(part1));
  }
}

void Translator::writeInOut(int n, const char* code) {
  writeAt(q_, MemoryWord::hex(parseHex(std::string(code) + "00")));
  const MemoryWord buffer = addressWord(n, 1);
  writeAt(q_ + 1, buffer);
  const MemoryWord length = addressWord(n, 2);
  writeAt(q_ + 2, length);
}

char32_t Translator::indexDigit(int n) {
  const Text& index = table_.operandParts(n, 3);
  if (index == U"GR0") errors_.add(msgIndexGr0(n));
  return isIndexRegisterName(index) ? index[2] : U'0';
}

MemoryWord Translator::addressWord(int n, int operand) {
  const Text& text = table_.operandParts(n, operand);
  if (startsWith(text, U"=")) return literalWord(n, operand);
  if (startsWith(text, U"#")) return constantWord(text);
  if (hasCapitalLetter(text)) return labelAddressWord(n, operand);
  return MemoryWord::hex(decimalWordBits(text));
}

MemoryWord Translator::literalWord(int n, int operand) {
  Text& text = table_.operandParts(n, operand);
  const std::int64_t first = table_.programEnd + memory_.literalCount;
  if (text == U"=' '") {
    placeInPool(MemoryWord::hex(0x0020));
    text = U"=#0020";
  } else if (startsWith(text, U"='")) {
    Text characters = text.substr(2);
    if (endsWith(characters, U"'")) characters.pop_back();
    for (char32_t c : characters) placeInPool(MemoryWord::hex(encoder_.code(c)));
  } else {
    placeInPool(constantWord(TextView(text).substr(1)));
  }
  return addressWordOf(first);
}

std::int64_t Translator::placeInPool(MemoryWord word) {
  const std::int64_t address = table_.programEnd + memory_.literalCount;
  writeAt(address, word);
  ++memory_.literalCount;
  return address;
}

MemoryWord Translator::labelAddressWord(int n, int operand) {
  const Text& label = table_.operandParts(n, operand);
  const int line = labels_.findLabel(label, 1, table_.lineCount);
  if (line == -1) {
    errors_.add(msgLabelUndefined(n, operand, label));
    return MemoryWord::hex(0);
  }
  return addressWordOf(labelLineAddress(line));
}

// The address a label stands for. A label on a line that occupies no address
// stands for its START operand's line, or else for the first following line
// that occupies one (the end of the program when none does).
std::int64_t Translator::labelLineAddress(int line) {
  const auto addressOrFollowing = [&](int at) -> std::int64_t {
    if (table_.lineAddress(at) != blank) return addressTextValue(table_.lineAddress(at));
    const int next = at + 1 <= table_.lineCount ? nextAddressedLine_[at + 1] : 0;
    return next != 0 ? addressTextValue(table_.lineAddress(next)) : table_.programEnd;
  };
  if (table_.lineAddress(line) == blank && table_.lineFields(line, colOperation) == U"START" &&
      table_.lineFields(line, colOperandField) != U"  ") {
    const int entry = labels_.findLabel(table_.operandParts(line, 1), 1, table_.lineCount);
    if (entry != -1) return addressOrFollowing(entry);
  }
  return addressOrFollowing(line);
}

void Translator::finish() {
  memory_.wordsInUse = table_.programEnd + memory_.literalCount;
  const std::int64_t lastEntry =
      std::min<std::int64_t>(memory_.wordsInUse, MemoryImage::addrTextEntries - 1);
  for (std::int64_t a = 1; a <= lastEntry; ++a) memory_.addrText[a] = toAddressText(a);
  writeDump();
  writeTraceText();
}

void Translator::writeDump() {
  const std::int64_t rows = std::min<std::int64_t>(memory_.wordsInUse, 31);
  for (std::int64_t i = 1; i <= rows; ++i) {
    std::string row;
    for (int k = 0; k < 8; ++k) {
      const std::int64_t a = i + 32 * k;
      if (k > 0) row += "  ";
      row += memory_.addrText[a] + "  " + memory_.memText[a].text();
    }
    messages_.add(row);
  }
}

void Translator::writeTraceText() {
  std::string text;
  for (int n = 1; n <= table_.lineCount; ++n) {
    text += toUtf8(table_.lineAddress(n));
    for (int c = colReserved; c <= colCommentField; ++c) {
      text += "  ";
      text += toUtf8(table_.lineFields(n, c));
    }
    text += "\r\n";
  }
  traceText_.setText(text);
}

}  // namespace casl2wb
