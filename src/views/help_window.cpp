#include "views/help_window.h"

#include <QDialogButtonBox>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <utility>

#include "views/form1_texts.h"
#include "views/form2_texts.h"
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
  namespace f1 = form1_texts;
  namespace f2 = form2_texts;
  QString html = QStringLiteral(
      "<h2>{title} の使い方</h2>"
      "<h3>プログラムを入力する</h3>"
      "<p>上の欄に CASL II のプログラムを 1 行に 1 命令ずつ入力します。"
      "ラベルは行の先頭から書き、ラベルのない行は空白で始めます。"
      "「;」から行末まではコメントです。</p>"
      "<h3>{errchkjika}</h3>"
      "<p>メニューの「{errchkjika}」でプログラムを検査します。"
      "下の欄に各行のアドレスと内容、エラーのメッセージが表示されます。"
      "エラーがなければ機械語に翻訳され、メモリの内容も表示されます。</p>"
      "<h3>{file}</h3>"
      "<p>「{file}」メニューの「{fileopen}」でファイル画面を開きます。"
      "フォルダとファイル（*.txt）を選んで「{readerrorchk}」を押すと、"
      "ファイルを読み込んで検査します。「{mnuupdated}」は入力中のプログラムを"
      "選んだファイル名で書き込みます。「{mnusaved}」では書き込み先を選べます。</p>"
      "<h3>{mnuedit}</h3>"
      "<p>「{mnuedit}」メニューで {mnucut}（{mnucutKey}）、{mnucopy}（{mnucopyKey}）、"
      "{mnupaste}（{mnupasteKey}）、{mnufind}（{mnufindKey}）、{mnureplace}（{mnureplaceKey}）"
      "ができます。</p>"
      "<h3>{jikkoug}</h3>"
      "<p>エラーのないプログラムは「{jikkoug}」で COMET II の実行画面を開いて動かします。"
      "「&gt;&gt;」ボタンで 1 命令ずつ実行の様子を振り返れます。</p>"
      "<h3>その他</h3>"
      "<p>「{syoukyo}」はプログラムとメッセージを消します。"
      "「{owari}」でプログラムを終わります。どのファイルにも書き込んでいない変更が"
      "あるときは、終わる前に確かめます。</p>");
  const std::pair<const char*, QString> names[] = {
      {"title", productTitle().toHtmlEscaped()},
      {"errchkjika", menuName(f1::errchkjika)},
      {"file", menuName(f1::file)},
      {"fileopen", menuName(f1::fileopen)},
      {"readerrorchk", menuName(f2::readerrorchk)},
      {"mnuupdated", menuName(f2::mnuupdated)},
      {"mnusaved", menuName(f2::mnusaved)},
      {"mnuedit", menuName(f1::mnuedit)},
      {"mnucutKey", QString::fromLatin1(f1::mnucutKey)},
      {"mnucopyKey", QString::fromLatin1(f1::mnucopyKey)},
      {"mnupasteKey", QString::fromLatin1(f1::mnupasteKey)},
      {"mnufindKey", QString::fromLatin1(f1::mnufindKey)},
      {"mnureplaceKey", QString::fromLatin1(f1::mnureplaceKey)},
      {"mnucut", menuName(f1::mnucut)},
      {"mnucopy", menuName(f1::mnucopy)},
      {"mnupaste", menuName(f1::mnupaste)},
      {"mnufind", menuName(f1::mnufind)},
      {"mnureplace", menuName(f1::mnureplace)},
      {"jikkoug", menuName(f1::jikkoug)},
      {"syoukyo", menuName(f1::syoukyo)},
      {"owari", menuName(f1::owari)},
  };
  for (const auto& [key, value] : names) {
    html.replace(QStringLiteral("{%1}").arg(QString::fromLatin1(key)), value);
  }
  return html;
}

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("helpwindow"));
  setWindowTitle(productTitle() + QStringLiteral(" ヘルプ"));
  setModal(false);
  auto* browser = new QTextBrowser;
  browser->setObjectName(QStringLiteral("helptext"));
  browser->setHtml(usageHelpHtml());
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(QString::fromUtf8(form1_texts::mnuclose), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &HelpWindow::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser);
  layout->addWidget(buttons);
  resize(560, 520);
}

}  // namespace casl2wb
