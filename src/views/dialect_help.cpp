#include "views/dialect_help.h"

#include <QStringList>
#include <array>

#include "views/editor_texts.h"
#include "views/help_html.h"

namespace casl2wb {

namespace {

struct Difference {
  const char* rule;
  const char* workbench;
  const char* standard;
  const char* example;  // two lines, "\n" between them
};

constexpr std::array differences = {
    Difference{"主記憶", "256 語（MEX で 512 語）。外を指すと番地エラーで終わります。",
               "65536 語。プログラムは 0 番地から置かれます。", "  ST GR1,#1000\n  RET"},
    Difference{"LMT と MEX", "1 行目の LMTnnnnn が繰り返しの上限、MEX が 512 語です。",
               "ありません（注釈です）。実行は 10000000 ステップで打ち切られます。",
               "PRG START ;LMT00100\nLOOP JUMP LOOP"},
    Difference{"タブ", "ふつうの文字です。欄は空白だけで区切ります。",
               "空白とタブのどちらでも欄を区切れます。", "⇥LAD⇥GR1,1\n⇥RET"},
    Difference{"空行", "プログラムの終わりとみなされます。", "どこにあってもかまいません。",
               "  JUMP FIN\n（空行）"},
    Difference{"START の前と END の後の注釈行",
               "1 行目は START 命令でなければなりません。END の後には書けません。",
               "注釈行と空行はどこにでも書けます（字下げした注釈行も）。",
               "; 二つの数を足す\nPRG START"},
    Difference{"1 行の長さ", "72 文字を越えるとエラーです。", "制限はありません。",
               "  LAD GR1,1 ; 72 文字を越える長い注釈 …\n  RET"},
    Difference{"ラベル", "プログラム全体で一つの表です。START を二つ書いても一つのプログラムです。",
               "START～END の単位ごとの表です。START のラベルは単位の名前で、どの単位からも"
               " CALL できます。ファイルを分けることもできます（--link）。",
               "LOOP SUBA GR1,=1   （単位 MAIN）\nLOOP ADDA GR1,GR1  （単位 SUB）"},
    Difference{"DC の ''", "引用符の間のすべての文字が語になります（'' は 2 語）。",
               "'' は引用符 1 文字です。", "TEXT DC 'IT''S'\nLEN DC 4"},
    Difference{"LAD、ST、シフトのリテラル", "使えません（ラベルの誤りになります）。",
               "番地を書けるところならどこでも使えます。シフトではリテラルの番地が桁数です。",
               "  LAD GR1,=5\n  SLL GR1,=2"},
    Difference{"GR8", "LAD、ST、シフトでは GR8 が通り、GR0 として扱われます。",
               "GR0～GR7 以外はエラーです。", "  LAD GR8,1\n  RET"},
    Difference{"OUT", "バッファを 0 の語まで出力し、長さの語に書き込みます。",
               "長さの語が示す文字数だけ出力します。長さの語は読むだけです。",
               "  OUT BUF,ONE\nONE DC 1"},
    Difference{"IN の空行", "長さは -1（入力の終わりと同じ）です。",
               "長さは 0 です。入力の終わりでは -1 です。", "  IN BUF,LEN\n  LD GR1,LEN"},
    Difference{"SVC", "何もしません。",
               "SVC 1 が IN、SVC 2 が OUT の入出力です。ほかの番号は実行を終わらせます。",
               "  SVC 3\n  RET"},
    Difference{"スタックのあふれ", "スタックは 0100 番地から下へ伸び、プログラムを上書きします。",
               "スタックは FFFF 番地から下へ伸び、プログラムに届くとエラーで終わります。",
               "LOOP PUSH 0\n  JUMP LOOP"},
    Difference{"DMP と MDMP", "このワークベンチ独自の命令です。", "命令ではありません。",
               "  DMP\n  RET"},
};

}  // namespace

QString dialectHelpHtml() {
  QString rows;
  for (const Difference& d : differences) {
    rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td><pre>%4</pre></td></tr>")
                .arg(QString::fromUtf8(d.rule).toHtmlEscaped(),
                     QString::fromUtf8(d.workbench).toHtmlEscaped(),
                     QString::fromUtf8(d.standard).toHtmlEscaped(),
                     QString::fromUtf8(d.example).toHtmlEscaped());
  }
  return fillNames(
      QStringLiteral(
          "<h2><a name=\"dialects\"></a>CASL II 規格とワークベンチ方言</h2>"
          "<p>メニュー「{dialectMenu}」で、プログラムを読む言語を選びます。"
          "「{standard}」は情報処理技術者試験で公開されている CASL II の仕様どおりの言語で、"
          "「{workbench}」はこのワークベンチ独自の言語です。選んだ言語は状態行に表示され、"
          "次に起動したときも使われます。言語を変えたら、実行の前にエラーチェックをやり直します。"
          "エラーチェック、実行、ステップ実行、印刷は選んだ言語に従います。</p>"
          "<p>CASL II 規格では、IN と OUT は GR1 と GR2 をスタックに退避して SVC 1（入力）、"
          "SVC 2（出力）を呼ぶ命令の並びに、RPUSH と RPOP は PUSH と POP の並びに展開されます。"
          "リテラルは使われるごとに、その単位の END の直前に置かれます。実行の画面では、"
          "「番地」に 16 進数を入れると、その番地からの主記憶が一覧に表示されます。</p>"
          "<table border=\"1\" cellpadding=\"3\"><tr><th>規則</th><th>{workbench}</th>"
          "<th>{standard}</th><th>例（2 行）</th></tr>") +
          rows + QStringLiteral("</table>"),
      {{"dialectMenu", menuName(editor_texts::dialectMenu)},
       {"standard", quotedText(editor_texts::standardDialectAction)},
       {"workbench", quotedText(editor_texts::workbenchDialectAction)}});
}

}  // namespace casl2wb
