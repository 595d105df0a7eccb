#include "views/help_document.h"

#include <QStringList>
#include <iterator>

#include "assembler/assembled_program.h"
#include "assembler/line_splitter.h"
#include "assembler/source_table.h"
#include "views/dialect_help.h"
#include "views/editor_texts.h"
#include "views/execution_texts.h"
#include "views/file_window_texts.h"
#include "views/find_texts.h"
#include "views/help_html.h"
#include "views/instruction_help.h"
#include "views/product_title.h"
#include "views/source_edit.h"
#include "views/text_conversion.h"

namespace casl2wb {
namespace {

namespace editor = editor_texts;
namespace execution = execution_texts;
namespace files = file_window_texts;
namespace finding = find_texts;

// Links to the sections of the mnemonics.
QString topicLinks(const QStringList& mnemonics) {
  QStringList links;
  for (const QString& mnemonic : mnemonics) {
    links.append(QStringLiteral("<a href=\"#%1\">%1</a>").arg(mnemonic));
  }
  return links.join(QLatin1Char(' '));
}

QStringList pseudoInstructionMnemonics() {
  QStringList mnemonics;
  for (const PseudoInstructionExplanation& pseudo : pseudoInstructionExplanations()) {
    mnemonics.append(QString::fromLatin1(pseudo.mnemonic.data(),
                                         static_cast<qsizetype>(pseudo.mnemonic.size())));
  }
  return mnemonics;
}

// The columns where Tab stops: the field columns after the first, then every
// few columns.
QString tabColumnsText() {
  QStringList columns;
  for (auto field = std::next(std::begin(fieldColumns)); field != std::end(fieldColumns); ++field) {
    columns.append(QString::number(*field));
  }
  return QStringLiteral("%1 桁目、その後は %2 桁ごと")
      .arg(columns.join(QStringLiteral("、")), QString::number(commentTabWidth));
}

}  // namespace

QString usageHelpHtml() {
  return fillNames(
      QStringLiteral(
          "<h2><a name=\"usage\"></a>{title} の使い方</h2>"
          "<h3>プログラムを入力する</h3>"
          "<p>上の欄に CASL II のプログラムを 1 行に 1 命令ずつ入力します。"
          "ラベルは行の先頭から書き、ラベルのない行は空白で始めます。"
          "「;」から行末まではコメントです。</p>"
          "<h3>{checkAction}</h3>"
          "<p>メニューの「{checkAction}」でプログラムを検査します。"
          "下の欄に各行のアドレスと内容、エラーのメッセージが表示されます。"
          "エラーがなければ機械語に翻訳され、メモリの内容も表示されます。"
          "エラーの行にマウスを置くとメッセージが表示されます。</p>"
          "<h3>{fileMenu}</h3>"
          "<p>「{fileMenu}」メニューの「{fileWindowAction}」でファイル画面を開きます。"
          "フォルダとファイル（*.txt）を選んで「{loadAndCheckAction}」を押すと、"
          "ファイルを読み込んで検査します。「{fileSaveAction}」は入力中のプログラムを"
          "選んだファイル名で書き込みます。「{fileSaveAsAction}」では書き込み先を選べます。</p>"
          "<h3>{editMenu}</h3>"
          "<p>「{editMenu}」メニューで {cutAction}（{cutKey}）、{copyAction}（{copyKey}）、"
          "{pasteAction}（{pasteKey}）、{findAction}（{findKey}）、{replaceAction}（{replaceKey}）"
          "ができます。</p>"
          "<h3>{executionWindowsAction}</h3>"
          "<p>エラーのないプログラムは「{executionWindowsAction}」で COMET II "
          "の実行画面を開いて動かします。"
          "「{stepButton}」ボタンで 1 命令ずつ実行の様子を振り返れます。</p>"
          "<h3>保存と復元</h3>"
          "<p>{saveKey} でプログラムを読み込んだファイル（なければ名前を付けて）に保存します。"
          "保存していない変更があるとタイトルの先頭に「*」が付きます。"
          "「{clearAction}」はプログラムとメッセージを消します。"
          "「{endAction}」でプログラムを終わります。保存していない変更があるときは、"
          "消したり終わったり別のファイルを読み込んだりする前に、保存するかどうかを確かめます。"
          "保存していない変更は自動保存され、異常終了した後の次の起動で復元できます。</p>"),
      {
          {"title", productTitle().toHtmlEscaped()},
          {"checkAction", menuName(editor::checkAction)},
          {"fileMenu", menuName(editor::fileMenu)},
          {"fileWindowAction", menuName(editor::fileWindowAction)},
          {"loadAndCheckAction", menuName(files::loadAndCheckAction)},
          {"fileSaveAction", menuName(files::saveAction)},
          {"fileSaveAsAction", menuName(files::saveAsAction)},
          {"editMenu", menuName(editor::editMenu)},
          {"cutKey", keyText(editor::cutKey)},
          {"copyKey", keyText(editor::copyKey)},
          {"pasteKey", keyText(editor::pasteKey)},
          {"findKey", keyText(editor::findKey)},
          {"replaceKey", keyText(editor::replaceKey)},
          {"cutAction", menuName(editor::cutAction)},
          {"copyAction", menuName(editor::copyAction)},
          {"pasteAction", menuName(editor::pasteAction)},
          {"findAction", menuName(editor::findAction)},
          {"replaceAction", menuName(editor::replaceAction)},
          {"executionWindowsAction", menuName(editor::executionWindowsAction)},
          {"stepButton", quotedText(execution::stepButton)},
          {"clearAction", menuName(editor::clearAction)},
          {"endAction", menuName(editor::endAction)},
          {"saveKey", keyText(editor::saveKey)},
      });
}

QString rulesHelpHtml() {
  return fillNames(
      QStringLiteral(
          "<h2><a name=\"rules\"></a>このワークベンチの規則</h2>"
          "<h3><a name=\"line-format\"></a>1 行の書き方</h3>"
          "<p>1 行には、ラベル、命令、オペランド、注釈をこの順に書きます。欄と欄は空白だけで"
          "区切ります。タブは区切りにならず、ふつうの文字として扱われます。プログラムにタブが"
          "あると状態行に「{tabsInText}」と表示され、「{convertTabsButton}」で空白に直せます。</p>"
          "<p>行の先頭が空白でなければ、最初の語はラベルです。ラベルのない行は空白で始めます"
          "（先頭から LD GR1,A と書くと、LD がラベル、GR1,A が命令とみなされます）。"
          "オペランドの中に空白を入れてはいけません（'A B' のような文字列と =' ' の中は別です）。"
          "「;」から行末までは注釈です。</p>"
          "<p>1 行は {maxLineLength} 文字までです。越えると「{lineTooLong}」というエラーに"
          "なります（その行も検査されます）。プログラムは {maxLines} 行までで、越えると"
          "「{tooManyLines}」となります。</p>"
          "<p>プログラムの途中の空行やラベルだけの行は、そこでプログラムが終わったものと"
          "みなされます。その後ろの行のラベルは見つからず、END もないことになります。"
          "注釈だけの行はかまいません。</p>"
          "<h3><a name=\"labels\"></a>ラベルとレジスタ</h3>"
          "<p>ラベルは英大文字 A～Z と数字 0～9 の 8 文字までです。小文字、記号、かなは"
          "使えません。大文字と小文字は区別され、先頭が数字でもかまいません。オペランドで"
          "ラベルを指すときは英字を 1 つ以上含めます（1234 は数として読まれます）。"
          "命令も大文字で書きます。レジスタは GR0～GR7、指標レジスタは GR1～GR7 で、"
          "GR0 は指標レジスタに使えません。</p>"
          "<h3><a name=\"first-line\"></a>1 行目と実行の条件（LMT、MEX）</h3>"
          "<p>1 行目は START 命令で、ラベルが必要です。最後の行は END 命令です。"
          "RET 命令も必要です。1 行目の注釈には実行の条件を書けます。</p>"
          "<ul>"
          "<li>LMT に続けて 5 桁の数字（LMT00000～LMT99999）で実行回数の上限を決めます。"
          "書かなければ上限は {defaultPassLimit} です。続く 5 文字が数字でないと、実行画面に"
          "「{passLimitBad}」と出て、上限は {defaultPassLimit} "
          "になります。上限を越えると実行を打ち切ります"
          "（終わらないループで止まらなくなるのを防ぎます）。数えるのは実行の巡回の数で、"
          "1 巡で命令がいくつか続けて実行されることがあります。</li>"
          "<li>MEX と書くとメモリが {extendedWords} 語（#0000～#{extendedLast}）になります。"
          "書かなければ {standardWords} 語（#0000～#{standardLast}）です。</li>"
          "</ul>"
          "<p>LMT と MEX は注釈の中に空白を入れずに続けて書くのが確実です"
          "（例：PGM START ;LMT20000MEX）。START にオペランドがあるとき"
          "（PGM START MAIN ;LMT20000 MEX）は空白で区切ってもかまいません。オペランドのない"
          " START で注釈を空白で区切ると、注釈の 2 語目だけが読まれます。</p>"
          "<h3><a name=\"memory\"></a>メモリとスタック</h3>"
          "<p>プログラム、データ、スタックはすべて {standardWords} 語（MEX では {extendedWords} "
          "語）に収めます。スタックは #{standardTop}（MEX では #{extendedTop}）から下の番地へ"
          "伸びます。実行中に PR、"
          "実効アドレス、SP がこの範囲を外れると、エラーの行を出して実行が止まります。"
          "LAD とシフト命令の実効アドレスはメモリを指さないので検査されません。</p>"
          "<p>実行の記録は 999 ステップまでです。越えると「{historyLimit}」と知らせ、"
          "実行は続けます。</p>"
          "<h3><a name=\"out-buffer\"></a>OUT とバッファ</h3>"
          "<p>OUT buf,len のバッファ buf は DS で確保し、1 語に 1 文字（下位 8 ビットに"
          "文字コード）を入れておきます。OUT は次のように出力します。</p>"
          "<ol>"
          "<li>OUT のオペランド buf と同じラベルの DS の語数を n とします。OUT がいくつ"
          "あっても、n はプログラムの最後の OUT とその DS で決まります。</li>"
          "<li>buf から buf+n までの n+1 語（DS の領域の次の 1 語も含みます）のうち、"
          "0000 でない語を数えます。この数が len の語に"
          "書き込まれます。len にあらかじめ入れた値は使われません。</li>"
          "<li>buf から、数えた語数だけの文字を 1 行にして出力します。途中に 0000 の語や"
          "何も書かれていない語があれば、そこで行は終わります。</li>"
          "</ol>"
          "<p>ですからバッファの文字は先頭から詰めて入れ、残りは 0000 にしておきます。"
          "DS で確保していないバッファ（リテラルや DC）では n は前に決まった値（はじめは 0）"
          "のままなので、1 文字しか出力されないことがあります。</p>"),
      {
          {"tabsInText", messageHtml(Message::TabsInText)},
          {"convertTabsButton", quotedText(editor::convertTabsButton)},
          {"maxLineLength", QString::number(maxLineLength)},
          {"lineTooLong", messageHtml(Message::LineTooLong)},
          {"maxLines", QString::number(SourceTable::maxLines)},
          {"tooManyLines", messageHtml(Message::TooManyLines)},
          {"passLimitBad", messageHtml(Message::PassLimitBad)},
          {"defaultPassLimit", QString::number(RunParameters::defaultPassLimit)},
          {"standardWords", QString::number(standardMemoryWords)},
          {"extendedWords", QString::number(extendedMemoryWords)},
          {"standardLast", fromStd(Word::of(standardMemoryWords - 1).text())},
          {"extendedLast", fromStd(Word::of(extendedMemoryWords - 1).text())},
          {"standardTop", fromStd(Word::of(standardMemoryWords).text())},
          {"extendedTop", fromStd(Word::of(extendedMemoryWords).text())},
          {"historyLimit", messageHtml(Message::HistoryLimit)},
      });
}

QString keysHelpHtml() {
  return fillNames(
      QStringLiteral(
          "<h2><a name=\"keys\"></a>キー操作</h2>"
          "<h3>エディタ</h3>"
          "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
          "<tr><td>{cutKey}、{copyKey}、{pasteKey}</td>"
          "<td>{cutAction}、{copyAction}、{pasteAction}</td></tr>"
          "<tr><td>Ctrl+X、Ctrl+V</td><td>プログラムの欄の中での切り取りと貼り付け</td></tr>"
          "<tr><td>{findKey}、{replaceKey}</td><td>{findAction}と{replaceAction}</td></tr>"
          "<tr><td>Tab</td><td>次の欄の位置（{tabColumns}）まで空白を入れます。"
          "複数の行を選んでいるときは、行全体を次の欄の位置まで字下げします。</td></tr>"
          "<tr><td>Shift+Tab</td><td>選んだ行の字下げを前の欄の位置まで戻します。</td></tr>"
          "<tr><td>{saveKey}</td><td>読み込んだファイル（なければ名前を付けて）に保存</td></tr>"
          "<tr><td>{nextErrorKey}、{previousErrorKey}</td><td>次、前のエラーの行へ移動</td></tr>"
          "<tr><td>{goToLineKey}</td><td>番号で指定した行へ移動</td></tr>"
          "<tr><td>{helpMenuKey}</td><td>「{helpMenu}」メニューを開く</td></tr>"
          "<tr><td>{helpTopicKey}</td><td>カーソルのある行の命令の説明をこのヘルプで開く"
          "（命令のない行ではヘルプの先頭）</td></tr>"
          "<tr><td>{breakpointKey}</td><td>カーソルのある行にブレークポイントを設定し、"
          "もう一度押すと解除</td></tr>"
          "</table>"
          "<h3>実行画面</h3>"
          "<p>「{runAction}」で実行した後、記録されたステップを 1 つずつ見られます。</p>"
          "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
          "<tr><td>{stepForwardKey}、{stepForwardArrowKey}</td>"
          "<td>1 ステップ進む（「{stepButton}」ボタンと同じ）</td></tr>"
          "<tr><td>{stepBackKey}、{stepBackArrowKey}</td>"
          "<td>1 ステップ戻る（「{stepBackButton}」ボタンと同じ）</td></tr>"
          "<tr><td>{firstStepKey}、{lastStepKey}</td><td>記録された最初、最後のステップへ</td></tr>"
          "<tr><td>「{goToStepLabel}」の欄</td><td>番号を入れて Enter でそのステップへ</td></tr>"
          "<tr><td>「{nextBreakButton}」、「{previousBreakButton}」</td>"
          "<td>ブレークポイントを設定した行の命令の、次、前のステップへ</td></tr>"
          "</table>"
          "<h3>ファイル画面</h3>"
          "<p>フォルダの一覧ではダブルクリックか Enter でフォルダを開き、ファイルの一覧では"
          "クリックか Enter でファイル名を「{fileNameLabel}」の欄に入れます。</p>"
          "<h3>検索と置換</h3>"
          "<p>「{findDialogCaption}」では Enter で次を探します（「{findNextButton}」）。"
          "「{replaceDialogCaption}」では Enter で置換します（「{replaceButton}」）。"
          "「{replaceAllButton}」はすべて置換します。</p>"
          "<h3>ヘルプ</h3>"
          "<p>上の欄に文字列を入れて Enter を押すと、次の箇所を探します（大文字と小文字は"
          "区別しません）。最後まで探すと先頭に戻ります。目次の命令名を押すと、その命令の"
          "説明へ移ります。</p>"),
      {
          {"cutKey", keyText(editor::cutKey)},
          {"copyKey", keyText(editor::copyKey)},
          {"pasteKey", keyText(editor::pasteKey)},
          {"findKey", keyText(editor::findKey)},
          {"replaceKey", keyText(editor::replaceKey)},
          {"cutAction", menuName(editor::cutAction)},
          {"copyAction", menuName(editor::copyAction)},
          {"pasteAction", menuName(editor::pasteAction)},
          {"findAction", menuName(editor::findAction)},
          {"replaceAction", menuName(editor::replaceAction)},
          {"tabColumns", tabColumnsText()},
          {"saveKey", keyText(editor::saveKey)},
          {"nextErrorKey", keyText(editor::nextErrorKey)},
          {"previousErrorKey", keyText(editor::previousErrorKey)},
          {"goToLineKey", keyText(editor::goToLineKey)},
          {"helpMenuKey", keyText(editor::helpMenuKey)},
          {"helpMenu", menuName(editor::helpMenu)},
          {"helpTopicKey", keyText(editor::helpTopicKey)},
          {"breakpointKey", keyText(editor::toggleBreakpointKey)},
          {"runAction", menuName(execution::runAction)},
          {"stepForwardKey", keyText(execution::stepForwardKey)},
          {"stepForwardArrowKey", keyText(execution::stepForwardArrowKey)},
          {"stepButton", quotedText(execution::stepButton)},
          {"stepBackKey", keyText(execution::stepBackKey)},
          {"stepBackArrowKey", keyText(execution::stepBackArrowKey)},
          {"stepBackButton", quotedText(execution::stepBackButton)},
          {"firstStepKey", keyText(execution::firstStepKey)},
          {"lastStepKey", keyText(execution::lastStepKey)},
          {"goToStepLabel", quotedText(execution::goToStepLabel)},
          {"nextBreakButton", quotedText(execution::nextBreakButton)},
          {"previousBreakButton", quotedText(execution::previousBreakButton)},
          {"fileNameLabel", menuName(files::fileNameLabel)},
          {"findDialogCaption", quotedText(finding::findDialogCaption)},
          {"findNextButton", menuName(finding::findNextButton)},
          {"replaceDialogCaption", quotedText(finding::replaceDialogCaption)},
          {"replaceButton", menuName(finding::replaceButton)},
          {"replaceAllButton", menuName(finding::replaceAllButton)},
      });
}

QString helpHtml() {
  const QStringList machine = machineInstructionMnemonics();
  const QStringList own = ownInstructionMnemonics();
  const QStringList pseudo = pseudoInstructionMnemonics();
  QString html = fillNames(
      QStringLiteral("<h1>{title} ヘルプ</h1>"
                     "<p>目次：<a href=\"#usage\">使い方</a>　<a href=\"#rules\">このワークベンチの"
                     "規則</a>　<a href=\"#dialects\">CASL II 規格とワークベンチ方言</a>"
                     "　<a href=\"#keys\">キー操作</a>　<a href=\"#instructions\">命令</a>"
                     "　<a href=\"#own-instructions\">マクロ命令とダンプ命令</a>"
                     "　<a href=\"#pseudo-instructions\">擬似命令とリテラル</a></p>"),
      {{"title", productTitle().toHtmlEscaped()}});
  html += QStringLiteral("<p>命令：%1</p><p>マクロ命令とダンプ命令：%2</p><p>擬似命令：%3</p>")
              .arg(topicLinks(machine), topicLinks(own), topicLinks(pseudo));
  html += usageHelpHtml() + rulesHelpHtml() + dialectHelpHtml() + keysHelpHtml();
  html += QStringLiteral(
      "<h2><a name=\"instructions\"></a>命令</h2>"
      "<p>r、r1、r2 は GR0～GR7、x は指標レジスタ GR1～GR7（書かなければ指標なし）、"
      "adr は番地（10 進数、# で始まる 16 進数、ラベル、リテラル）です。実効アドレスは"
      " adr に x の内容を加えた番地です。FR は OF、SF、ZF の順の 3 桁で表示されます"
      "（110 は OF と SF が 1）。</p>");
  html += machineInstructionSectionsHtml();
  html += QStringLiteral(
      "<h2><a name=\"own-instructions\"></a>マクロ命令とダンプ命令</h2>"
      "<p>次の命令は、このワークベンチ独自のコード 90～96 の語に翻訳され、実行では"
      " 1 ステップとして扱われます。</p>");
  html += ownInstructionSectionsHtml();
  html += QStringLiteral("<h2><a name=\"pseudo-instructions\"></a>擬似命令とリテラル</h2>");
  html += pseudoInstructionSectionsHtml();
  return html;
}

}  // namespace casl2wb
