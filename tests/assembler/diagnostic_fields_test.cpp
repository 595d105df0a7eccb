// Each diagnostic names the line, the field of the line and the display
// column where that field starts, as the check numbers the operand parts
// (the branch group's address is its second part).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check_fixture.h"

namespace casl2wb::checktest {
namespace {

struct Expected {
  Message message;
  int line;
  LineField field;
  int column;
};

class DiagnosticFields : public CheckFixture {};

TEST_F(DiagnosticFields, EachNamesItsLineFieldAndColumn) {
  const auto operand = LineField::operand;
  check({
      "         LD       GR1,B",        // 1: no START, B defined nowhere
      "ＡＢ     JUMP     ＸＹ,GR0",     // 2: the label, the address and the index
      "         LD       GR8,=ab,GR9",  // 3: the index, then the first operand
      "         ST       GR1,=5",       // 4: a literal is label-checked
      "A        DS       -1",           // 5: the DS count
      "         POP      GR1,GR2  " + std::string(50, 'x'),  // 6: too long, a second operand
      "         END",
  });
  const std::vector<Expected> expected = {
      {Message::NoStart, 1, LineField::of(Column::Operation), 10},
      {Message::LabelBad, 2, LineField::of(Column::Label), 1},
      {Message::LabelBad, 2, LineField::of(Column::Label), 1},
      {Message::LabelBad, 2, operand(secondOperand), 19},
      {Message::LabelBad, 2, operand(secondOperand), 19},
      {Message::BranchIndexBad, 2, operand(thirdOperand), 24},
      {Message::IndexNotRegister, 3, operand(thirdOperand), 27},
      {Message::FirstOperandNotRegister, 3, operand(firstOperand), 19},
      {Message::LabelBad, 4, operand(secondOperand), 23},
      {Message::DsCountBad, 5, operand(firstOperand), 19},
      {Message::LineTooLong, 6, LineField::pastLineLimit(), 73},
      {Message::SecondOperandNotAllowed, 6, operand(secondOperand), 23},
      {Message::NoRet, 0, LineField(), 1},
      {Message::LabelUndefined, 1, operand(secondOperand), 23},
  };
  std::vector<Expected> found;
  for (const Diagnostic& d : program.diagnostics) {
    found.push_back({d.message, d.line, d.field, d.column});
  }
  ASSERT_EQ(found.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(found[i].message, expected[i].message);
    EXPECT_EQ(found[i].line, expected[i].line);
    EXPECT_EQ(found[i].field, expected[i].field);
    EXPECT_EQ(found[i].column, expected[i].column);
  }
}

}  // namespace
}  // namespace casl2wb::checktest
