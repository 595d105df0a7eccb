// The instruction-set table: codes, forms, lengths and the rows of each
// mnemonic, and the order in which a pass offers the word at PR.
#include "comet2/instruction_set.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace casl2wb {
namespace {

struct Row {
  std::u32string_view mnemonic;
  int main;          // the code of the address or single form
  int registerForm;  // the code of the r1,r2 form, or -1
  int length;        // of the main form
  Syntax syntax;
};

const std::vector<Row> rows = {
    {U"LD", 0x10, 0x14, 2, Syntax::RegisterMemory},
    {U"ST", 0x11, -1, 2, Syntax::StoreShift},
    {U"LAD", 0x12, -1, 2, Syntax::StoreShift},
    {U"ADDA", 0x20, 0x24, 2, Syntax::RegisterMemory},
    {U"SUBA", 0x21, 0x25, 2, Syntax::RegisterMemory},
    {U"ADDL", 0x22, 0x26, 2, Syntax::RegisterMemory},
    {U"SUBL", 0x23, 0x27, 2, Syntax::RegisterMemory},
    {U"AND", 0x30, 0x34, 2, Syntax::RegisterMemory},
    {U"OR", 0x31, 0x35, 2, Syntax::RegisterMemory},
    {U"XOR", 0x32, 0x36, 2, Syntax::RegisterMemory},
    {U"CPA", 0x40, 0x44, 2, Syntax::RegisterMemory},
    {U"CPL", 0x41, 0x45, 2, Syntax::RegisterMemory},
    {U"SLA", 0x50, -1, 2, Syntax::StoreShift},
    {U"SRA", 0x51, -1, 2, Syntax::StoreShift},
    {U"SLL", 0x52, -1, 2, Syntax::StoreShift},
    {U"SRL", 0x53, -1, 2, Syntax::StoreShift},
    {U"JMI", 0x61, -1, 2, Syntax::Branch},
    {U"JNZ", 0x62, -1, 2, Syntax::Branch},
    {U"JZE", 0x63, -1, 2, Syntax::Branch},
    {U"JUMP", 0x64, -1, 2, Syntax::Branch},
    {U"JPL", 0x65, -1, 2, Syntax::Branch},
    {U"JOV", 0x66, -1, 2, Syntax::Branch},
    {U"PUSH", 0x70, -1, 2, Syntax::Branch},
    {U"POP", 0x71, -1, 1, Syntax::Pop},
    {U"CALL", 0x80, -1, 2, Syntax::Branch},
    {U"RET", 0x81, -1, 1, Syntax::NoOperand},
    {U"SVC", 0xF0, -1, 2, Syntax::Branch},
    {U"NOP", 0x00, -1, 1, Syntax::NoOperand},
    {U"IN", 0x90, -1, 3, Syntax::InOut},
    {U"OUT", 0x91, -1, 3, Syntax::InOut},
    {U"DMP", 0x93, -1, 1, Syntax::NoOperand},
    {U"MDMP", 0x94, -1, 2, Syntax::NoOperand},
    {U"RPUSH", 0x95, -1, 15, Syntax::NoOperand},
    {U"RPOP", 0x96, -1, 8, Syntax::NoOperand},
};

TEST(InstructionSet, EveryMnemonicHasItsCodesLengthsAndSyntax) {
  for (const Row& row : rows) {
    const std::string name(row.mnemonic.begin(), row.mnemonic.end());
    SCOPED_TRACE(name);
    const InstructionForms forms = instructionForms(row.mnemonic);
    ASSERT_NE(forms.main, nullptr);
    EXPECT_EQ(forms.main->mnemonic, name);
    EXPECT_EQ(forms.main->code, row.main);
    EXPECT_EQ(forms.main->length, row.length);
    EXPECT_EQ(forms.main->syntax, row.syntax);
    EXPECT_EQ(instructionWithCode(row.main), forms.main);
    if (row.registerForm < 0) {
      EXPECT_EQ(forms.registerForm, nullptr);
    } else {
      ASSERT_NE(forms.registerForm, nullptr);
      EXPECT_EQ(forms.registerForm->code, row.registerForm);
      EXPECT_EQ(forms.registerForm->length, 1);
      EXPECT_EQ(forms.registerForm->form, OperandForm::RegisterRegister);
      EXPECT_EQ(forms.registerForm->syntax, row.syntax);
      EXPECT_EQ(instructionWithCode(row.registerForm), forms.registerForm);
    }
  }
  // One row per code, and the table has no others.
  std::set<int> codes;
  for (const Instruction& instruction : instructionSet) codes.insert(instruction.code);
  EXPECT_EQ(codes.size(), instructionSet.size());
  EXPECT_EQ(instructionSet.size(), 44u);
}

TEST(InstructionSet, MnemonicsAreExactAndUpperCase) {
  for (std::u32string_view text : {U"ld", U"Nop", U"out", U"end", U"START", U"DC", U"LD "}) {
    const InstructionForms forms = instructionForms(text);
    EXPECT_EQ(forms.main, nullptr);
    EXPECT_EQ(forms.registerForm, nullptr);
  }
}

TEST(InstructionSet, CodesWithoutARowGiveNone) {
  for (int code : {0x01, 0x13, 0x60, 0x92, 0xFF, -1, 256}) {
    EXPECT_EQ(instructionWithCode(code), nullptr) << code;
  }
}

TEST(InstructionSet, OnlyMdmpIsNeverCarriedOutAndItComesLast) {
  for (const Instruction& instruction : instructionSet) {
    EXPECT_EQ(instruction.isCarriedOut(), instruction.mnemonic != "MDMP") << instruction.mnemonic;
  }
  EXPECT_EQ(instructionSet.back().mnemonic, "MDMP");
}

TEST(InstructionSet, LoadComesBeforeStoreAndJumpsBeforeNop) {
  // A pass offers the word at PR to the rows in this order: a LD that an ST
  // follows runs in the same pass, a NOP after a JUMP in the next.
  auto indexOf = [](int code) {
    for (std::size_t i = 0; i < instructionSet.size(); ++i) {
      if (instructionSet[i].code == code) return static_cast<int>(i);
    }
    return -1;
  };
  EXPECT_LT(indexOf(0x10), indexOf(0x11));
  EXPECT_LT(indexOf(0x64), indexOf(0x00));
}

TEST(InstructionSet, EffectiveAddressUseOfEachForm) {
  // LAD, the shifts, PUSH and SVC do not access memory at eff; every other
  // form with an address does; the rest have no eff.
  const std::set<int> shown = {0x12, 0x50, 0x51, 0x52, 0x53, 0x70, 0xF0};
  for (const Instruction& instruction : instructionSet) {
    SCOPED_TRACE(instruction.code);
    const bool hasAddress = instruction.form == OperandForm::RegisterAddress ||
                            instruction.form == OperandForm::Address;
    const EffectiveAddressUse expected = !hasAddress ? EffectiveAddressUse::None
                                         : shown.count(instruction.code) != 0
                                             ? EffectiveAddressUse::Shown
                                             : EffectiveAddressUse::Checked;
    EXPECT_EQ(instruction.effectiveAddress, expected);
  }
}

}  // namespace
}  // namespace casl2wb
