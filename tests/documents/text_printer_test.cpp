// The text printer: columns are character positions, a passed column goes to
// the next line, trailing blanks are dropped.
#include "documents/text_printer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace casl2wb {
namespace {

using Item = PrintItem;

std::string print(const PrintLine& line) {
  std::ostringstream out;
  TextPrinter printer(out);
  printer.printLine(line);
  return out.str();
}

TEST(TextPrinter, ColumnMovesToThatCharacterPosition) {
  EXPECT_EQ(print({Item::text("ab"), Item::column(5), Item::text("c")}), "ab  c\n");
  EXPECT_EQ(print({Item::column(1), Item::text("x")}), "x\n");
  EXPECT_EQ(print({Item::column(3), Item::text("x")}), "  x\n");
}

TEST(TextPrinter, ColumnReachedExactlyStaysOnTheLine) {
  EXPECT_EQ(print({Item::text("abcd"), Item::column(5), Item::text("e")}), "abcde\n");
}

TEST(TextPrinter, PassedColumnContinuesAtThatColumnOfTheNextLine) {
  EXPECT_EQ(print({Item::text("abcde"), Item::column(5), Item::text("f")}), "abcde\n    f\n");
  EXPECT_EQ(print({Item::text("abcdefgh"), Item::column(3), Item::text("x"), Item::column(3),
                   Item::text("y")}),
            "abcdefgh\n  x\n  y\n");
}

TEST(TextPrinter, ColumnsCountCharactersNotBytes) {
  // Three characters of nine bytes: column 5 is two characters on.
  EXPECT_EQ(print({Item::text("行入力"), Item::column(5), Item::text("x")}), "行入力 x\n");
  EXPECT_EQ(print({Item::text("ｱﾄﾞﾚｽ"), Item::column(6), Item::text("(")}), "ｱﾄﾞﾚｽ(\n");
  EXPECT_EQ(print({Item::text("ｱﾄﾞﾚｽ"), Item::column(5), Item::text("(")}), "ｱﾄﾞﾚｽ\n    (\n");
}

TEST(TextPrinter, SpaceCountPrintsBlanks) {
  EXPECT_EQ(print({Item::text("a"), Item::spaces(3), Item::text("b")}), "a   b\n");
  EXPECT_EQ(print({Item::spaces(0), Item::text("b")}), "b\n");
}

TEST(TextPrinter, TrailingBlanksAreNotPrinted) {
  EXPECT_EQ(print({Item::text("a  "), Item::column(10), Item::text("   ")}), "a\n");
  EXPECT_EQ(print({Item::text("    "), Item::spaces(5)}), "\n");
  EXPECT_EQ(print({}), "\n");
  // Also on the line a passed column leaves behind.
  EXPECT_EQ(print({Item::text("abc  "), Item::column(2), Item::text("x")}), "abc\n x\n");
  // Only trailing ones: blanks inside the line stay.
  EXPECT_EQ(print({Item::text(" a  b ")}), " a  b\n");
}

TEST(TextPrinter, EmptyTextPrintsNothing) {
  EXPECT_EQ(print({Item::text(""), Item::column(3), Item::text(""), Item::text("x")}), "  x\n");
}

TEST(TextPrinter, FontsAndDocumentEndsAreNotShown) {
  std::ostringstream out;
  TextPrinter printer(out);
  printer.setFont("MS ゴシック", 10);
  printer.printLine({Item::text("one")});
  printer.endDocument();
  printer.printLine({Item::text("two")});
  printer.endDocument();
  EXPECT_EQ(out.str(), "one\ntwo\n");
}

TEST(TextPrinter, WindowImageIsALineOfItsOwn) {
  std::ostringstream out;
  TextPrinter printer(out);
  printer.printWindowImage(WindowImage{2, 1, {0xFF000000u, 0xFFFFFFFFu}});
  EXPECT_EQ(out.str(), "[window image]\n");
}

}  // namespace
}  // namespace casl2wb
