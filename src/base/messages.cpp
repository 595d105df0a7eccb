#include "base/messages.h"

namespace casl2wb {

namespace {

// A message as the catalogue keeps it: most are plain text, those of the
// check, the translation and a run have a banner around the text.
struct CatalogueEntry {
  // Not explicit: an entry of the catalogue is most often just its text.
  CatalogueEntry(const char* plain) : text(plain) {}
  CatalogueEntry(std::string_view opening, std::string_view plain, std::string_view closing)
      : banner{opening, closing}, text(plain) {}

  MessageBanner banner;
  std::string_view text;
};

CatalogueEntry catalogueEntry(Message message) {
  switch (message) {
    case Message::LineTooLong:
      return "１行の文字数が７２文字を越えています。";
    case Message::NoStart:
      return {"***** ｴﾗ- *****", "プログラムの最初にSTART命令がありません。", ""};
    case Message::StartWithoutLabel:
      return {"***** ｴﾗ- ***** ", "ﾗﾍﾞﾙがありません..", " *********"};
    case Message::LabelNotAllowed:
      return {"***** ｴﾗ- ***** ", "ﾗﾍﾞﾙをつけてはいけない.", "*****"};
    case Message::OperandNotAllowed:
      return {"***** ｴﾗ- ***** ", "ｵﾍﾟﾗﾝﾄﾞをつけてはいけない.", "*****"};
    case Message::StraySpace:
      return {"***** ｴﾗ- *****",
              "ラベル欄の先頭，または，オペランド欄に余分なスペースが入っています。オペランド欄にス"
              "ペースを入れてはいけません。",
              ""};
    case Message::BranchIndexBad:
      return {"****** ｴﾗ- ******  ", "指標レジスタが違います．", " ******"};
    case Message::ThirdOperandNotAllowed:
      return {"****** ｴﾗ- ****** ", "第3ｵﾍﾟﾗﾝﾄﾞをつけてはいけない｡", "******"};
    case Message::FirstOperandNotRegister:
      return {"***** ｴﾗ- ***** ", "第1ｵﾍﾟﾗﾝﾄﾞがGRn（n=0,1,2,・・・7）になっていません。", "*****"};
    case Message::SecondOperandTooLong:
      return {"***** ｴﾗ- ***** ", "第2ｵﾍﾟﾗﾝﾄﾞが8文字を越えています。", "*****"};
    case Message::SecondOperandBad:
      return {"***** ｴﾗ- ***** ", "第2ｵﾍﾟﾗﾝﾄﾞが違います｡", " *****"};
    case Message::PopOperandBad:
      return {"****** ｴﾗ- ****** ", "第1ｵﾍﾟﾗﾝﾄﾞが違います。", "******"};
    case Message::SecondOperandNotAllowed:
      return {"****** ｴﾗ- ****** ", "第2ｵﾍﾟﾗﾝﾄﾞをつけてはいけない｡", "******"};
    case Message::IndexNotRegister:
      return {"***** ｴﾗ- ***** ", "第3ｵﾍﾟﾗﾝﾄﾞがGRn（n=1,2,・・・7）になっていません。", "*****"};
    case Message::UnknownOperation:
      return {"****** ｴﾗ- ****** ", "CASLⅡの命令語ではありません。", "********"};
    case Message::LabelTooLong:
      return {"***** エラー ***** ", "ラベルに誤りがある(８文字を越えている）", " *****"};
    case Message::LabelBad:
      return {"***** エラー ***** ", "ラベルに誤りがある", " *****"};
    case Message::DsCountBad:
      return {"***** ｴﾗ- ***** ", "DSの語数が違います｡", "*****"};
    case Message::TooManyLines:
      return {"***** ｴﾗ- ***** ", "行数が1013行を越えています。1014行目以降は処理しません。",
              "*****"};
    case Message::NoRet:
      return {"***** ｴﾗ- ***** ", "RET 命令がありません｡", "*****"};
    case Message::NoEnd:
      return {"***** ｴﾗ- ***** ", "END 命令がありません｡", "*****"};
    case Message::LabelUndefined:
      return {"***** ｴﾗ- ***** ", "行番号 {} の第{}ｵﾍﾟﾗﾝﾄﾞ{}はﾗﾍﾞﾙ欄にありません｡", "*****"};
    case Message::LabelTwice:
      return {"***** ｴﾗ- ***** ", "行番号 {} の第{}ｵﾍﾟﾗﾝﾄﾞ{}はﾗﾍﾞﾙ欄に2箇所あります｡", "*****"};
    case Message::NoErrors:
      return "機械語に変換する前のエラー個数は0個です。";
    case Message::ErrorTotal:
      return "{}個のエラーがあります。";
    case Message::IndexGr0:
      return {"***** ｴﾗ- ***** ", "行番号 {} の第3ｵﾍﾟﾗﾝﾄﾞの指標レジスタにGR0は使用できません｡",
              "*****"};
    case Message::ProgramTooLarge:
      return {"***** ｴﾗ- ***** ", "プログラムがメモリに入りきりません｡", "*****"};
    case Message::PassLimitBad:
      return {"****** ｴﾗ- ****** ",
              "無限ﾙ-ﾌﾟﾊﾟﾗﾒ-ﾀ設定が違います.----- LMT以下5文字で数値を設定してください.-----", ""};
    case Message::HistoryLimit:
      return "実行回数が９９９回を越えていますのでメモリの変化のトレースは９９９回までとします。";
    case Message::PushWithoutIndex:
      return {"******* 警告 ******* ", "GR0は使用できません", "　*******"};
    case Message::InputTooLong:
      return {"******* 警告 ******* ", "入力ﾃﾞ-ﾀが80語を越えたので以降の文字を無視します.",
              "*******"};
    case Message::AddressOutOfRange:
      return {"****** ｴﾗ- ****** ",
              "実行ｱﾄﾞﾚｽか,ﾌﾟﾛｸﾞﾗﾑｶｳﾝﾀか,ｽﾀｯｸﾎﾟｲﾝﾀがﾒﾓﾘの使用範囲#0000より小さいか,{}"
              "より大きくなった．------- ｱﾄﾞﾚｽは,{}です．------ 実効ｱﾄﾞﾚｽは{}です.-----  SP={}",
              ""};
    case Message::InputPrompt:
      return "IN命令の入力";
    case Message::InputTitle:
      return "IN";
    case Message::InputDefault:
      return "0";
    case Message::CannotWrite:
      return "ファイル「{}」に書き込めませんでした。\n{}";
    case Message::CannotRead:
      return "ファイル「{}」を読み込めませんでした。\n{}";
    case Message::ReadFolder:
      return "フォルダは読み込めません。";
    case Message::ReadNotRegularFile:
      return "通常のファイルではありません。パイプや装置などは読み込めません。";
    case Message::ReadTooLarge:
      return "ファイルが大きすぎます。読み込めるのは{}バイトまでです。";
    case Message::WorkFileFailed:
      return "作業ファイル「{}」を書き込んで読み戻すことができませんでした。\n{}";
    case Message::TextTooLargeToCheck:
      return "プログラムが大きすぎるため、エラーチェックできません。\n"
             "エラーチェックできるのは{}文字までです。";
    case Message::FileNameNeeded:
      return "ファイル名が入力されていません。ファイル名を入力してください。";
    case Message::PrintingFailed:
      return "プリンタを使えなかったため、印刷できませんでした。";
    case Message::FindEnded:
      return "文書の検索が終わりました。";
    case Message::FindAndReplaceEnded:
      return "文書の検索と置換が終わりました。";

    // The editor and the file window.
    case Message::OverwriteFile:
      return "ファイル「{}」は既にあります。\n上書きしますか？";
    case Message::ReasonNoSuchFile:
      return "ファイルまたはフォルダが見つかりません。";
    case Message::ReasonPermissionDenied:
      return "アクセスが許可されていません。";
    case Message::ReasonIsFolder:
      return "ファイルではなくフォルダです。";
    case Message::ReasonDiskFull:
      return "ディスクに空きがありません。";
    case Message::ReasonReadOnlyFileSystem:
      return "読み取り専用のファイルシステムです。";

    // The execution window.
    case Message::RunWithoutProgram:
      return "実行できるプログラムがありません。\n"
             "エラーチェックで機械語に変換してから実行してください。";
    case Message::RunAfterErrors:
      return "エラーチェックでエラーが見つかったため、実行できません。\n"
             "エラーを直して、もう一度エラーチェックしてください。";
    case Message::ReplayStep:
      return "ステップ {} / {}";
    case Message::RunEndedAtReturn:
      return "RET命令で実行を終了しました。";
    case Message::RunEndedAtPassLimit:
      return "実行回数が上限の{}回を越えたため、実行を打ち切りました。";
    case Message::RunEndedAtAddressError:
      return "アドレスがメモリの使用範囲を外れたため、実行を打ち切りました。";
    case Message::RunEndedAtBlankWord:
      return "番地{}の語が空白（命令語がない）のため、実行を終了しました。";

    // The editor.
    case Message::UnsavedFileText:
      return "「{}」の変更は保存されていません。";
    case Message::UnsavedNewText:
      return "編集中のプログラムはどのファイルにも保存されていません。";
    case Message::SaveBeforeEnd:
      return "{}\n保存してから終了しますか？";
    case Message::SaveBeforeClear:
      return "{}\n保存してから消去しますか？";
    case Message::SaveBeforeLoad:
      return "{}\n保存してから「{}」を読み込みますか？";
    case Message::SaveBeforeRestore:
      return "{}\n保存してから、残っていたプログラムを復元しますか？";
    case Message::RecoveryOffer:
      return "正しく終了しなかったときの編集中のプログラムが残っています。\n"
             "元のファイル：{}\n"
             "自動保存の日時：{}（{}行）\n"
             "復元しますか？「後で」を選ぶと、次に起動したときにもう一度確かめます。";
    case Message::RecoveryNoFile:
      return "（なし）";
    case Message::RecoveryFailed:
      return "編集中のプログラムを自動保存できませんでした。{}";
    case Message::GoToLinePrompt:
      return "移動先の行番号（1～{}）：";
    case Message::GoToLineTitle:
      return "行へ移動";
    case Message::LineNumberBad:
      return "行番号は1から{}までの数で指定してください。";
    case Message::NoErrorLines:
      return "エラーのある行はありません。";
    case Message::TabsInText:
      return "タブ文字があります。このワークベンチではフィールドを空白だけで区切ります。";

    // The execution window.
    case Message::ProgramChangedSinceCheck:
      return "エラーチェックの後でプログラムが変更されました。\n"
             "変更したプログラムを実行するには、もう一度エラーチェックしてください。";
    case Message::NothingToPrint:
      return "印刷するものがありません。\nプログラムを実行してから印刷してください。";

    case Message::RunHeading:
      return "── 実行 {} ──";
    case Message::NoBreakpoints:
      return "ブレークポイントがありません。エディタの行番号をクリックするか F9 "
             "で設定してください。";
    case Message::NoBreakAfter:
      return "この後にブレークポイントの行を実行したステップはありません。";
    case Message::NoBreakBefore:
      return "この前にブレークポイントの行を実行したステップはありません。";

    // The replace dialog.
    case Message::ReplacedAll:
      return "文書の検索と置換が終わりました。\n{}か所を置換しました。";
    case Message::NothingReplaced:
      return "文書の検索と置換が終わりました。\n「{}」は見つかりませんでした。";

    // The help window.
    case Message::HelpTextNotFound:
      return "「{}」はヘルプにありません。";

    // The check of standard CASL II.
    case Message::StdStatementOutsideUnit:
      return {"***** エラー ***** ", "START 命令より前か END 命令の後に命令があります。", " *****"};
    case Message::StdNoEnd:
      return {"***** エラー ***** ", "END 命令がないままファイルが終わっています。", " *****"};
    case Message::StdStartBeforeEnd:
      return {"***** エラー ***** ", "前のプログラムの END 命令より前に START 命令があります。",
              " *****"};
    case Message::StdStartWithoutLabel:
      return {"***** エラー ***** ", "START 命令にラベルがありません。", " *****"};
    case Message::StdLabelNotAllowed:
      return {"***** エラー ***** ", "{} 命令にはラベルを付けられません。", " *****"};
    case Message::StdLabelBad:
      return {"***** エラー ***** ",
              "ラベル {} は使えません（英大文字で始まる英大文字・数字8文字以内、GR0～GR7 以外）。",
              " *****"};
    case Message::StdLabelTwice:
      return {"***** エラー ***** ", "ラベル {} が二つ以上あります。", " *****"};
    case Message::StdLabelUndefined:
      return {"***** エラー ***** ", "ラベル {} がありません。", " *****"};
    case Message::StdNoOperation:
      return {"***** エラー ***** ", "命令がありません。", " *****"};
    case Message::StdUnknownOperation:
      return {"***** エラー ***** ", "{} は CASL II の命令ではありません。", " *****"};
    case Message::StdOperandCount:
      return {"***** エラー ***** ", "{} 命令のオペランドの数または形が違います。", " *****"};
    case Message::StdRegisterBad:
      return {"***** エラー ***** ", "{} は汎用レジスタ（GR0～GR7）ではありません。", " *****"};
    case Message::StdIndexBad:
      return {"***** エラー ***** ", "{} は指標レジスタ（GR1～GR7）ではありません。", " *****"};
    case Message::StdAddressBad:
      return {"***** エラー ***** ",
              "{} はアドレス（10進定数、16進定数、ラベル、リテラル）ではありません。", " *****"};
    case Message::StdConstantBad:
      return {"***** エラー ***** ",
              "{} は定数（10進定数、16進定数、文字定数、ラベル）ではありません。", " *****"};
    case Message::StdCountBad:
      return {"***** エラー ***** ", "{} は語数（0～65535 の10進定数）ではありません。", " *****"};
    case Message::StdQuoteUnclosed:
      return {"***** エラー ***** ", "文字定数の ' が閉じていません。", " *****"};
    case Message::StdEntryNotInUnit:
      return {"***** エラー ***** ",
              "START の実行開始番地 {} はこのプログラムのラベルではありません。", " *****"};
    case Message::StdProgramTooLarge:
      return {"***** エラー ***** ", "プログラムが主記憶（65536語）に入りきりません。", " *****"};
    case Message::StdNoProgram:
      return {"***** エラー ***** ", "START 命令と END 命令で囲まれたプログラムがありません。",
              " *****"};
    case Message::StdFileHeading:
      return "ファイル：{}";

    // A run of standard CASL II.
    case Message::StdEndedAtReturn:
      return "プログラムが終了しました。（実行ステップ数：{}）";
    case Message::StdEndedAtStepLimit:
      return {"***** エラー ***** ",
              "実行ステップ数が上限の {} に達したので実行を打ち切りました。（PR=#{}）", " *****"};
    case Message::StdEndedAtStackOverflow:
      return {"***** エラー ***** ",
              "スタックがあふれました。（実行ステップ数：{}、PR=#{}、SP=#{}）", " *****"};
    case Message::StdEndedAtStackUnderflow:
      return {"***** エラー ***** ",
              "空のスタックから取り出そうとしました。（実行ステップ数：{}、PR=#{}）", " *****"};
    case Message::StdEndedAtAddressError:
      return {"***** エラー ***** ",
              "主記憶の範囲（#0000～#FFFF）の外を参照しました。（実行ステップ数：{}、PR=#{}）",
              " *****"};
    case Message::StdEndedAtBadInstruction:
      return {"***** エラー ***** ",
              "命令ではない語を実行しようとしました。（実行ステップ数：{}、PR=#{}、語=#{}）",
              " *****"};
    case Message::StdEndedAtBadSupervisorCall:
      return {"***** エラー ***** ",
              "SVC {} はこのシステムにありません。（実行ステップ数：{}、PR=#{}）", " *****"};
    case Message::StdInputPrompt:
      return "IN命令の入力（1行、256文字まで）";
    case Message::StdDialectCaption:
      return "方言：{}";
    case Message::StdDialectName:
      return "CASL II 規格";
    case Message::WorkbenchDialectName:
      return "ワークベンチ方言";
  }
  return "";
}

// Appends the text with each "{}" replaced by the next argument.
template <typename Arguments>
void appendFilledIn(std::string& result, std::string_view text, const Arguments& arguments) {
  auto argument = arguments.begin();
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t mark = text.find("{}", at);
    if (mark == std::string_view::npos || argument == arguments.end()) {
      result += text.substr(at);
      break;
    }
    result += text.substr(at, mark - at);
    result += *argument++;
    at = mark + 2;
  }
}

}  // namespace

std::string_view messageText(Message message) { return catalogueEntry(message).text; }

MessageBanner messageBanner(Message message) { return catalogueEntry(message).banner; }

namespace {

template <typename Arguments>
std::string formatted(Message message, const Arguments& arguments, bool withBanner) {
  std::string result;
  if (!withBanner) {
    appendFilledIn(result, messageText(message), arguments);
    return result;
  }
  const CatalogueEntry entry = catalogueEntry(message);
  result.reserve(entry.banner.opening.size() + entry.text.size() + entry.banner.closing.size() +
                 32);
  result += entry.banner.opening;
  appendFilledIn(result, entry.text, arguments);
  result += entry.banner.closing;
  return result;
}

}  // namespace

std::string formatMessage(Message message, std::initializer_list<std::string_view> arguments) {
  return formatted(message, arguments, true);
}

std::string formatPlainMessage(Message message, std::initializer_list<std::string_view> arguments) {
  return formatted(message, arguments, false);
}

std::string formatMessage(Message message, const std::vector<std::string>& arguments,
                          bool withBanner) {
  return formatted(message, arguments, withBanner);
}

}  // namespace casl2wb
