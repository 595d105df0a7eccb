// The windows are Japanese whatever the system's locale: the file dialog's
// columns, sizes and dates, and the print dialog's options and messages that
// Qt's own translation leaves in English. The test main sets the locale up
// as the program's main does; CI runs with no locale set, in the C locale.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <functional>
#include <optional>

#include "views/japanese_locale.h"
#include "views/qt_dialogs.h"

namespace casl2wb::testing {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

QLocale japanese() { return QLocale(QLocale::Japanese, QLocale::Japan); }

TEST(JapaneseLocale, IsQtsDefaultAndSystemLocale) {
  EXPECT_EQ(QLocale().name(), japanese().name());
  EXPECT_EQ(QLocale::system().name(), japanese().name());
  // The language Qt's dialogs are asked to speak.
  EXPECT_EQ(QLocale(QLocale::system().uiLanguages().value(0)).language(), QLocale::Japanese);
}

// The C library keeps the locale the user set, and programs started from
// the workbench get the user's environment.
TEST(JapaneseLocale, LeavesTheEnvironmentAsItWas) {
  struct Case {
    const char* name;
    std::optional<QByteArray> value;
  };
  for (const Case& c : {Case{"LC_ALL", "C"}, Case{"LC_ALL", std::nullopt},
                        Case{"LANGUAGE", "en_US:en"}, Case{"LANGUAGE", std::nullopt}}) {
    const std::optional<QByteArray> before =
        qEnvironmentVariableIsSet(c.name) ? std::optional(qgetenv(c.name)) : std::nullopt;
    if (c.value)
      qputenv(c.name, *c.value);
    else
      qunsetenv(c.name);
    useJapaneseLocale();
    EXPECT_EQ(qEnvironmentVariableIsSet(c.name), c.value.has_value()) << c.name;
    EXPECT_EQ(qgetenv(c.name), c.value.value_or(QByteArray())) << c.name;
    if (before)
      qputenv(c.name, *before);
    else
      qunsetenv(c.name);
  }
  EXPECT_EQ(QLocale().name(), japanese().name());
}

// Qt's dialogs with Qt's translations and ours, as the program loads them.
class QtDialogsInJapanese : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(installQtTranslations()); }
  void TearDown() override {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
  }
};

// What a control says: a button's text, a box's title, a label's text, a
// tab's texts, any control's tip.
QStringList shownTexts(const QWidget& widget) {
  QStringList shown{widget.toolTip()};
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
    shown.append(button->text());
  if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) shown.append(box->title());
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) shown.append(label->text());
  if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
    for (int i = 0; i < tabs->count(); ++i) shown.append(tabs->tabText(i));
  }
  shown.removeAll(QString());
  return shown;
}

// The texts of a window that keep a word of English: two small Latin letters
// in a row. The lists' entries are left out: paper sizes keep the names
// their standards give them.
QStringList englishTexts(const QWidget& window) {
  static const QRegularExpression englishWord(QStringLiteral("[a-z]{2}"));
  QStringList english;
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    for (const QString& text : shownTexts(*widget))
      if (text.contains(englishWord)) english.append(text);
  }
  return english;
}

// Runs what opens a modal dialog, looks at the dialog while it is open and
// closes it.
void whileModalIsOpen(const std::function<void()>& open,
                      const std::function<void(QWidget&)>& inspect) {
  bool seen = false;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || seen) return;
    seen = true;
    timer.stop();
    inspect(*modal);
    modal->close();
  });
  timer.start();
  open();
  EXPECT_TRUE(seen);
}

