#include "assembler/line_operation.h"

#include <gtest/gtest.h>

#include "assembler/line_splitter.h"

namespace casl2wb {
namespace {

TEST(LineOperation, KindOfEveryOperationSpelling) {
  struct Case {
    TextView operation;
    OperationKind kind;
    bool recognised;
    bool occupiesMemory;
  };
  using K = OperationKind;
  const Case cases[] = {
      {U" ", K::Blank, true, false},          {U"START", K::Start, true, false},
      {U"END", K::End, true, false},          {U"DC", K::DefineConstant, true, true},
      {U"DS", K::DefineStorage, true, true},  {U"out", K::LowerCaseOut, true, true},
      {U"end", K::LowerCaseEnd, false, true}, {U"LD", K::Instruction, true, true},
      {U"RPUSH", K::Instruction, true, true}, {U"start", K::Unknown, false, true},
      {U"Dc", K::Unknown, false, true},       {U"in", K::Unknown, false, true},
      {U"", K::Unknown, false, true},         {U"  ", K::Unknown, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(Text(c.operation)));
    const LineOperation operation = lineOperationOf(c.operation);
    EXPECT_EQ(operation.kind, c.kind);
    EXPECT_EQ(operation.isRecognised(), c.recognised);
    EXPECT_EQ(operation.occupiesMemory(), c.occupiesMemory);
    EXPECT_EQ(operation.forms.main != nullptr, c.kind == K::Instruction);
  }
}

TEST(LineOperation, InstructionsKeepTheirRowsAndAreTestedByAction) {
  const LineOperation load = lineOperationOf(U"LD");
  ASSERT_NE(load.forms.registerForm, nullptr);
  EXPECT_EQ(load.forms.main->code, 0x10);
  EXPECT_EQ(load.forms.registerForm->code, 0x14);
  EXPECT_TRUE(load.is(Action::Load));
  EXPECT_FALSE(load.is(Action::Store));
  EXPECT_EQ(load.syntax(), Syntax::RegisterMemory);
  EXPECT_FALSE(lineOperationOf(U"DS").is(Action::Load));
  EXPECT_EQ(lineOperationOf(U"DS").syntax(), std::nullopt);
  EXPECT_EQ(codeOf(Action::Push), 0x70);
  EXPECT_EQ(codeOf(Action::AddArithmetic), 0x20);  // the address form, not 24
}

TEST(LineOperation, TheCutLooksTheOperationUp) {
  EXPECT_EQ(splitLine(U"LAB DC 3").operation.kind, OperationKind::DefineConstant);
  EXPECT_EQ(splitLine(U" RET").operation.kind, OperationKind::Instruction);
  EXPECT_EQ(splitLine(U"; comment").operation.kind, OperationKind::Blank);
}

}  // namespace
}  // namespace casl2wb
