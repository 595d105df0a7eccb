// What the operation of a line is: a row of the instruction table (the
// machine instructions and the macros), one of the pseudo-instructions, no
// operation, or a word the check does not know. The line is looked up once
// when it is cut; the check, the address assignment and the translation
// dispatch on the value.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/text.h"
#include "comet2/instruction_set.h"

namespace casl2wb {

enum class OperationKind : std::uint8_t {
  Blank,           // no operation: the line occupies no memory
  Instruction,     // a row of the instruction table
  Start,           // START: the program's name and its entry
  End,             // END
  DefineConstant,  // DC
  DefineStorage,   // DS
  LowerCaseOut,    // "out": checked as OUT is, but translated to nothing
  LowerCaseEnd,    // "end": checked as END is, and still an unknown operation
  Unknown,
};

// The pseudo-instructions, and the lower-case spellings the check knows.
struct PseudoInstruction {
  std::u32string_view mnemonic;
  OperationKind kind;
};
inline constexpr auto pseudoInstructions = std::to_array<PseudoInstruction>({
    {U"START", OperationKind::Start},
    {U"END", OperationKind::End},
    {U"DC", OperationKind::DefineConstant},
    {U"DS", OperationKind::DefineStorage},
    {U"out", OperationKind::LowerCaseOut},
    {U"end", OperationKind::LowerCaseEnd},
});

struct LineOperation {
  OperationKind kind = OperationKind::Blank;
  // The rows of an instruction (both nullptr for any other kind).
  InstructionForms forms;

  bool is(OperationKind k) const { return kind == k; }
  // Whether the operation is the instruction row of `action`.
  bool is(Action action) const { return forms.main != nullptr && forms.main->action == action; }
  // The operand rules of an instruction's rows.
  std::optional<Syntax> syntax() const {
    if (forms.main == nullptr) return std::nullopt;
    return forms.main->syntax;
  }
  // Whether the check knows the operation ("end" it does not).
  bool isRecognised() const {
    return kind != OperationKind::Unknown && kind != OperationKind::LowerCaseEnd;
  }
  // Whether the line occupies memory (START, END and a blank do not).
  bool occupiesMemory() const {
    return kind != OperationKind::Blank && kind != OperationKind::Start &&
           kind != OperationKind::End;
  }
};

// The operation the operation column of a line names (exact: upper case,
// but for the two lower-case spellings; " " for none).
LineOperation lineOperationOf(TextView operation);

}  // namespace casl2wb
