#include "views/help_window.h"

#include <QDialogButtonBox>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <utility>

#include "views/editor_texts.h"
#include "views/file_window_texts.h"
#include "views/object_names.h"
#include "views/product_title.h"

namespace casl2wb {

namespace {

// A menu caption as the help names it: without its access key.
QString menuName(const char* caption) {
  QString name = QString::fromUtf8(caption);
  name.remove(QRegularExpression(QStringLiteral("[（(]&.[）)]")));
  name.remove(QLatin1Char('&'));
  return name.toHtmlEscaped();
}

}  // namespace

QString usageHelpHtml() {
  namespace editor = editor_texts;
  namespace files = file_window_texts;
  QString html = QStringLiteral(
      "<h2>{title} の使い方</h2>"
      "<h3>プログラムを入力する</h3>"
      "<p>上の欄に CASL II のプログラムを 1 行に 1 命令ずつ入力します。"
      "ラベルは行の先頭から書き、ラベルのない行は空白で始めます。"
      "「;」から行末まではコメントです。</p>"
      "<h3>{checkAction}</h3>"
      "<p>メニューの「{checkAction}」でプログラムを検査します。"
      "下の欄に各行のアドレスと内容、エラーのメッセージが表示されます。"
      "エラーがなければ機械語に翻訳され、メモリの内容も表示されます。</p>"
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
      "「&gt;&gt;」ボタンで 1 命令ずつ実行の様子を振り返れます。</p>"
      "<h3>その他</h3>"
      "<h3>キー操作</h3>"
      "<p>{saveKey} でプログラムを読み込んだファイル（なければ名前を付けて）に保存します。"
      "Tab キーは次の欄の位置まで空白を入れます。複数の行を選んで Tab を押すと行全体を"
      "字下げし、Shift+Tab で戻します。{nextErrorKey} と {previousErrorKey} で"
      "次と前のエラーの行へ、{goToLineKey} で指定した行へ移動します。"
      "エラーの行にマウスを置くとメッセージが表示されます。</p>"
      "<h3>保存と復元</h3>"
      "<p>保存していない変更があるとタイトルの先頭に「*」が付きます。"
      "「{clearAction}」はプログラムとメッセージを消します。"
      "「{endAction}」でプログラムを終わります。保存していない変更があるときは、"
      "消したり終わったり別のファイルを読み込んだりする前に、保存するかどうかを確かめます。"
      "保存していない変更は自動保存され、異常終了した後の次の起動で復元できます。</p>");
  const std::pair<const char*, QString> names[] = {
      {"title", productTitle().toHtmlEscaped()},
      {"checkAction", menuName(editor::checkAction)},
      {"fileMenu", menuName(editor::fileMenu)},
      {"fileWindowAction", menuName(editor::fileWindowAction)},
      {"loadAndCheckAction", menuName(files::loadAndCheckAction)},
      {"fileSaveAction", menuName(files::saveAction)},
      {"fileSaveAsAction", menuName(files::saveAsAction)},
      {"editMenu", menuName(editor::editMenu)},
      {"cutKey", QString::fromLatin1(editor::cutKey)},
      {"copyKey", QString::fromLatin1(editor::copyKey)},
      {"pasteKey", QString::fromLatin1(editor::pasteKey)},
      {"findKey", QString::fromLatin1(editor::findKey)},
      {"replaceKey", QString::fromLatin1(editor::replaceKey)},
      {"cutAction", menuName(editor::cutAction)},
      {"copyAction", menuName(editor::copyAction)},
      {"pasteAction", menuName(editor::pasteAction)},
      {"findAction", menuName(editor::findAction)},
      {"replaceAction", menuName(editor::replaceAction)},
      {"executionWindowsAction", menuName(editor::executionWindowsAction)},
      {"clearAction", menuName(editor::clearAction)},
      {"endAction", menuName(editor::endAction)},
      {"saveKey", QString::fromLatin1(editor::saveKey)},
      {"nextErrorKey", QString::fromLatin1(editor::nextErrorKey)},
      {"previousErrorKey", QString::fromLatin1(editor::previousErrorKey)},
      {"goToLineKey", QString::fromLatin1(editor::goToLineKey)},
  };
  for (const auto& [key, value] : names) {
    html.replace(QStringLiteral("{%1}").arg(QString::fromLatin1(key)), value);
  }
  return html;
}

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner) {
  setObjectName(QString::fromLatin1(object_names::helpWindow));
  setWindowTitle(productTitle() + QStringLiteral(" ヘルプ"));
  setModal(false);
  auto* browser = new QTextBrowser;
  browser->setObjectName(QString::fromLatin1(object_names::helpText));
  browser->setHtml(usageHelpHtml());
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(QString::fromUtf8(editor_texts::closeAction), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &HelpWindow::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser);
  layout->addWidget(buttons);
  resize(560, 520);
}

}  // namespace casl2wb
