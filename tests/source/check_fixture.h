// Shared fixture of the check tests: a fresh source table, memory image,
// message list and checker per test, with the fixed message texts of the
// check and helpers that read the tables back as UTF-8 text.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "codegen/memory_image.h"
#include "source/checker.h"
#include "source/message_list.h"
#include "source/source_table.h"
#include "source/text.h"

namespace casl2wb::checktest {

// Fixed message texts of the check, character for character.
inline const std::string msgLineTooLong = "１行の文字数が７２文字を越えています。";
inline const std::string msgNoStart = "***** ｴﾗ- *****プログラムの最初にSTART命令がありません。";
inline const std::string msgStartNoLabel = "***** ｴﾗ- ***** ﾗﾍﾞﾙがありません.. *********";
inline const std::string msgLabelNotAllowed = "***** ｴﾗ- ***** ﾗﾍﾞﾙをつけてはいけない.*****";
inline const std::string msgOperandNotAllowed = "***** ｴﾗ- ***** ｵﾍﾟﾗﾝﾄﾞをつけてはいけない.*****";
inline const std::string msgStraySpace =
    "***** ｴﾗ- "
    "*****"
    "ラベル欄の先頭，または，オペランド欄に余分なスペースが入っています。オペランド欄にスペースを入"
    "れてはいけません。";
inline const std::string msgBranchIndexBad = "****** ｴﾗ- ******  指標レジスタが違います． ******";
inline const std::string msgNoThirdOperand =
    "****** ｴﾗ- ****** 第3ｵﾍﾟﾗﾝﾄﾞをつけてはいけない｡******";
inline const std::string msgOperand1NotRegister =
    "***** ｴﾗ- ***** 第1ｵﾍﾟﾗﾝﾄﾞがGRn（n=0,1,2,・・・7）になっていません。*****";
inline const std::string msgOperand2TooLong =
    "***** ｴﾗ- ***** 第2ｵﾍﾟﾗﾝﾄﾞが8文字を越えています。*****";
inline const std::string msgOperand2Bad = "***** ｴﾗ- ***** 第2ｵﾍﾟﾗﾝﾄﾞが違います｡ *****";
inline const std::string msgPopOperandBad = "****** ｴﾗ- ****** 第1ｵﾍﾟﾗﾝﾄﾞが違います。******";
inline const std::string msgNoSecondOperand =
    "****** ｴﾗ- ****** 第2ｵﾍﾟﾗﾝﾄﾞをつけてはいけない｡******";
inline const std::string msgIndexNotRegister =
    "***** ｴﾗ- ***** 第3ｵﾍﾟﾗﾝﾄﾞがGRn（n=1,2,・・・7）になっていません。*****";
inline const std::string msgUnknownOperation =
    "****** ｴﾗ- ****** CASLⅡの命令語ではありません。********";
inline const std::string msgNoRet = "***** ｴﾗ- ***** RET 命令がありません｡*****";
inline const std::string msgNoEnd = "***** ｴﾗ- ***** END 命令がありません｡*****";
inline const std::string msgLabelTooLong =
    "***** エラー ***** ラベルに誤りがある(８文字を越えている） *****";
inline const std::string msgLabelBad = "***** エラー ***** ラベルに誤りがある *****";
inline const std::string msgNoErrors = "機械語に変換する前のエラー個数は0個です。";
inline const std::string labelMessageHead = "***** ｴﾗ- ***** 行番号 ";
inline const std::string operand1Words = " の第1ｵﾍﾟﾗﾝﾄﾞ";
inline const std::string operand2Words = " の第2ｵﾍﾟﾗﾝﾄﾞ";
inline const std::string undefinedTail = "はﾗﾍﾞﾙ欄にありません｡*****";
inline const std::string twiceTail = "はﾗﾍﾞﾙ欄に2箇所あります｡*****";
inline const std::string errorTotalTail = "個のエラーがあります。";

// Decisions of this project for over-long programs and negative DS counts.
inline const std::string msgDsWordCount = "***** ｴﾗ- ***** DSの語数が違います｡*****";
inline const std::string msgTooManyLines =
    "***** ｴﾗ- ***** 行数が1013行を越えています。1014行目以降は処理しません。*****";

// "***** ｴﾗ- ***** 行番号 n の第k ... はﾗﾍﾞﾙ欄にありません｡*****"
inline std::string labelUndefined(int line, int operand, const std::string& label) {
  return labelMessageHead + std::to_string(line) + (operand == 1 ? operand1Words : operand2Words) +
         label + undefinedTail;
}

// "***** ｴﾗ- ***** 行番号 n の第k ... はﾗﾍﾞﾙ欄に2箇所あります｡*****"
inline std::string labelTwice(int line, int operand, const std::string& label) {
  return labelMessageHead + std::to_string(line) + (operand == 1 ? operand1Words : operand2Words) +
         label + twiceTail;
}

// The final item of a check that found errors: "3個のエラーがあります。".
inline std::string errorTotal(int count) { return std::to_string(count) + errorTotalTail; }

// `count` copies of `piece` (UTF-8 text).
inline std::string repeat(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

class CheckFixture : public ::testing::Test {
 protected:
  CheckFixture() {
    checker.translate = [this] {
      ++translateCalls;
      itemsAtTranslate = messages.items;
    };
  }

  // Runs one complete check of the given lines and returns the message list.
  const std::vector<std::string>& check(const std::vector<std::string>& lines) {
    std::vector<Text> texts;
    texts.reserve(lines.size());
    for (const auto& line : lines) texts.push_back(fromUtf8(line));
    checker.checkLines(texts);
    return messages.items;
  }

  // Checks "PRG START", the body lines, " RET" and " END", and returns the
  // items that the body lines added: everything after the START line's item
  // up to (not including) the RET line's listing item.
  std::vector<std::string> bodyItems(const std::vector<std::string>& body) {
    std::vector<std::string> lines{"PRG START"};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back(" RET");
    lines.push_back(" END");
    const auto& items = check(lines);
    const std::string retTail = "| | |RET|  | |";
    auto retItem = std::find_if(items.rbegin(), items.rend(), [&](const std::string& item) {
      return item.size() == 4 + retTail.size() && item.ends_with(retTail);
    });
    if (items.empty() || retItem == items.rend()) {
      ADD_FAILURE() << "no listing item for the RET line";
      return {};
    }
    auto end = retItem.base() - 1;
    return std::vector<std::string>(items.begin() + 1, end);
  }

  std::string field(int n, int c) const { return toUtf8(table.lineFields(n, c)); }
  std::string part(int n, int k) const { return toUtf8(table.operandParts(n, k)); }
  std::string address(int n) const { return toUtf8(table.lineAddress(n)); }
  std::string label(int n) const { return toUtf8(table.labelTable(n)); }
  std::string lastItem() const { return messages.items.empty() ? "" : messages.items.back(); }
  int occurrences(const std::string& item) const {
    return static_cast<int>(std::count(messages.items.begin(), messages.items.end(), item));
  }

  SourceTable table;
  MemoryImage memory;
  VectorMessageList messages;
  SyntaxChecker checker{table, memory, messages};
  int translateCalls = 0;
  std::vector<std::string> itemsAtTranslate;
};

}  // namespace casl2wb::checktest
