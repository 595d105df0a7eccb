#include "views/instruction_help.h"

#include <algorithm>
#include <array>

#include "comet2/instruction_set.h"
#include "views/help_html.h"

namespace casl2wb {
namespace {

// In the table's order of first appearance. "{...}" names the workbench's
// own texts, filled in by instructionSectionsHtml.
constexpr std::array instructions = std::to_array<InstructionExplanation>({
    {"LD", "ロード",
     "r,adr[,x] の形では実効アドレス（adr に指標レジスタ x の内容を加えた番地）の語を、"
     "r1,r2 の形ではレジスタ r2 の内容を、レジスタ r（r1）に入れます。"
     "何も書かれていない語は 0 として読みます。",
     "OF は 0。SF は入れた語のビット 15（符号）が 1 のとき 1。ZF は入れた語が 0 のとき 1。"},
    {"ST", "ストア", "レジスタ r の内容を実効アドレスの語に書き込みます。", nullptr},
    {"LAD", "ロードアドレス",
     "実効アドレスの値そのもの（adr に x の内容を加えた数）をレジスタ r に入れます。"
     "メモリを読みも書きもしないので、メモリの使用範囲の検査も受けません。"
     "和は 16 ビットに切り詰められます（#FFFF に 2 を加えると #0001）。",
     nullptr},
    {"ADDA", "算術加算",
     "r,adr[,x] では実効アドレスの語を、r1,r2 では r2 の内容を、符号付きの数"
     "（-32768～32767）としてレジスタ r（r1）に加え、和の下位 16 ビットを入れます。",
     "OF は本当の和が -32768～32767 を外れたとき 1。SF は結果の語のビット 15 が 1 のとき 1。"
     "ZF は結果の語が 0 のとき 1。#7FFF に 1 を加えると #8000 になり、FR は 110（OF と SF）です。"},
    {"ADDL", "論理加算",
     "r,adr[,x] では実効アドレスの語を、r1,r2 では r2 の内容を、符号なしの数"
     "（0～65535）としてレジスタ r（r1）に加え、和の下位 16 ビットを入れます。",
     "OF は本当の和が 65535 を越えたとき（桁あふれ）1。SF は結果の語のビット 15 が 1 のとき 1。"
     "ZF は結果の語が 0 のとき 1。#FFFF に 1 を加えると #0000 になり、FR は 101 です。"},
    {"SUBA", "算術減算",
     "r,adr[,x] では実効アドレスの語を、r1,r2 では r2 の内容を、符号付きの数として"
     "レジスタ r（r1）から引き、差の下位 16 ビットを入れます。",
     "OF は本当の差が -32768～32767 を外れたとき 1。SF は結果の語のビット 15 が 1 のとき 1。"
     "ZF は結果の語が 0 のとき 1。#8000 から 1 を引くと #7FFF になり、FR は 100 です。"},
    {"SUBL", "論理減算",
     "r,adr[,x] では実効アドレスの語を、r1,r2 では r2 の内容を、符号なしの数として"
     "レジスタ r（r1）から引き、差の下位 16 ビットを入れます。",
     "OF は本当の差が負になったとき（借り）1。SF は結果の語のビット 15 が 1 のとき 1。"
     "ZF は結果の語が 0 のとき 1。0 から 1 を引くと #FFFF になり、FR は 110 です。"},
    {"AND", "論理積",
     "レジスタ r（r1）と、実効アドレスの語（r1,r2 では r2）とのビットごとの論理積を"
     "r（r1）に入れます。メモリの語は変わりません。",
     "OF は 0。SF は結果のビット 15 が 1 のとき 1。ZF は結果が 0 のとき 1。"},
    {"OR", "論理和",
     "レジスタ r（r1）と、実効アドレスの語（r1,r2 では r2）とのビットごとの論理和を"
     "r（r1）に入れます。",
     "OF は 0。SF は結果のビット 15 が 1 のとき 1。ZF は結果が 0 のとき 1。"},
    {"XOR", "排他的論理和",
     "レジスタ r（r1）と、実効アドレスの語（r1,r2 では r2）とのビットごとの排他的論理和を"
     "r（r1）に入れます。#FFFF との排他的論理和はすべてのビットを反転します。",
     "OF は 0。SF は結果のビット 15 が 1 のとき 1。ZF は結果が 0 のとき 1。"},
    {"CPA", "算術比較",
     "レジスタ r（r1）と、実効アドレスの語（r1,r2 では r2）とを符号付きの数として比べ、"
     "フラグだけを設定します。レジスタもメモリも変わりません。",
     "OF は 0。SF は r の方が小さいとき 1、ZF は等しいとき 1。r の方が大きいときは"
     " FR は 000 です。#FFFF（-1）と #0001 を比べると FR は 010 です。"},
    {"CPL", "論理比較",
     "レジスタ r（r1）と、実効アドレスの語（r1,r2 では r2）とを符号なしの数として比べ、"
     "フラグだけを設定します。レジスタもメモリも変わりません。",
     "OF は 0。SF は r の方が小さいとき 1、ZF は等しいとき 1。r の方が大きいときは"
     " FR は 000 です。#FFFF（65535）と #0001 を比べると FR は 000 です。"},
    {"SLA", "左算術シフト",
     "レジスタ r のビット 15（符号）を残し、ビット 14～0 を実効アドレスの値（adr に x の"
     "内容を加えた数。メモリは読みません）のビット数だけ左へずらします。右からは 0 が入ります。",
     "OF は最後に押し出されたビット（ビット 14 から出たビット）。SF は結果のビット 15 が 1 の"
     "とき 1。ZF は結果が 0 のとき 1。#4001 を 1 ビットずらすと #0002 になり、FR は 100 です。"
     "ずらす数が 0 以下なら語は変わらず、OF は 0 です。"},
    {"SRA", "右算術シフト",
     "レジスタ r の 16 ビットを、実効アドレスの値のビット数だけ右へずらします。"
     "左からはビット 15（符号）と同じ値が入ります。",
     "OF は最後にビット 0 から押し出されたビット。SF は結果のビット 15 が 1 のとき 1。"
     "ZF は結果が 0 のとき 1。#8001 を 1 ビットずらすと #C000 になり、FR は 110 です。"
     "ずらす数が 0 以下なら語は変わらず、OF は 0 です。"},
    {"SLL", "左論理シフト",
     "レジスタ r の 16 ビットすべてを、実効アドレスの値のビット数だけ左へずらします。"
     "右からは 0 が入ります。",
     "OF は最後にビット 15 から押し出されたビット。SF は結果のビット 15 が 1 のとき 1。"
     "ZF は結果が 0 のとき 1。#8000 を 1 ビットずらすと #0000 になり、FR は 101 です。"
     "ずらす数が 0 以下なら語は変わらず、OF は 0 です。"},
    {"SRL", "右論理シフト",
     "レジスタ r の 16 ビットすべてを、実効アドレスの値のビット数だけ右へずらします。"
     "左からは 0 が入ります。",
     "OF は最後にビット 0 から押し出されたビット。SF は結果のビット 15 が 1 のとき 1。"
     "ZF は結果が 0 のとき 1。#0001 を 1 ビットずらすと #0000 になり、FR は 101 です。"
     "ずらす数が 0 以下なら語は変わらず、OF は 0 です。"},
    {"JMI", "負分岐",
     "SF が 1 のとき（直前の結果が負のとき）実効アドレスへ分岐します。"
     "そうでなければ次の命令へ進みます。",
     nullptr},
    {"JPL", "正分岐",
     "SF と ZF がどちらも 0 のとき（直前の結果が正のとき）実効アドレスへ分岐します。", nullptr},
    {"JNZ", "非零分岐", "ZF が 0 のとき実効アドレスへ分岐します。", nullptr},
    {"JZE", "零分岐", "ZF が 1 のとき実効アドレスへ分岐します。", nullptr},
    {"JOV", "オーバフロー分岐", "OF が 1 のとき実効アドレスへ分岐します。", nullptr},
    {"JUMP", "無条件分岐", "いつも実効アドレスへ分岐します。", nullptr},
    {"PUSH", "プッシュ",
     "SP を 1 減らし、実効アドレスの値（adr に x の内容を加えた数）を SP の指す語に"
     "書き込みます。レジスタの内容を積むには PUSH 0,GR1 のように指標レジスタに書きます。"
     "指標レジスタのない PUSH（PUSH 5 など）は、実行画面に「{pushWithoutIndex}」の警告を"
     "出したうえでその値を積みます。",
     nullptr},
    {"RPUSH", "全レジスタの退避",
     "GR1、GR2、…、GR7 の内容をこの順にスタックに積みます（GR7 が一番上）。"
     "7 個の PUSH 0,GRn に展開され、実行では 1 ステップとして記録されます。",
     nullptr},
    {"POP", "ポップ",
     "SP の指す語をレジスタ r に入れ、SP を 1 増やします。スタックが空かどうかは"
     "調べません。空のときは 0 が入り、SP がメモリの使用範囲を越えるので、次の命令で"
     "実行が止まります。",
     nullptr},
    {"RPOP", "全レジスタの復元",
     "スタックから GR7、GR6、…、GR1 の順に取り出し、RPUSH で積んだ値をもとに戻します。"
     "7 個の POP に展開されます。実行では 1 ステップとして、最後の POP の番地で記録されます。",
     nullptr},
    {"CALL", "コール",
     "SP を 1 減らして戻り番地（CALL の次の命令の番地）を積み、実効アドレスへ分岐します。",
     nullptr},
    {"RET", "リターン",
     "スタックから戻り番地を取り出して SP を 1 増やし、その番地へ戻ります。"
     "スタックが空のときは実行を終えます。主プログラムの最後の RET はこうして実行を"
     "終えます。戻り先や SP がメモリの範囲を越えたときも実行を終えます。",
     nullptr},
    {"OUT", "出力",
     "buf からの文字を 1 行として実行画面の一覧に出力し、0000 でない語の数を len の語に"
     "書き込みます。len の語は読まれません。どの語までを出力するかは"
     "<a href=\"#out-buffer\">OUT とバッファ</a>を見てください。"
     "buf と len にはラベルのほかリテラルも書けます。",
     nullptr},
    {"IN", "入力",
     "「{inputPrompt}」と尋ねる入力欄を開きます（最初は「{inputDefault}」が入っています）。"
     "入力した文字を buf から 1 語に 1 文字ずつ（文字コードで）入れ、文字数を len の語に"
     "入れます。入力欄を空にして確定したとき、取り消したとき、「-1」を入力したときは len が"
     " #FFFF（-1）になり、buf は変わりません。80 文字を越えると「{inputTooLong}」の警告が"
     "出て最初の 80 文字だけが入ります（len には入力した文字数がそのまま入ります）。",
     nullptr},
    {"NOP", "ノーオペレーション", "何もせずに次の命令へ進みます。", nullptr},
    {"SVC", "スーパバイザコール",
     "このワークベンチでは何もせずに次の命令へ進みます（2 語を占めます）。", nullptr},
    {"DMP", "ダンプ",
     "実行画面の一覧に 2 行を出します。1 行目は命令語とそれまでに実行した DMP の回数、"
     "2 行目は PC（この DMP の番地）、GR0～GR7、FR、SP の内容です。",
     nullptr},
    {"MDMP", "メモリダンプ",
     "エラーチェックでは受け付けられて 2 語を占めますが、このワークベンチでは実行されません。"
     "実行がこの語に来るとそこから先へ進まず、実行回数の上限（LMT）で実行が終わります。",
     nullptr},
});

constexpr std::array pseudoInstructions = std::to_array<PseudoInstructionExplanation>({
    {"START", "プログラムの開始", "ラベル START [実行を始める行のラベル]",
     "プログラムの 1 行目に書きます。ラベルが必要です。オペランドにラベルを書くと実行は"
     "その行から始まり、書かなければ番地 0 から始まります。この行の注釈に実行の条件"
     " LMT と MEX を書きます（<a href=\"#first-line\">1 行目と実行の条件</a>）。"
     "語を占めません。"},
    {"END", "プログラムの終わり", "END",
     "プログラムの最後の行に書きます。ラベルもオペランドも付けられません。語を占めません。"},
    {"DC", "定数", "[ラベル] DC 定数[,定数]…",
     "定数を語にして置きます。10 進数（10、-1）は 1 語、# で始まる 16 進数（#00FF）は"
     " 1 語、'ABC' のような文字列は 1 文字を 1 語（文字コード）、ラベルはその番地の 1 語です。"
     "コンマで区切ると 50 個まで並べられます（DC 1,#FF,-1 は 0001、00FF、FFFF の 3 語）。"
     "文字列の中には空白も書けます。"},
    {"DS", "領域", "[ラベル] DS 語数",
     "語数だけの領域を確保し、0000 で埋めます。DS 0 は語を占めません。OUT のバッファは"
     " DS で確保します（<a href=\"#out-buffer\">OUT とバッファ</a>）。"},
});

const InstructionExplanation* explanationOf(std::string_view mnemonic) {
  const auto found = std::find_if(instructions.begin(), instructions.end(),
                                  [&](const auto& entry) { return entry.mnemonic == mnemonic; });
  return found != instructions.end() ? &*found : nullptr;
}

// The codes 90 to 96 are marker words of the workbench's own instructions.
bool isOwnInstruction(const Instruction& row) { return row.code >= 0x90 && row.code <= 0x96; }

QString mnemonicText(std::string_view mnemonic) {
  return QString::fromLatin1(mnemonic.data(), static_cast<qsizetype>(mnemonic.size()));
}

QStringList mnemonicsWhere(bool own) {
  QStringList mnemonics;
  for (const Instruction& row : instructionSet) {
    const QString mnemonic = mnemonicText(row.mnemonic);
    if (isOwnInstruction(row) == own && !mnemonics.contains(mnemonic)) mnemonics.append(mnemonic);
  }
  return mnemonics;
}

const char* operandNotation(const Instruction& row) {
  switch (row.form) {
    case OperandForm::RegisterAddress:
      return "r,adr[,x]";
    case OperandForm::RegisterRegister:
      return "r1,r2";
    case OperandForm::Address:
      return "adr[,x]";
    case OperandForm::Register:
      return "r";
    case OperandForm::Macro:
      return row.syntax == Syntax::InOut ? "buf,len" : "";
    case OperandForm::None:
      break;
  }
  return "";
}

// Every row of the mnemonic: how it is written, its code and its length.
QString formsHtml(const QString& mnemonic) {
  QStringList forms;
  for (const Instruction& row : instructionSet) {
    if (mnemonicText(row.mnemonic) != mnemonic) continue;
    const QString operands = QString::fromLatin1(operandNotation(row));
    const QString written = operands.isEmpty() ? mnemonic : mnemonic + QLatin1Char(' ') + operands;
    const QString code = QStringLiteral("%1").arg(int{row.code}, 2, 16, QLatin1Char('0')).toUpper();
    forms.append(
        QStringLiteral("%1（コード %2、%3 語）").arg(written, code, QString::number(row.length)));
  }
  return forms.join(QStringLiteral("　"));
}

QString sectionHeading(const QString& mnemonic, const char* name) {
  return QStringLiteral("<h3><a name=\"%1\"></a>%1（%2）</h3>")
      .arg(mnemonic, QString::fromUtf8(name));
}

QString instructionSectionsHtml(const QStringList& mnemonics) {
  QString html;
  for (const QString& mnemonic : mnemonics) {
    const InstructionExplanation* explanation = explanationOf(mnemonic.toStdString());
    html += sectionHeading(mnemonic, explanation != nullptr ? explanation->name : "");
    html += QStringLiteral("<p>書き方：%1</p>").arg(formsHtml(mnemonic));
    if (explanation == nullptr) continue;  // the test of the explanations names it
    html += QStringLiteral("<p>%1</p>").arg(QString::fromUtf8(explanation->action));
    html += QStringLiteral("<p>フラグ：%1</p>")
                .arg(explanation->flags != nullptr ? QString::fromUtf8(explanation->flags)
                                                   : QStringLiteral("FR は変わりません。"));
  }
  return fillNames(html, {
                             {"pushWithoutIndex", messageHtml(Message::PushWithoutIndex)},
                             {"inputPrompt", messageHtml(Message::InputPrompt)},
                             {"inputDefault", messageHtml(Message::InputDefault)},
                             {"inputTooLong", messageHtml(Message::InputTooLong)},
                         });
}

}  // namespace

std::span<const InstructionExplanation> instructionExplanations() { return instructions; }

std::span<const PseudoInstructionExplanation> pseudoInstructionExplanations() {
  return pseudoInstructions;
}

QStringList machineInstructionMnemonics() { return mnemonicsWhere(false); }

QStringList ownInstructionMnemonics() { return mnemonicsWhere(true); }

QString machineInstructionSectionsHtml() {
  return instructionSectionsHtml(machineInstructionMnemonics());
}

QString ownInstructionSectionsHtml() { return instructionSectionsHtml(ownInstructionMnemonics()); }

QString pseudoInstructionSectionsHtml() {
  QString html;
  for (const PseudoInstructionExplanation& pseudo : pseudoInstructions) {
    html += sectionHeading(mnemonicText(pseudo.mnemonic), pseudo.name);
    html += QStringLiteral("<p>書き方：%1</p><p>%2</p>")
                .arg(QString::fromUtf8(pseudo.forms), QString::fromUtf8(pseudo.action));
  }
  html += QStringLiteral(
      "<h3><a name=\"literals\"></a>リテラル</h3>"
      "<p>=10、=#00FF、='ABC'、=' ' のように「=」で始まるオペランドはリテラルです。"
      "その定数がプログラムの後ろに置かれ、その番地がオペランドになります。"
      "2 語の命令の第 2 オペランド、OUT の両方のオペランド、IN の第 2 オペランドに書けます。"
      "同じリテラルを 2 度書くと 2 つ置かれます。</p>");
  return html;
}

bool hasHelpSection(const QString& mnemonic) {
  const InstructionForms forms = instructionForms(mnemonic.toStdU32String());
  if (forms.main != nullptr || forms.registerForm != nullptr) return true;
  return std::any_of(pseudoInstructions.begin(), pseudoInstructions.end(),
                     [&](const auto& pseudo) { return mnemonicText(pseudo.mnemonic) == mnemonic; });
}

}  // namespace casl2wb
