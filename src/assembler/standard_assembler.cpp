#include "assembler/standard_assembler.h"

#include <optional>

#include "assembler/standard_line.h"
#include "base/cp932.h"
#include "comet2/instruction_set.h"

namespace casl2wb::standard {

namespace {

using Words = std::vector<std::uint16_t>;

// The calls of the system that IN and OUT expand into.
constexpr std::uint16_t inputCall = 1;
constexpr std::uint16_t outputCall = 2;

// An address operand as far as the first pass knows it: a value, a label
// that the second pass looks up, or a literal of the unit's pool.
struct AddressOperand {
  enum class Kind { Value, Label, Literal };
  Kind kind = Kind::Value;
  std::uint16_t value = 0;  // Value; Literal: the literal's place in the pool
  Text label;
  int column = 1;
};

// A word of a statement that the second pass fills in.
struct Patch {
  std::size_t index = 0;
  AddressOperand operand;
};

struct Statement {
  SourcePlace place;
  std::size_t unit = 0;
  std::size_t listed = 0;  // its line in Program::lines
  std::int64_t address = 0;
  Words words;
  std::vector<Patch> patches;
};

struct Literal {
  Text key;
  Words words;
  SourcePlace place;
  std::int64_t address = 0;
};

struct UnitDraft {
  Unit unit;
  Field entryLabel;
  SourcePlace startPlace;
  std::vector<Literal> literals;
};

std::string utf8(TextView text) { return toUtf8(text); }

std::optional<int> registerNumber(TextView text) {
  if (text.size() == 3 && text[0] == U'G' && text[1] == U'R' && text[2] >= U'0' &&
      text[2] <= U'7') {
    return static_cast<int>(text[2] - U'0');
  }
  return std::nullopt;
}

// A decimal constant of up to 18 digits, "-" before them allowed.
std::optional<std::int64_t> decimalValue(TextView text) {
  const bool negative = !text.empty() && text[0] == U'-';
  const TextView digits = negative ? text.substr(1) : text;
  if (digits.empty() || digits.size() > 18) return std::nullopt;
  std::int64_t value = 0;
  for (char32_t c : digits) {
    if (c < U'0' || c > U'9') return std::nullopt;
    value = value * 10 + static_cast<std::int64_t>(c - U'0');
  }
  return negative ? -value : value;
}

// "#" and hex digits: four as the language writes them, or fewer as common
// assemblers also take them.
std::optional<std::uint16_t> hexValue(TextView text) {
  if (text.size() < 2 || text.size() > 5 || text[0] != U'#') return std::nullopt;
  std::uint16_t value = 0;
  for (char32_t c : text.substr(1)) {
    int digit = -1;
    if (c >= U'0' && c <= U'9') digit = static_cast<int>(c - U'0');
    if (c >= U'A' && c <= U'F') digit = static_cast<int>(c - U'A') + 10;
    if (digit < 0) return std::nullopt;
    value = static_cast<std::uint16_t>(value * 16 + digit);
  }
  return value;
}

// An address constant: decimal from -32768 to 65535, or hex.
std::optional<std::uint16_t> numberValue(TextView text) {
  if (!text.empty() && text[0] == U'#') return hexValue(text);
  const auto value = decimalValue(text);
  if (!value || *value < -32768 || *value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
}

// A constant of DC: a decimal constant of any size keeps its lower 16 bits
// (70000 is 1170, -32769 is 7FFF); hex constants as for addresses.
std::optional<std::uint16_t> constantValue(TextView text) {
  if (!text.empty() && text[0] == U'#') return hexValue(text);
  const auto value = decimalValue(text);
  if (!value) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
}

// A character constant: the characters between the quotes, "''" standing
// for one quote, a word for each byte of their codes (a double-byte
// character takes two). None for an empty or badly quoted one.
std::optional<Words> stringWords(TextView text, Cp932Encoder& encoder) {
  if (text.size() < 3 || text.front() != U'\'' || text.back() != U'\'') return std::nullopt;
  Words words;
  const TextView inner = text.substr(1, text.size() - 2);
  for (std::size_t k = 0; k < inner.size(); ++k) {
    if (inner[k] == U'\'') {
      if (k + 1 >= inner.size() || inner[k + 1] != U'\'') return std::nullopt;
      ++k;
    }
    appendCharacterWords(words, encoder.code(inner[k]));
  }
  return words;
}

class StandardAssembler {
 public:
  explicit StandardAssembler(Program& program) : p_(program) {}

  void firstPass();
  void secondPass();

 private:
  void error(SourcePlace place, int column, Message message,
             std::vector<std::string> arguments = {}) {
    p_.diagnostics.push_back({place, column, message, std::move(arguments)});
  }
  UnitDraft* unit() { return open_ ? &units_.back() : nullptr; }

  void readLine(SourcePlace place, const CutLine& cut);
  void startUnit(SourcePlace place, const CutLine& cut);
  void endUnit(SourcePlace place, const Text& endLabel = {});
  // The words of a statement other than START and END; false after an error.
  bool statementWords(SourcePlace place, const CutLine& cut, Statement& statement);
  bool instructionWords(SourcePlace place, const CutLine& cut, const InstructionForms& forms,
                        Statement& statement);
  bool macroWords(SourcePlace place, const CutLine& cut, Statement& statement);
  bool constantWords(SourcePlace place, const CutLine& cut, Statement& statement);
  std::optional<AddressOperand> addressOperand(SourcePlace place, const Field& field);
  std::optional<int> registerOperand(SourcePlace place, const Field& field, bool index);
  std::optional<std::uint16_t> resolve(const Statement& statement, const AddressOperand& operand);

  Program& p_;
  Cp932Encoder encoder_;
  std::vector<UnitDraft> units_;
  std::vector<Statement> statements_;
  bool open_ = false;  // between a START and its END
  std::int64_t location_ = 0;
};

void StandardAssembler::firstPass() {
  for (std::size_t f = 0; f < p_.files.size(); ++f) {
    const std::vector<Text>& lines = p_.files[f].lines;
    for (std::size_t n = 0; n < lines.size(); ++n) {
      readLine({static_cast<int>(f), static_cast<int>(n) + 1}, cutLine(lines[n]));
    }
    if (open_) {
      // A unit ends in the file that starts it.
      error({static_cast<int>(f), static_cast<int>(lines.size())}, 1, Message::StdNoEnd);
      endUnit({static_cast<int>(f), static_cast<int>(lines.size())});
    }
  }
  if (units_.empty() && p_.diagnostics.empty()) error({0, 0}, 1, Message::StdNoProgram);
}

void StandardAssembler::readLine(SourcePlace place, const CutLine& cut) {
  ListedLine listed{
      place, cut.label.text, cut.operation.text, cut.operandField.text, cut.comment, std::nullopt,
      0};
  p_.lines.push_back(listed);
  if (!cut.isStatement()) return;
  if (cut.operation.text.empty()) {
    error(place, cut.label.column, Message::StdNoOperation);
    return;
  }
  if (cut.unclosedQuote > 0) {
    error(place, cut.unclosedQuote, Message::StdQuoteUnclosed);
    return;
  }
  const Text& operation = cut.operation.text;
  if (operation == U"START") {
    startUnit(place, cut);
    return;
  }
  if (!open_) {
    error(place, cut.operation.column, Message::StdStatementOutsideUnit);
    return;
  }
  if (operation == U"END") {
    // A label of END is taken, as common assemblers take it: it stands for
    // the address after the unit's literals.
    if (!cut.label.text.empty() && !isLabel(cut.label.text)) {
      error(place, cut.label.column, Message::StdLabelBad, {utf8(cut.label.text)});
    }
    if (!cut.operands.empty())
      error(place, cut.operandField.column, Message::StdOperandCount, {"END"});
    endUnit(place, isLabel(cut.label.text) ? cut.label.text : Text());
    return;
  }
  if (!cut.label.text.empty()) {
    if (!isLabel(cut.label.text)) {
      error(place, cut.label.column, Message::StdLabelBad, {utf8(cut.label.text)});
    } else if (!unit()
                    ->unit.labels.emplace(cut.label.text, static_cast<std::uint16_t>(location_))
                    .second) {
      error(place, cut.label.column, Message::StdLabelTwice, {utf8(cut.label.text)});
    }
  }
  Statement statement;
  statement.place = place;
  statement.unit = units_.size() - 1;
  statement.listed = p_.lines.size() - 1;
  statement.address = location_;
  if (!statementWords(place, cut, statement)) return;
  ListedLine& line = p_.lines.back();
  line.address = static_cast<std::uint16_t>(location_);
  line.wordCount = static_cast<int>(statement.words.size());
  location_ += static_cast<std::int64_t>(statement.words.size());
  statements_.push_back(std::move(statement));
}

void StandardAssembler::startUnit(SourcePlace place, const CutLine& cut) {
  if (open_) {
    error(place, cut.operation.column, Message::StdStartBeforeEnd);
    endUnit(place);
  }
  UnitDraft draft;
  draft.startPlace = place;
  draft.unit.name = cut.label.text;
  draft.unit.start = static_cast<std::uint16_t>(location_);
  if (cut.label.text.empty()) {
    error(place, cut.operation.column, Message::StdStartWithoutLabel);
  } else if (!isLabel(cut.label.text)) {
    error(place, cut.label.column, Message::StdLabelBad, {utf8(cut.label.text)});
  } else {
    for (const UnitDraft& other : units_) {
      if (other.unit.name == cut.label.text) {
        error(place, cut.label.column, Message::StdLabelTwice, {utf8(cut.label.text)});
      }
    }
  }
  if (cut.operands.size() > 1) {
    error(place, cut.operandField.column, Message::StdOperandCount, {"START"});
  } else if (cut.operands.size() == 1) {
    draft.entryLabel = cut.operands[0];
    if (!isLabel(draft.entryLabel.text)) {
      error(place, draft.entryLabel.column, Message::StdLabelBad, {utf8(draft.entryLabel.text)});
      draft.entryLabel = {};
    }
  }
  p_.lines.back().address = static_cast<std::uint16_t>(location_);
  units_.push_back(std::move(draft));
  open_ = true;
}

void StandardAssembler::endUnit(SourcePlace place, const Text& endLabel) {
  UnitDraft& draft = units_.back();
  // The literals of the unit follow its last statement.
  for (Literal& literal : draft.literals) {
    literal.address = location_;
    location_ += static_cast<std::int64_t>(literal.words.size());
    p_.literals.push_back({literal.key, static_cast<std::uint16_t>(literal.address),
                           static_cast<int>(literal.words.size()), place});
  }
  draft.unit.end = location_;
  if (!endLabel.empty() &&
      !draft.unit.labels.emplace(endLabel, static_cast<std::uint16_t>(location_)).second) {
    error(place, 1, Message::StdLabelTwice, {utf8(endLabel)});
  }
  draft.unit.entry = draft.unit.start;
  if (!draft.entryLabel.text.empty()) {
    const auto found = draft.unit.labels.find(draft.entryLabel.text);
    if (found == draft.unit.labels.end()) {
      error(draft.startPlace, draft.entryLabel.column, Message::StdEntryNotInUnit,
            {utf8(draft.entryLabel.text)});
    } else {
      draft.unit.entry = found->second;
    }
  }
  if (place.line > 0 && p_.lines.back().place == place) {
    p_.lines.back().address = static_cast<std::uint16_t>(location_);
  }
  open_ = false;
}

bool StandardAssembler::statementWords(SourcePlace place, const CutLine& cut,
                                       Statement& statement) {
  const Text& operation = cut.operation.text;
  for (const Field& operand : cut.operands) {
    if (operand.text.empty()) {
      error(place, operand.column, Message::StdOperandCount, {utf8(operation)});
      return false;
    }
  }
  if (operation == U"DC") return constantWords(place, cut, statement);
  if (operation == U"DS") {
    const std::optional<std::uint16_t> count = cut.operands.size() == 1 &&
                                                       !cut.operands[0].text.starts_with(U"-") &&
                                                       !cut.operands[0].text.starts_with(U"#")
                                                   ? numberValue(cut.operands[0].text)
                                                   : std::nullopt;
    if (!count) {
      const Field& field = cut.operands.empty() ? cut.operation : cut.operands[0];
      error(place, field.column, Message::StdCountBad, {utf8(field.text)});
      return false;
    }
    statement.words.assign(*count, 0);
    return true;
  }
  if (isOneOf(operation, {U"IN", U"OUT", U"RPUSH", U"RPOP"}))
    return macroWords(place, cut, statement);
  const InstructionForms forms = instructionForms(operation);
  if (forms.main == nullptr || forms.main->form == OperandForm::Macro ||
      forms.main->action == Action::Dump) {
    error(place, cut.operation.column, Message::StdUnknownOperation, {utf8(operation)});
    return false;
  }
  return instructionWords(place, cut, forms, statement);
}

std::optional<int> StandardAssembler::registerOperand(SourcePlace place, const Field& field,
                                                      bool index) {
  const std::optional<int> number = registerNumber(field.text);
  if (!number || (index && *number == 0)) {
    error(place, field.column, index ? Message::StdIndexBad : Message::StdRegisterBad,
          {utf8(field.text)});
    return std::nullopt;
  }
  return number;
}

std::optional<AddressOperand> StandardAssembler::addressOperand(SourcePlace place,
                                                                const Field& field) {
  const Text& text = field.text;
  if (const auto value = numberValue(text)) {
    return AddressOperand{AddressOperand::Kind::Value, *value, {}, field.column};
  }
  if (isLabel(text)) return AddressOperand{AddressOperand::Kind::Label, 0, text, field.column};
  if (text.size() > 1 && text[0] == U'=') {
    const TextView constant = TextView(text).substr(1);
    std::optional<Words> words;
    if (const auto value = numberValue(constant)) {
      words = Words{*value};
    } else {
      words = stringWords(constant, encoder_);
    }
    if (words) {
      // Every literal has words of its own: a store into one changes no other.
      std::vector<Literal>& pool = unit()->literals;
      pool.push_back({text, *words, place, 0});
      return AddressOperand{AddressOperand::Kind::Literal,
                            static_cast<std::uint16_t>(pool.size() - 1),
                            {},
                            field.column};
    }
  }
  error(place, field.column, Message::StdAddressBad, {utf8(text)});
  return std::nullopt;
}

bool StandardAssembler::instructionWords(SourcePlace place, const CutLine& cut,
                                         const InstructionForms& forms, Statement& statement) {
  const std::vector<Field>& operands = cut.operands;
  const std::string name = utf8(cut.operation.text);
  const auto wrongCount = [&] {
    error(place, operands.empty() ? cut.operation.column : cut.operandField.column,
          Message::StdOperandCount, {name});
    return false;
  };
  const Instruction* instruction = forms.main;
  if (forms.registerForm != nullptr && operands.size() == 2 && registerNumber(operands[1].text)) {
    instruction = forms.registerForm;
  }
  const auto code = static_cast<std::uint16_t>(instruction->code << 8);
  switch (instruction->form) {
    case OperandForm::None:
      if (!operands.empty()) return wrongCount();
      statement.words = {code};
      return true;
    case OperandForm::Register: {
      if (operands.size() != 1) return wrongCount();
      const auto r = registerOperand(place, operands[0], false);
      if (!r) return false;
      statement.words = {static_cast<std::uint16_t>(code | *r << 4)};
      return true;
    }
    case OperandForm::RegisterRegister: {
      const auto r1 = registerOperand(place, operands[0], false);
      const auto r2 = registerOperand(place, operands[1], false);
      if (!r1 || !r2) return false;
      statement.words = {static_cast<std::uint16_t>(code | *r1 << 4 | *r2)};
      return true;
    }
    case OperandForm::RegisterAddress:
    case OperandForm::Address: {
      const bool withRegister = instruction->form == OperandForm::RegisterAddress;
      const std::size_t first = withRegister ? 1 : 0;
      if (operands.size() < first + 1 || operands.size() > first + 2) return wrongCount();
      std::optional<int> r = 0;
      if (withRegister) r = registerOperand(place, operands[0], false);
      std::optional<int> x = 0;
      if (operands.size() == first + 2) x = registerOperand(place, operands[first + 1], true);
      const auto adr = addressOperand(place, operands[first]);
      if (!r || !x || !adr) return false;
      statement.words = {static_cast<std::uint16_t>(code | *r << 4 | *x), 0};
      statement.patches.push_back({1, *adr});
      return true;
    }
    case OperandForm::Macro:
      break;
  }
  return false;
}

bool StandardAssembler::macroWords(SourcePlace place, const CutLine& cut, Statement& statement) {
  const Text& operation = cut.operation.text;
  const std::vector<Field>& operands = cut.operands;
  const auto push = [](int r) {
    return Words{static_cast<std::uint16_t>(codeOf(Action::Push) << 8 | r), 0};
  };
  const auto pop = [](int r) {
    return static_cast<std::uint16_t>(codeOf(Action::Pop) << 8 | r << 4);
  };
  const auto append = [&](const Words& words) {
    statement.words.insert(statement.words.end(), words.begin(), words.end());
  };
  if (operation == U"RPUSH" || operation == U"RPOP") {
    if (!operands.empty()) {
      error(place, cut.operandField.column, Message::StdOperandCount, {utf8(operation)});
      return false;
    }
    for (int r = 1; r <= 7; ++r) {
      if (operation == U"RPUSH") {
        append(push(r));
      } else {
        statement.words.push_back(pop(8 - r));
      }
    }
    return true;
  }
  // IN and OUT: GR1 and GR2 are kept on the stack while they carry the
  // addresses of the buffer and of the length to the system's call.
  if (operands.size() != 2) {
    error(place, operands.empty() ? cut.operation.column : cut.operandField.column,
          Message::StdOperandCount, {utf8(operation)});
    return false;
  }
  const auto buffer = addressOperand(place, operands[0]);
  const auto length = addressOperand(place, operands[1]);
  if (!buffer || !length) return false;
  const auto lad = [](int r) {
    return Words{static_cast<std::uint16_t>(codeOf(Action::LoadAddress) << 8 | r << 4), 0};
  };
  append(push(1));
  append(push(2));
  append(lad(1));
  statement.patches.push_back({statement.words.size() - 1, *buffer});
  append(lad(2));
  statement.patches.push_back({statement.words.size() - 1, *length});
  append({static_cast<std::uint16_t>(codeOf(Action::SupervisorCall) << 8),
          operation == U"IN" ? inputCall : outputCall});
  statement.words.push_back(pop(2));
  statement.words.push_back(pop(1));
  return true;
}

bool StandardAssembler::constantWords(SourcePlace place, const CutLine& cut, Statement& statement) {
  if (cut.operands.empty()) {
    error(place, cut.operation.column, Message::StdOperandCount, {"DC"});
    return false;
  }
  bool ok = true;
  for (const Field& field : cut.operands) {
    if (const auto value = constantValue(field.text)) {
      statement.words.push_back(*value);
    } else if (const auto words = stringWords(field.text, encoder_)) {
      statement.words.insert(statement.words.end(), words->begin(), words->end());
    } else if (isLabel(field.text)) {
      statement.patches.push_back(
          {statement.words.size(), {AddressOperand::Kind::Label, 0, field.text, field.column}});
      statement.words.push_back(0);
    } else {
      error(place, field.column, Message::StdConstantBad, {utf8(field.text)});
      ok = false;
    }
  }
  return ok;
}

std::optional<std::uint16_t> StandardAssembler::resolve(const Statement& statement,
                                                        const AddressOperand& operand) {
  switch (operand.kind) {
    case AddressOperand::Kind::Value:
      return operand.value;
    case AddressOperand::Kind::Literal:
      return static_cast<std::uint16_t>(units_[statement.unit].literals[operand.value].address);
    case AddressOperand::Kind::Label:
      break;
  }
  const auto& labels = units_[statement.unit].unit.labels;
  if (const auto found = labels.find(operand.label); found != labels.end()) return found->second;
  for (const UnitDraft& other : units_) {
    if (other.unit.name == operand.label) return other.unit.entry;
  }
  error(statement.place, operand.column, Message::StdLabelUndefined, {utf8(operand.label)});
  return std::nullopt;
}

void StandardAssembler::secondPass() {
  for (Statement& statement : statements_) {
    for (const Patch& patch : statement.patches) {
      if (const auto value = resolve(statement, patch.operand))
        statement.words[patch.index] = *value;
    }
  }
  if (location_ > memoryWords) {
    error(statements_.empty() ? SourcePlace{0, 0} : statements_.back().place, 1,
          Message::StdProgramTooLarge);
  }
  for (UnitDraft& draft : units_) p_.units.push_back(std::move(draft.unit));
  if (!p_.diagnostics.empty()) return;

  p_.words.assign(static_cast<std::size_t>(location_), 0);
  p_.origins.assign(static_cast<std::size_t>(location_), {});
  for (const Statement& statement : statements_) {
    for (std::size_t k = 0; k < statement.words.size(); ++k) {
      const auto at = static_cast<std::size_t>(statement.address) + k;
      p_.words[at] = statement.words[k];
      p_.origins[at] = statement.place;
    }
  }
  for (const UnitDraft& draft : units_) {
    for (const Literal& literal : draft.literals) {
      for (std::size_t k = 0; k < literal.words.size(); ++k) {
        const auto at = static_cast<std::size_t>(literal.address) + k;
        p_.words[at] = literal.words[k];
        p_.origins[at] = literal.place;
      }
    }
  }
  p_.entry = p_.units.front().entry;
}

}  // namespace

bool isLabel(TextView text) {
  if (text.empty() || text.size() > 8 || text[0] < U'A' || text[0] > U'Z') return false;
  for (char32_t c : text) {
    if (!((c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9'))) return false;
  }
  return !registerNumber(text);
}

Program assemble(std::vector<SourceFile> files) {
  Program program;
  program.files = std::move(files);
  StandardAssembler assembler(program);
  assembler.firstPass();
  assembler.secondPass();
  return program;
}

}  // namespace casl2wb::standard
