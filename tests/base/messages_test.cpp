// The message catalogue: every text, character for character, against the
// table in tests/data/messages.tsv, and how formatMessage fills its marks.
#include "base/messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace casl2wb {
namespace {

struct CatalogueEntry {
  Message message;
  const char* name;
  std::vector<std::string_view> arguments;
};

// Every message in the order of the enumeration, with sample arguments for
// its marks.
const std::vector<CatalogueEntry>& catalogue() {
  static const std::vector<CatalogueEntry> entries = {
      {Message::LineTooLong, "LineTooLong", {}},
      {Message::NoStart, "NoStart", {}},
      {Message::StartWithoutLabel, "StartWithoutLabel", {}},
      {Message::LabelNotAllowed, "LabelNotAllowed", {}},
      {Message::OperandNotAllowed, "OperandNotAllowed", {}},
      {Message::StraySpace, "StraySpace", {}},
      {Message::BranchIndexBad, "BranchIndexBad", {}},
      {Message::ThirdOperandNotAllowed, "ThirdOperandNotAllowed", {}},
      {Message::FirstOperandNotRegister, "FirstOperandNotRegister", {}},
      {Message::SecondOperandTooLong, "SecondOperandTooLong", {}},
      {Message::SecondOperandBad, "SecondOperandBad", {}},
      {Message::PopOperandBad, "PopOperandBad", {}},
      {Message::SecondOperandNotAllowed, "SecondOperandNotAllowed", {}},
      {Message::IndexNotRegister, "IndexNotRegister", {}},
      {Message::UnknownOperation, "UnknownOperation", {}},
      {Message::LabelTooLong, "LabelTooLong", {}},
      {Message::LabelBad, "LabelBad", {}},
      {Message::DsCountBad, "DsCountBad", {}},
      {Message::TooManyLines, "TooManyLines", {}},
      {Message::NoRet, "NoRet", {}},
      {Message::NoEnd, "NoEnd", {}},
      {Message::LabelUndefined, "LabelUndefined", {"7", "2", "LOOP"}},
      {Message::LabelTwice, "LabelTwice", {"12", "1", "BUF"}},
      {Message::NoErrors, "NoErrors", {}},
      {Message::ErrorTotal, "ErrorTotal", {"18"}},
      {Message::IndexGr0, "IndexGr0", {"2"}},
      {Message::ProgramTooLarge, "ProgramTooLarge", {}},
      {Message::PassLimitBad, "PassLimitBad", {}},
      {Message::HistoryLimit, "HistoryLimit", {}},
      {Message::PushWithoutIndex, "PushWithoutIndex", {}},
      {Message::InputTooLong, "InputTooLong", {}},
      {Message::AddressOutOfRange, "AddressOutOfRange", {"00FF", "-5", "0100", "0101"}},
      {Message::InputPrompt, "InputPrompt", {}},
      {Message::InputTitle, "InputTitle", {}},
      {Message::InputDefault, "InputDefault", {}},
      {Message::CannotWrite, "CannotWrite", {"/home/u/a.txt", "Permission denied"}},
      {Message::CannotRead, "CannotRead", {"/home/u/a.txt", "No such file or directory"}},
      {Message::ReadFolder, "ReadFolder", {}},
      {Message::ReadNotRegularFile, "ReadNotRegularFile", {}},
      {Message::ReadTooLarge, "ReadTooLarge", {"1048576"}},
      {Message::WorkFileFailed, "WorkFileFailed", {"/home/u/w", "No space left on device"}},
      {Message::TextTooLargeToCheck, "TextTooLargeToCheck", {"1048576"}},
      {Message::FileNameNeeded, "FileNameNeeded", {}},
      {Message::PrintingFailed, "PrintingFailed", {}},
      {Message::FindEnded, "FindEnded", {}},
      {Message::FindAndReplaceEnded, "FindAndReplaceEnded", {}},
      // The editor and the file window.
      {Message::OverwriteFile, "OverwriteFile", {"/home/u/a.txt"}},
      {Message::ReasonNoSuchFile, "ReasonNoSuchFile", {}},
      {Message::ReasonPermissionDenied, "ReasonPermissionDenied", {}},
      {Message::ReasonIsFolder, "ReasonIsFolder", {}},
      {Message::ReasonDiskFull, "ReasonDiskFull", {}},
      {Message::ReasonReadOnlyFileSystem, "ReasonReadOnlyFileSystem", {}},
      // The execution window.
      {Message::RunWithoutProgram, "RunWithoutProgram", {}},
      {Message::RunAfterErrors, "RunAfterErrors", {}},
      {Message::ReplayStep, "ReplayStep", {"3", "27"}},
      {Message::RunEndedAtReturn, "RunEndedAtReturn", {}},
      {Message::RunEndedAtPassLimit, "RunEndedAtPassLimit", {"5000"}},
      {Message::RunEndedAtAddressError, "RunEndedAtAddressError", {}},
      {Message::RunEndedAtBlankWord, "RunEndedAtBlankWord", {"0012"}},
      // The editor.
      {Message::UnsavedFileText, "UnsavedFileText", {"/home/u/a.txt"}},
      {Message::UnsavedNewText, "UnsavedNewText", {}},
      {Message::SaveBeforeEnd, "SaveBeforeEnd", {"X。"}},
      {Message::SaveBeforeClear, "SaveBeforeClear", {"X。"}},
      {Message::SaveBeforeLoad, "SaveBeforeLoad", {"X。", "/home/u/b.txt"}},
      {Message::SaveBeforeRestore, "SaveBeforeRestore", {"X。"}},
      {Message::RecoveryOffer, "RecoveryOffer", {"/home/u/a.txt", "2026/12/09 04:17", "12"}},
      {Message::RecoveryNoFile, "RecoveryNoFile", {}},
      {Message::RecoveryFailed, "RecoveryFailed", {"ディスクに空きがありません。"}},
      {Message::GoToLinePrompt, "GoToLinePrompt", {"42"}},
      {Message::GoToLineTitle, "GoToLineTitle", {}},
      {Message::LineNumberBad, "LineNumberBad", {"42"}},
      {Message::NoErrorLines, "NoErrorLines", {}},
      {Message::TabsInText, "TabsInText", {}},
      // The execution window.
      {Message::ProgramChangedSinceCheck, "ProgramChangedSinceCheck", {}},
      {Message::NothingToPrint, "NothingToPrint", {}},
      {Message::RunHeading, "RunHeading", {"2"}},
      {Message::NoBreakpoints, "NoBreakpoints", {}},
      {Message::NoBreakAfter, "NoBreakAfter", {}},
      {Message::NoBreakBefore, "NoBreakBefore", {}},
      // The replace dialog.
      {Message::ReplacedAll, "ReplacedAll", {"3"}},
      {Message::NothingReplaced, "NothingReplaced", {"LD"}},
      // The help window.
      {Message::HelpTextNotFound, "HelpTextNotFound", {"LDX"}},
  };
  return entries;
}

// name -> text, "\n" in the file standing for a line end.
std::map<std::string, std::string> readTable() {
  std::ifstream in(std::string(CASL2WB_TEST_DATA) + "/messages.tsv");
  std::map<std::string, std::string> table;
  for (std::string line; std::getline(in, line);) {
    const std::size_t tab = line.find('\t');
    std::string text = line.substr(tab + 1);
    for (std::size_t at; (at = text.find("\\n")) != std::string::npos;) text.replace(at, 2, "\n");
    table[line.substr(0, tab)] = text;
  }
  return table;
}

using Formatter = std::string (*)(Message, std::initializer_list<std::string_view>);

std::string format(const CatalogueEntry& entry, Formatter formatter = formatMessage) {
  const auto& a = entry.arguments;
  switch (a.size()) {
    case 0:
      return formatter(entry.message, {});
    case 1:
      return formatter(entry.message, {a[0]});
    case 2:
      return formatter(entry.message, {a[0], a[1]});
    case 3:
      return formatter(entry.message, {a[0], a[1], a[2]});
    default:
      return formatter(entry.message, {a[0], a[1], a[2], a[3]});
  }
}

// Stars and spaces (a full-width one too) around at most one word for an
// error or a warning.
bool isBannerPiece(std::string_view text) {
  for (std::string_view word : {"ｴﾗ-", "エラー", "警告"}) {
    if (const std::size_t at = text.find(word); at != std::string_view::npos) {
      return isBannerPiece(text.substr(0, at)) && isBannerPiece(text.substr(at + word.size()));
    }
  }
  for (std::size_t at = 0; at < text.size();) {
    if (text.substr(at).starts_with("　")) {
      at += std::string_view("　").size();
    } else if (text[at] == '*' || text[at] == ' ') {
      ++at;
    } else {
      return false;
    }
  }
  return true;
}

TEST(MessageCatalogue, EveryTextIsAsTabled) {
  const auto table = readTable();
  ASSERT_EQ(table.size(), catalogue().size());
  for (std::size_t i = 0; i < catalogue().size(); ++i) {
    const CatalogueEntry& entry = catalogue()[i];
    SCOPED_TRACE(entry.name);
    // The entries follow the enumeration, so none is left out.
    EXPECT_EQ(static_cast<std::size_t>(entry.message), i);
    ASSERT_EQ(table.count(entry.name), 1u);
    EXPECT_EQ(format(entry), table.at(entry.name));
  }
}

TEST(MessageCatalogue, EveryMarkHasItsArgument) {
  for (const CatalogueEntry& entry : catalogue()) {
    SCOPED_TRACE(entry.name);
    std::size_t marks = 0;
    const std::string_view text = messageText(entry.message);
    for (std::size_t at = 0; (at = text.find("{}", at)) != std::string_view::npos; at += 2) ++marks;
    EXPECT_EQ(marks, entry.arguments.size());
    EXPECT_EQ(format(entry).find("{}"), std::string::npos);
  }
}

// The shown text is the banner around the plain text; the banner holds
// nothing of the text, and the text nothing of the banner.
TEST(MessageCatalogue, TheBannerStandsApartFromThePlainText) {
  for (const CatalogueEntry& entry : catalogue()) {
    SCOPED_TRACE(entry.name);
    const MessageBanner banner = messageBanner(entry.message);
    const std::string plain = format(entry, formatPlainMessage);
    EXPECT_EQ(format(entry), std::string(banner.opening) + plain + std::string(banner.closing));
    EXPECT_TRUE(isBannerPiece(banner.opening));
    EXPECT_TRUE(isBannerPiece(banner.closing));
    ASSERT_FALSE(plain.empty());
    EXPECT_FALSE(isBannerPiece(plain.substr(0, 1)));
    EXPECT_FALSE(isBannerPiece(plain.substr(plain.size() - 1)));
  }
  EXPECT_EQ(formatPlainMessage(Message::LabelUndefined, {"6", "2", "LOOP"}),
            "行番号 6 の第2ｵﾍﾟﾗﾝﾄﾞLOOPはﾗﾍﾞﾙ欄にありません｡");
}

TEST(FormatMessage, FillsTheMarksInOrderAndKeepsTheRestWhenArgumentsRunOut) {
  EXPECT_EQ(formatMessage(Message::ErrorTotal, {"3"}), "3個のエラーがあります。");
  EXPECT_EQ(formatMessage(Message::ErrorTotal), "{}個のエラーがあります。");
  EXPECT_EQ(formatMessage(Message::ErrorTotal, {"3", "surplus"}), "3個のエラーがあります。");
  EXPECT_EQ(formatMessage(Message::LabelTwice, {"4", "2"}),
            "***** ｴﾗ- ***** 行番号 4 の第2ｵﾍﾟﾗﾝﾄﾞ{}はﾗﾍﾞﾙ欄に2箇所あります｡*****");
  // An argument that holds a mark is not filled again.
  EXPECT_EQ(formatMessage(Message::CannotRead, {"{}", "x"}),
            "ファイル「{}」を読み込めませんでした。\nx");
}

}  // namespace
}  // namespace casl2wb
