// The fixed texts a run writes into the execution window's list and dialogs.
#pragma once

#include <string>

namespace casl2wb {

inline const std::string runWindowCaption = "COMETⅡ 実行";
inline const std::string msgLmtBad =
    "****** ｴﾗ- ****** 無限ﾙ-ﾌﾟﾊﾟﾗﾒ-ﾀ設定が違います.----- "
    "LMT以下5文字で数値を設定してください.-----";
inline const std::string msgTraceLimit =
    "実行回数が９９９回を越えていますのでメモリの変化のトレースは９９９回までとします。";
inline const std::string msgPushGr0 = "******* 警告 ******* GR0は使用できません　*******";
inline const std::string msgInputTooLong =
    "******* 警告 ******* 入力ﾃﾞ-ﾀが80語を越えたので以降の文字を無視します.*******";
inline const std::string inputPrompt = "IN命令の入力";
inline const std::string inputTitle = "IN";
inline const std::string inputDefault = "0";

// The address error line: the highest address (00FF or 01FF), PR in decimal,
// the effective address and SP as word texts.
inline std::string msgAddressRange(const std::string& highest, long long pr, const std::string& eff,
                                   const std::string& sp) {
  return "****** ｴﾗ- ****** 実行ｱﾄﾞﾚｽか,ﾌﾟﾛｸﾞﾗﾑｶｳﾝﾀか,ｽﾀｯｸﾎﾟｲﾝﾀがﾒﾓﾘの使用範囲#0000より小さいか," +
         highest + "より大きくなった．------- ｱﾄﾞﾚｽは," + std::to_string(pr) +
         "です．------ 実効ｱﾄﾞﾚｽは" + eff + "です.-----" + "  SP=" + sp;
}

}  // namespace casl2wb