TEST_F(QtDialogsInJapanese, FileDialogShowsJapaneseColumnsSizesAndDates) {
  const QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("program.txt"));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("START\nEND\n");
  }
  const auto dialog = makeSaveFileDialog(nullptr, "caption", folder.path(), "*.txt");
  // Qt's own dialog, not the desktop's, which speaks the system's language.
  EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));

  const auto* view = dialog->findChild<QTreeView*>();
  ASSERT_NE(view, nullptr);
  struct Column {
    int section;
    const char* title;
  };
  for (const Column& c :
       {Column{0, "名前"}, Column{1, "サイズ"}, Column{2, "タイプ"}, Column{3, "更新日"}}) {
    EXPECT_EQ(view->header()->model()->headerData(c.section, Qt::Horizontal).toString(),
              utf8(c.title))
        << c.section;
  }

  // The folder is read on a thread of its own.
  const auto* files = dialog->findChild<QFileSystemModel*>();
  ASSERT_NE(files, nullptr);
  QElapsedTimer waited;
  waited.start();
  while (files->index(path, 1).data().toString().isEmpty() && waited.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  const QFileInfo info(path);
  struct Cell {
    int column;
    QString shown;
  };
  for (const Cell& c : {Cell{1, japanese().formattedDataSize(info.size())},
                        Cell{3, japanese().toString(info.lastModified(), QLocale::ShortFormat)}}) {
    EXPECT_EQ(files->index(path, c.column).data().toString(), c.shown) << c.column;
  }
}

class PrintDialogInJapanese : public QtDialogsInJapanese {
 protected:
  void SetUp() override {
    QtDialogsInJapanese::SetUp();
    // The PDF file, which every system has, rather than a printer of its own.
    printer.setOutputFormat(QPrinter::PdfFormat);
    dialog = makePrintDialog(nullptr, printer);
    dialog->show();
  }
  void TearDown() override {
    dialog.reset();
    QtDialogsInJapanese::TearDown();
  }

  QPrinter printer;
  std::unique_ptr<QPrintDialog> dialog;
};

TEST_F(PrintDialogInJapanese, OptionsQtLeavesInEnglishAreJapanese) {
  struct Control {
    const char* name;
    const char* japanese;
  };
  for (const Control& c :
       {Control{"pagesRadioButton", "ページ指定"}, Control{"duplex", "両面印刷"},
        Control{"noDuplex", "なし"}, Control{"duplexLong", "長辺とじ"},
        Control{"duplexShort", "短辺とじ"},
        // Qt's own Japanese stays.
        Control{"printAll", "すべて印刷"}, Control{"colorMode", "カラーモード"}}) {
    const auto* control = dialog->findChild<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_EQ(shownTexts(*control), QStringList{utf8(c.japanese)}) << c.name;
  }
  EXPECT_TRUE(dialog->findChild<QLineEdit*>(QStringLiteral("pagesLineEdit"))
                  ->toolTip()
                  .startsWith(utf8("印刷するページ")));
  EXPECT_EQ(englishTexts(*dialog), QStringList());
}

TEST_F(PrintDialogInJapanese, PropertiesDialogIsJapanese) {
  auto* properties = dialog->findChild<QAbstractButton*>(QStringLiteral("properties"));
  ASSERT_NE(properties, nullptr);
  whileModalIsOpen([&] { properties->click(); },
                   [](QWidget& shown) {
                     const auto* tabs = shown.findChild<QTabWidget*>(QStringLiteral("tabs"));
                     ASSERT_NE(tabs, nullptr);
                     EXPECT_EQ(tabs->tabText(tabs->count() - 1), utf8("詳細設定"));
                     EXPECT_EQ(englishTexts(shown), QStringList());
                   });
}

TEST_F(PrintDialogInJapanese, AWrongPageListIsExplainedInJapanese) {
  dialog->findChild<QRadioButton*>(QStringLiteral("pagesRadioButton"))->setChecked(true);
  whileModalIsOpen([&] { dialog->accept(); },
                   [](QWidget& message) {
                     EXPECT_EQ(message.windowTitle(), utf8("ページ指定が正しくありません"));
                     EXPECT_EQ(englishTexts(message), QStringList());
                   });
}

}  // namespace
}  // namespace casl2wb::testing
