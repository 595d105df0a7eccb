// Where the splitter finds the fields of a line: each column and operand
// part as "START:TEXT" (its first character, counted from 0 in characters,
// and the characters it covers), "-" where it stands nowhere in the line;
// and the display columns of the fields that messages point at.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "assembler/line_splitter.h"

namespace casl2wb {
namespace {

std::string shown(const Text& line, const std::optional<TextSpan>& span) {
  if (!span) return "-";
  return std::to_string(span->start) + ":" + toUtf8(line.substr(span->start, span->length));
}

struct Places {
  std::string label, operation, operands, extra, comment;
  std::vector<std::string> parts;

  friend bool operator==(const Places&, const Places&) = default;
  friend void PrintTo(const Places& p, std::ostream* out) {
    *out << p.label << " | " << p.operation << " | " << p.operands << " | " << p.extra << " | "
         << p.comment << " |";
    for (const std::string& part : p.parts) *out << ' ' << part;
  }
};

Places placesOf(const LineFields& fields) {
  const Text& line = fields.text;
  Places places{shown(line, fields.fieldSpan(Column::Label)),
                shown(line, fields.fieldSpan(Column::Operation)),
                shown(line, fields.fieldSpan(Column::OperandField)),
                shown(line, fields.fieldSpan(Column::ExtraField)),
                shown(line, fields.fieldSpan(Column::Comment)),
                {}};
  for (std::size_t k = 0; k < fields.operands.size(); ++k) {
    places.parts.push_back(shown(line, fields.operandSpan(static_cast<int>(k))));
  }
  return places;
}

TEST(LineFields, EachFieldStandsWhereTheCutFoundIt) {
  struct Case {
    std::string what;
    std::string line;
    Places places;
  };
  const std::string longComment = " RET ;" + std::string(74, 'x');
  const std::vector<Case> cases = {
      {"a labelled line",
       "LAB LD GR1,X",
       {"0:LAB", "4:LD", "7:GR1,X", "-", "-", {"7:GR1", "11:X", "-"}}},
      {"a comment after the operands takes the extra field",
       "    LD GR1,X,GR2 ; load",
       {"-", "4:LD", "7:GR1,X,GR2", "17:; load", "-", {"7:GR1", "11:X", "13:GR2"}}},
      {"a quoted DC string cut at its space is one operand; the extra field keeps its tail",
       "MSG DC 'A B'",
       {"0:MSG", "4:DC", "7:'A B'", "10:B'", "-", {"7:'A B'", "-", "-"}}},
      {"the space literal is joined and the quote after it is no extra field",
       " LD GR1,=' '",
       {"-", "1:LD", "4:GR1,=' '", "-", "-", {"4:GR1", "8:=' '", "-"}}},
      {"a token that touches the ';' is lost with it",
       " LD GR1,X;c",
       {"-", "1:LD", "-", "9:;c", "-", {"-", "-", "-"}}},
      {"a line that starts with ';' is all comment",
       ";c d",
       {"-", "-", "-", "0:;c d", "-", {"-", "-", "-"}}},
      {"after a quote a ';' starts no comment, and tokens past the fields stand nowhere",
       "MSG DC 'A' ;x y",
       {"0:MSG", "4:DC", "7:'A'", "11:;x", "-", {"7:'A'", "-", "-"}}},
      {"a comment after an extra token",
       "LAB LD GR1,X EXTRA ;note",
       {"0:LAB", "4:LD", "7:GR1,X", "13:EXTRA", "19:;note", {"7:GR1", "11:X", "-"}}},
      {"a comment ends within 71 characters of the line",
       longComment,
       {"-", "1:RET", "-", "5:;" + std::string(65, 'x'), "-", {"-", "-", "-"}}},
      {"every constant of a DC list",
       " DC 1,2,3,4",
       {"-", "1:DC", "4:1,2,3,4", "-", "-", {"4:1", "6:2", "8:3", "10:4"}}},
      {"a piece of a string joined from elsewhere stands nowhere",
       "X DC 1 'a b'",
       {"0:X", "2:DC", "5:1", "8:a", "-", {"5:1", "-", "-"}}},
      {"positions count characters, a full-width one as one",
       "ＡＢ LD GR1,Ｘ",
       {"0:ＡＢ", "3:LD", "6:GR1,Ｘ", "-", "-", {"6:GR1", "10:Ｘ", "-"}}},
      {"a blank operand part stands nowhere",
       " LD GR1,",
       {"-", "1:LD", "4:GR1,", "-", "-", {"4:GR1", "-", "-"}}},
      {"an empty operand part stands where it was cut",
       " LD ,GR1,",
       {"-", "1:LD", "4:,GR1,", "-", "-", {"4:", "5:GR1", "9:"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(placesOf(splitLine(fromUtf8(c.line))), c.places);
  }
}

TEST(LineFields, TheBranchGroupsPartsMoveOnWithTheirPlaces) {
  LineFields fields = splitLine(U" JUMP L,GR1");
  normaliseOperands(fields);
  EXPECT_EQ(placesOf(fields).parts, (std::vector<std::string>{"-", "6:L", "8:GR1"}));
}

// Display columns count from 1, a full-width character counting two and a
// tab reaching the next multiple of eight.
TEST(LineFields, DisplayColumnsOfTheFields) {
  struct Case {
    std::string line;
    LineField field;
    int column;
  };
  std::string eighty;
  for (int i = 0; i < 10; ++i) eighty += "あ";
  eighty += std::string(70, 'x');
  const std::vector<Case> cases = {
      {"LAB LD GR1,X", LineField::of(Column::Label), 1},
      {"LAB LD GR1,X", LineField::of(Column::Operation), 5},
      {"LAB LD GR1,X", LineField::operand(secondOperand), 12},
      {"ＡＢ LD GR1,Ｘ,GR2", LineField::of(Column::Operation), 6},
      {"ＡＢ LD GR1,Ｘ,GR2", LineField::operand(secondOperand), 13},
      {"ＡＢ LD GR1,Ｘ,GR2", LineField::operand(thirdOperand), 16},
      {" LD GR1,", LineField::operand(secondOperand), 1},
      {"A\tB LD GR1,X", LineField::of(Column::Operation), 11},
      {"ＡＢ\tX LD GR1,X", LineField::of(Column::Operation), 11},
      {"ABCDEFGH\tI LD", LineField::of(Column::Operation), 19},
      {"LAB LD GR1,X", LineField(), 1},
      {eighty, LineField::pastLineLimit(), 83},
      {"LAB LD GR1,X", LineField::pastLineLimit(), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(splitLine(fromUtf8(c.line)).displayColumnOf(c.field), c.column);
  }
}

}  // namespace
}  // namespace casl2wb
