// Shared fixture of the check tests: one assembler per test (what a check
// leaves for the next carries over from check to check), the message texts
// of the check from the catalogue, and helpers that read the source table
// back as UTF-8 text.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assembler/assembler.h"
#include "assembler/checker.h"
#include "assembler/listing_text.h"
#include "assembler/source_table.h"
#include "base/messages.h"
#include "base/text.h"

namespace casl2wb::checktest {

// The messages of the check that take no argument.
inline const std::string msgLineTooLong = formatMessage(Message::LineTooLong);
inline const std::string msgNoStart = formatMessage(Message::NoStart);
inline const std::string msgStartWithoutLabel = formatMessage(Message::StartWithoutLabel);
inline const std::string msgLabelNotAllowed = formatMessage(Message::LabelNotAllowed);
inline const std::string msgOperandNotAllowed = formatMessage(Message::OperandNotAllowed);
inline const std::string msgStraySpace = formatMessage(Message::StraySpace);
inline const std::string msgBranchIndexBad = formatMessage(Message::BranchIndexBad);
inline const std::string msgThirdOperandNotAllowed = formatMessage(Message::ThirdOperandNotAllowed);
inline const std::string msgFirstOperandNotRegister =
    formatMessage(Message::FirstOperandNotRegister);
inline const std::string msgSecondOperandTooLong = formatMessage(Message::SecondOperandTooLong);
inline const std::string msgSecondOperandBad = formatMessage(Message::SecondOperandBad);
inline const std::string msgPopOperandBad = formatMessage(Message::PopOperandBad);
inline const std::string msgSecondOperandNotAllowed =
    formatMessage(Message::SecondOperandNotAllowed);
inline const std::string msgIndexNotRegister = formatMessage(Message::IndexNotRegister);
inline const std::string msgUnknownOperation = formatMessage(Message::UnknownOperation);
inline const std::string msgLabelTooLong = formatMessage(Message::LabelTooLong);
inline const std::string msgLabelBad = formatMessage(Message::LabelBad);
inline const std::string msgDsCountBad = formatMessage(Message::DsCountBad);
inline const std::string msgTooManyLines = formatMessage(Message::TooManyLines);
inline const std::string msgNoRet = formatMessage(Message::NoRet);
inline const std::string msgNoEnd = formatMessage(Message::NoEnd);
inline const std::string msgNoErrors = formatMessage(Message::NoErrors);

// "***** ｴﾗ- ***** 行番号 n の第k ... はﾗﾍﾞﾙ欄にありません｡*****"
inline std::string labelUndefined(int line, int operand, const std::string& label) {
  return formatMessage(Message::LabelUndefined,
                       {std::to_string(line), std::to_string(operand), label});
}

// "***** ｴﾗ- ***** 行番号 n の第k ... はﾗﾍﾞﾙ欄に2箇所あります｡*****"
inline std::string labelTwice(int line, int operand, const std::string& label) {
  return formatMessage(Message::LabelTwice, {std::to_string(line), std::to_string(operand), label});
}

// The final item of a check that found errors: "3個のエラーがあります。".
inline std::string errorTotal(int count) {
  return formatMessage(Message::ErrorTotal, {std::to_string(count)});
}

// `count` copies of `piece` (UTF-8 text).
inline std::string repeat(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

inline std::vector<Text> textsOf(const std::vector<std::string>& lines) {
  std::vector<Text> texts;
  texts.reserve(lines.size());
  for (const auto& line : lines) texts.push_back(fromUtf8(line));
  return texts;
}

class CheckFixture : public ::testing::Test {
 protected:
  // Runs one complete check (and, without errors, the translation) of the
  // given lines on the memory image the last check left, and returns the
  // items of the check: the texts of the message list up to its error count.
  const std::vector<std::string>& check(const std::vector<std::string>& lines) {
    lastLines = lines;
    program = assembler.assemble(textsOf(lines), program.image);
    messages = listingTexts(program.listing);
    const auto count = std::find_if(
        program.listing.begin(), program.listing.end(),
        [](const ListingItem& item) { return item.kind() == ListingItem::Kind::ErrorCount; });
    const auto checkEnd = count == program.listing.end() ? count : count + 1;
    checkItems.assign(messages.begin(), messages.begin() + (checkEnd - program.listing.begin()));
    return checkItems;
  }

  // Checks "PRG START", the body lines, " RET" and " END", and returns the
  // items that the body lines added: everything after the START line's item
  // up to (not including) the RET line's listing item.
  std::vector<std::string> bodyItems(const std::vector<std::string>& body) {
    std::vector<std::string> lines{"PRG START"};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back(" RET");
    lines.push_back(" END");
    check(lines);
    const int retLine = static_cast<int>(lines.size()) - 1;
    const auto retItem =
        std::find_if(program.listing.begin(), program.listing.end(), [&](const ListingItem& item) {
          return item.line == retLine && item.kind() == ListingItem::Kind::Line;
        });
    if (retItem == program.listing.end()) {
      ADD_FAILURE() << "no listing item for the RET line";
      return {};
    }
    return std::vector<std::string>(messages.begin() + 1,
                                    messages.begin() + (retItem - program.listing.begin()));
  }

  const SourceTable& table() const { return program.source; }
  const SourceLine& line(int n) const { return program.source.line(n); }
  std::string field(int n, Column c) const { return toUtf8(line(n).field(c)); }
  // Operand part k (firstOperand, secondOperand, ... counted from 0).
  std::string part(int n, int k) const { return toUtf8(line(n).operand(k)); }
  // Operand part k of line n as the check alone leaves it: the translation
  // that follows a check without errors writes a space literal as "=#0020".
  std::string checkedPart(int n, int k) const {
    SourceTable checked;
    DiagnosticLog log;
    CheckCarryOver carry;
    checkProgram(textsOf(lastLines), checked, log, carry);
    return toUtf8(checked.line(n).operand(k));
  }
  std::string address(int n) const { return toUtf8(line(n).address.text()); }
  std::string label(int n) const { return toUtf8(line(n).label); }
  std::string lastItem() const { return checkItems.empty() ? "" : checkItems.back(); }
  int occurrences(const std::string& item) const {
    return static_cast<int>(std::count(checkItems.begin(), checkItems.end(), item));
  }

  Assembler assembler;
  AssembledProgram program;
  std::vector<std::string> lastLines;
  // The texts of the whole message list, and of the check's part of it.
  std::vector<std::string> messages;
  std::vector<std::string> checkItems;
};

}  // namespace casl2wb::checktest
