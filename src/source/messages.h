// The fixed texts the check adds to the message list.
#pragma once

#include <string>

#include "source/text.h"

namespace casl2wb {

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
inline const std::string msgTooManyLines =
    "***** ｴﾗ- ***** 行数が1013行を越えています。1014行目以降は処理しません。*****";
inline const std::string msgDsCountBad = "***** ｴﾗ- ***** DSの語数が違います｡*****";

// "行番号 n の第k ｵﾍﾟﾗﾝﾄﾞX..." messages of the label resolution (operand 1 or 2).
inline std::string msgLabelUndefined(int line, int operand, TextView label) {
  return "***** ｴﾗ- ***** 行番号 " + std::to_string(line) +
         (operand == 1 ? " の第1ｵﾍﾟﾗﾝﾄﾞ" : " の第2ｵﾍﾟﾗﾝﾄﾞ") + toUtf8(label) +
         "はﾗﾍﾞﾙ欄にありません｡*****";
}
inline std::string msgLabelTwice(int line, int operand, TextView label) {
  return "***** ｴﾗ- ***** 行番号 " + std::to_string(line) +
         (operand == 1 ? " の第1ｵﾍﾟﾗﾝﾄﾞ" : " の第2ｵﾍﾟﾗﾝﾄﾞ") + toUtf8(label) +
         "はﾗﾍﾞﾙ欄に2箇所あります｡*****";
}
inline const std::string msgNoErrors = "機械語に変換する前のエラー個数は0個です。";
inline std::string msgErrorTotal(int count) {
  return std::to_string(count) + "個のエラーがあります。";
}

// Errors the translation adds.
inline std::string msgIndexGr0(int line) {
  return "***** ｴﾗ- ***** 行番号 " + std::to_string(line) +
         " の第3ｵﾍﾟﾗﾝﾄﾞの指標レジスタにGR0は使用できません｡*****";
}
inline const std::string msgProgramTooLarge =
    "***** ｴﾗ- ***** プログラムがメモリに入りきりません｡*****";

}  // namespace casl2wb
