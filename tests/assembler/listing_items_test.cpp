// The message list as items: the kind and the source line of every item,
// the text each kind is shown as, and the line each translated word came
// from with the statement starts the replay's step line reads.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "assembler/assembler.h"
#include "assembler/listing_text.h"
#include "assembler/program_places.h"
#include "base/messages.h"
#include "base/source_file.h"

namespace casl2wb {
namespace {

using Kind = ListingItem::Kind;

struct KindAndLine {
  Kind kind;
  int line;
  friend bool operator==(const KindAndLine&, const KindAndLine&) = default;
};

std::ostream& operator<<(std::ostream& out, const KindAndLine& item) {
  return out << "{kind " << static_cast<int>(item.kind) << ", line " << item.line << "}";
}

AssembledProgram assembled(const std::vector<std::string>& lines) {
  std::vector<Text> texts;
  for (const std::string& line : lines) texts.push_back(fromUtf8(line));
  return Assembler().assemble(texts);
}

std::vector<KindAndLine> kindsAndLines(const AssembledProgram& program) {
  std::vector<KindAndLine> items;
  for (const ListingItem& item : program.listing) items.push_back({item.kind(), item.line});
  return items;
}

// `count` items of a kind, all of one line.
std::vector<KindAndLine> repeated(Kind kind, int line, int count) {
  return std::vector<KindAndLine>(static_cast<std::size_t>(count), {kind, line});
}

std::vector<KindAndLine> joined(std::vector<KindAndLine> first,
                                const std::vector<KindAndLine>& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

TEST(ListingItems, EachItemHasItsKindAndLine) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::vector<KindAndLine> items;
  };
  const std::string tooLong = " NOP ;" + std::string(70, 'x');
  const std::vector<Case> cases = {
      {"errors on several lines, RET and END missing after a blank last line",
       {"PRG START", tooLong, " FOO", " JUMP NOWHERE", ""},
       {{Kind::Line, 1},
        {Kind::CutMessage, 2},
        {Kind::Line, 2},
        {Kind::Line, 3},
        {Kind::StatementMessage, 3},
        {Kind::Line, 4},
        {Kind::Line, 5},
        {Kind::ProgramMessage, 5},  // no RET: the last line read
        {Kind::ProgramMessage, 5},  // no END
        {Kind::ProgramMessage, 4},  // NOWHERE, found after the last line
        {Kind::ErrorCount, 0}}},
      {"no line read",
       {},
       {{Kind::ProgramMessage, 0}, {Kind::ProgramMessage, 0}, {Kind::ErrorCount, 0}}},
      {"translated with literals: eight words in use, eight dump rows",
       {"PRG START", " LD GR1,=5", " LD GR2,='AB'", " RET", " END"},
       joined({{Kind::Line, 1},
               {Kind::Line, 2},
               {Kind::Line, 3},
               {Kind::Line, 4},
               {Kind::Line, 5},
               {Kind::ErrorCount, 0}},
              repeated(Kind::DumpRow, 0, 8))},
      {"a translation error after the error count, before the dump",
       {"PRG START", "BIG DS 3000", " LD GR1,=1", " RET", " END"},
       joined({{Kind::Line, 1},
               {Kind::Line, 2},
               {Kind::Line, 3},
               {Kind::Line, 4},
               {Kind::Line, 5},
               {Kind::ErrorCount, 0},
               {Kind::TranslationMessage, 3}},
              repeated(Kind::DumpRow, 0, 31))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const AssembledProgram program = assembled(c.lines);
    EXPECT_EQ(kindsAndLines(program), c.items);
    // The messages are the diagnostics, in the order they were found.
    std::vector<Message> listed;
    for (const ListingItem& item : program.listing) {
      if (const Diagnostic* diagnostic = item.diagnostic()) listed.push_back(diagnostic->message);
    }
    std::vector<Message> found;
    for (const Diagnostic& diagnostic : program.diagnostics) found.push_back(diagnostic.message);
    EXPECT_EQ(listed, found);
  }
}

TEST(ListingItems, EachKindIsShownAsItsText) {
  std::array<Text, columnCount> fields = {U" ", U"LOOP", U"LD", U"GR1,A ", U" ", U""};
  const Diagnostic diagnostic{
      3, LineField(), 1, Diagnostic::Place::AfterLine, Message::UnknownOperation, {}};
  DumpRow row;
  for (std::size_t k = 0; k < row.cells.size(); ++k) {
    row.cells[k] = {hexText(static_cast<std::uint16_t>(1 + 32 * k)), Word::blank()};
  }
  row.cells[0].word = Word(0x1234);
  row.cells[7] = {"", Word()};  // an address no translation or run has shown
  struct Case {
    ListingItem item;
    std::string text;
  };
  const std::vector<Case> cases = {
      {{1, ListedLine{LineAddress::at(0x1F), fields}}, "001F| |LOOP|LD|GR1,A | |"},
      {{1, ListedLine{LineAddress::none(), fields}}, " | |LOOP|LD|GR1,A | |"},
      {{1, ListedLine{LineAddress::unassigned(), fields}}, "| |LOOP|LD|GR1,A | |"},
      {{3, diagnostic}, diagnostic.text()},
      {{0, CheckErrorCount{0}}, formatMessage(Message::NoErrors)},
      {{0, CheckErrorCount{12}}, formatMessage(Message::ErrorTotal, {"12"})},
      {{0, row},
       "0001  1234  0021        0041        0061        0081        00A1        00C1        "
       "  "},
  };
  for (const Case& c : cases) EXPECT_EQ(listingText(c.item), c.text);
  std::vector<ListingItem> items;
  for (const Case& c : cases) items.push_back(c.item);
  std::vector<std::string> texts;
  for (const Case& c : cases) texts.push_back(c.text);
  EXPECT_EQ(listingTexts(items), texts);
}

struct Origin {
  int line;
  bool statementStart;
  friend bool operator==(const Origin&, const Origin&) = default;
};

std::ostream& operator<<(std::ostream& out, const Origin& origin) {
  return out << "{line " << origin.line << (origin.statementStart ? ", start}" : "}");
}

TEST(WordOrigins, EveryTranslatedWordKeepsItsLine) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::vector<Origin> origins;  // from address 0
  };
  const std::vector<Case> cases = {
      {"literals: the pool words belong to the line of each use",
       {"PRG START", " LD GR1,=5", " LD GR2,='AB'", " RET", " END"},
       {{2, true},
        {2, false},
        {3, true},
        {3, false},
        {4, true},
        {2, false},
        {3, false},
        {3, false}}},
      {"lines that share an address, a statement that writes nothing, a line of no length "
       "where the pool starts",
       {"PRG START", "LOOP DS 0", " LD GR1,=1", " out BUF,LEN", " RET", "BUF DS 1", "LEN DC 1",
        "TAIL DS 0", " END"},
       {{3, true}, {3, false}, {4, true}, {0, false}, {5, true}, {6, true}, {7, true}, {3, false}}},
      {"a string constant and a DS area",
       {"PRG START", "S DC 'ABC'", "A DS 2", " RET", " END"},
       {{2, true}, {2, false}, {2, false}, {3, true}, {3, false}, {4, true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const AssembledProgram program = assembled(c.lines);
    ASSERT_TRUE(program.runnable()) << ::testing::PrintToString(listingTexts(program.listing));
    std::vector<Origin> origins;
    for (const WordOrigin& origin : program.wordOrigins) {
      origins.push_back({origin.line, origin.statementStart});
    }
    EXPECT_EQ(origins, c.origins);
    for (std::size_t a = 0; a < c.origins.size(); ++a) {
      const Origin& expected = c.origins[a];
      EXPECT_EQ(lineAtAddress(program.wordOrigins, static_cast<std::int64_t>(a)),
                expected.statementStart ? expected.line : 0)
          << "address " << a;
    }
    EXPECT_EQ(lineAtAddress(program.wordOrigins, -1), 0);
    EXPECT_EQ(lineAtAddress(program.wordOrigins, static_cast<std::int64_t>(c.origins.size())), 0);
  }
}

TEST(WordOrigins, NoneWithoutATranslation) {
  EXPECT_TRUE(assembled({"PRG START", " FOO", " RET", " END"}).wordOrigins.empty());
}

// The step line of every address of the examples is the line whose address
// it is, the last of lines that share it, inside the program only.
TEST(WordOrigins, StepLinesOfTheExamplesFollowTheLineAddresses) {
  int translated = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CASL2WB_EXAMPLES)) {
    if (entry.path().extension() != ".txt") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const SourceReadResult source = readSourceFile(entry.path().string());
    ASSERT_TRUE(source.ok);
    const AssembledProgram program = Assembler().assemble(source.lines);
    if (!program.translated) continue;
    ++translated;
    const SourceTable& table = program.source;
    for (std::int64_t a = -1; a <= static_cast<std::int64_t>(program.wordOrigins.size()); ++a) {
      int expected = 0;
      for (int n = 1; n <= table.lineCount && a < table.programEnd; ++n) {
        const LineAddress& address = table.line(n).address;
        if (address.hasValue() && address.value() == a) expected = n;
      }
      EXPECT_EQ(lineAtAddress(program.wordOrigins, a), expected) << "address " << a;
    }
  }
  EXPECT_GT(translated, 3);
}

}  // namespace
}  // namespace casl2wb
