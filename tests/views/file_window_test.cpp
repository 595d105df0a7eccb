// The file window: drives, folders and "*.txt" files, loading and checking a
// file, saving, saving under a new name, and the failures of each.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <csignal>
#include <fstream>

#include "editor_fixture.h"
#include "source/source_file.h"
#include "source/work_file.h"
#include "views/file_window.h"
#include "views/folder_list.h"
#include "views/form2_texts.h"
#include "views/product_title.h"
#include "views/view_messages.h"

namespace casl2wb::testing {
namespace {

namespace texts = form2_texts;

class FileWindowTest : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    files = folder.filePath(QStringLiteral("files"));
    ASSERT_TRUE(QDir().mkpath(files));
    trigger("fileopen");
    form2 = child<FileWindow>("Form2");
    ASSERT_NE(form2, nullptr);
    form2->setFolderPath(files);
    QObject::connect(form2, &QWidget::windowTitleChanged,
                     [this](const QString& caption) { captions.append(caption); });
  }

  template <typename T>
  T* control(const char* name) const {
    return form2->findChild<T*>(QString::fromLatin1(name));
  }
  QLineEdit* txttargetfile() const { return control<QLineEdit>("txttargetfile"); }
  QListWidget* file1() const { return control<QListWidget>("File1"); }
  void command(const char* name) { control<QAction>(name)->trigger(); }
  QString file(const char* name) const { return files + QLatin1Char('/') + QLatin1String(name); }

  void clickFile(const QString& name) {
    const QList<QListWidgetItem*> found = file1()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    const QPoint at = file1()->visualItemRect(found[0]).center();
    QWidget* viewport = file1()->viewport();
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
  }

  QStringList progress(std::initializer_list<const char*> steps) const {
    QStringList list;
    for (const char* step : steps) list.append(QString::fromUtf8(step));
    return list;
  }

  QString files;
  FileWindow* form2 = nullptr;
  QStringList captions;
};

TEST_F(FileWindowTest, ControlsMenusAndOwner) {
  EXPECT_TRUE(form2->isVisible());
  EXPECT_EQ(form2->parentWidget(), form1.get());
  EXPECT_TRUE(form2->isWindow());
  EXPECT_EQ(form2->windowTitle(), productTitle());
  for (const char* name : {"Drive1", "Dir1", "File1", "txttargetfile", "Label1"}) {
    EXPECT_NE(form2->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
  }
  EXPECT_EQ(control<QLabel>("Label1")->text(), QString::fromUtf8(texts::Label1));
  QStringList menus;
  for (QAction* a : form2->menuBar()->actions()) menus.append(a->objectName() + "=" + a->text());
  EXPECT_EQ(menus, QStringList({"readerrorchk=" + QString::fromUtf8(texts::readerrorchk),
                                "mnuupdated=" + QString::fromUtf8(texts::mnuupdated),
                                "mnusaved=" + QString::fromUtf8(texts::mnusaved)}));
  // The toolbar's open and save buttons show the same window.
  action("Toolbar1Button2")->trigger();
  action("Toolbar1Button3")->trigger();
  EXPECT_EQ(form1->findChildren<FileWindow*>().size(), 1);
}

TEST_F(FileWindowTest, DrivesIncludeRootAndHome) {
  auto* drive1 = control<QComboBox>("Drive1");
  EXPECT_GE(drive1->findText(QStringLiteral("/")), 0);
  EXPECT_GE(drive1->findText(QDir::homePath()), 0);
  drive1->setCurrentIndex(drive1->findText(QStringLiteral("/")));
  emit drive1->activated(drive1->currentIndex());
  EXPECT_EQ(form2->folderPath(), QStringLiteral("/"));
}

TEST_F(FileWindowTest, FileListShowsTextFilesOfTheFolder) {
  ASSERT_TRUE(writeFile(file("b.txt"), "B"));
  ASSERT_TRUE(writeFile(file("A.TXT"), "A"));
  ASSERT_TRUE(writeFile(file("c.dat"), "C"));
  ASSERT_TRUE(QDir(files).mkdir(QStringLiteral("sub.txt")));
  form2->setFolderPath(files);
  EXPECT_EQ(listItems(file1()), QStringList({"A.TXT", "b.txt"}));
}

TEST_F(FileWindowTest, FolderListFollowsTheOpenedFolder) {
  ASSERT_TRUE(QDir(files).mkdir(QStringLiteral("inner")));
  ASSERT_TRUE(writeFile(file("inner/x.txt"), "X"));
  form2->setFolderPath(files);
  auto* dir1 = control<FolderList>("Dir1");
  QListWidgetItem* inner = nullptr;
  for (int i = 0; i < dir1->count(); ++i) {
    if (dir1->item(i)->text().trimmed() == QStringLiteral("inner")) inner = dir1->item(i);
  }
  ASSERT_NE(inner, nullptr);
  emit dir1->itemActivated(inner);
  EXPECT_EQ(form2->folderPath(), files + QStringLiteral("/inner"));
  EXPECT_EQ(listItems(file1()), QStringList({"x.txt"}));
}

TEST_F(FileWindowTest, ClickingAFileSetsTheName) {
  ASSERT_TRUE(writeFile(file("prog.txt"), "P"));
  form2->refreshFiles();
  clickFile(QStringLiteral("prog.txt"));
  EXPECT_EQ(txttargetfile()->text(), QStringLiteral("prog.txt"));
  EXPECT_EQ(form2->fullPath(), file("prog.txt"));
}

TEST_F(FileWindowTest, FullPathInTheRootFolderHasOneSlash) {
  form2->setFolderPath(QStringLiteral("/"));
  txttargetfile()->setText(QStringLiteral("prog.txt"));
  EXPECT_EQ(form2->fullPath(), QStringLiteral("/prog.txt"));
}

TEST_F(FileWindowTest, LoadCheckReadsTheFileIntoTheEditorAndChecksIt) {
  const QString path = file("sum.txt");
  ASSERT_TRUE(writeFile(path,
                        "SUM START\r\n LD GR1,A\r\n ADDA GR1,B\r\n RET\r\nA DC 1\r\n"
                        "B DC 2\r\n END"));
  typeText(txtdpbox(), QStringLiteral("old text"));
  txttargetfile()->setText(QStringLiteral("sum.txt"));
  command("readerrorchk");
  EXPECT_EQ(text(),
            QStringLiteral("SUM START\n LD GR1,A\n ADDA GR1,B\n RET\nA DC 1\nB DC 2\n END\n"));
  EXPECT_EQ(listItems(list1()), cliCheck(path));
  EXPECT_EQ(captions, progress({captionReading, captionIdle}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(form1->hasUnsavedChanges());
}

TEST_F(FileWindowTest, LoadCheckReadsShiftJisFiles) {
  const QString path = QStringLiteral(CASL2WB_EXAMPLES "/sum_sjis.txt");
  form2->setFolderPath(QStringLiteral(CASL2WB_EXAMPLES));
  txttargetfile()->setText(QStringLiteral("sum_sjis.txt"));
  command("readerrorchk");
  EXPECT_EQ(listItems(list1()), cliCheck(path));
}

TEST_F(FileWindowTest, LoadCheckWithoutNameSavesTheEditorTextAsWorkFileFirst) {
  typeText(txtdpbox(), QStringLiteral("PRG START\n RET\n END"));
  command("readerrorchk");
  EXPECT_EQ(txttargetfile()->text(), QStringLiteral("workcsl.txt"));
  EXPECT_EQ(readFile(file("workcsl.txt")), QStringLiteral("PRG START\r\n RET\r\n END\r\n"));
  EXPECT_EQ(text(), QStringLiteral("PRG START\n RET\n END\n"));
  EXPECT_EQ(listItems(list1()), cliCheck(file("workcsl.txt")));
  EXPECT_EQ(captions, progress({captionWriting, captionIdle, captionReading, captionIdle}));
  EXPECT_EQ(listItems(file1()), QStringList({"workcsl.txt"}));
}

TEST_F(FileWindowTest, UnreadableFileIsReportedAndNothingChanges) {
  typeText(txtdpbox(), QStringLiteral("kept"));
  list1()->addItem(QStringLiteral("kept item"));
  txttargetfile()->setText(QStringLiteral("missing.txt"));
  command("readerrorchk");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
  EXPECT_EQ(
      dialogs.messages[0].text,
      view_messages::cannotRead(file("missing.txt"), QStringLiteral("No such file or directory")));
  EXPECT_EQ(text(), QStringLiteral("kept"));
  EXPECT_EQ(listItems(list1()), QStringList({"kept item"}));
  EXPECT_EQ(captions, progress({captionReading, captionIdle}));

  ASSERT_TRUE(QDir(files).mkdir(QStringLiteral("folder.txt")));
  txttargetfile()->setText(QStringLiteral("folder.txt"));
  command("readerrorchk");
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(
      dialogs.messages[1].text,
      view_messages::cannotRead(file("folder.txt"), QStringLiteral("フォルダは読み込めません。")));
  EXPECT_EQ(text(), QStringLiteral("kept"));
}

TEST_F(FileWindowTest, PipesDevicesAndHugeFilesAreRefusedAtOnceInJapanese) {
  // Nobody writes to the FIFO: loading it must not wait.
  ASSERT_EQ(::mkfifo(file("pipe.txt").toLocal8Bit().constData(), 0600), 0);
  ASSERT_TRUE(writeFile(file("huge.txt"), QByteArray(maxSourceFileBytes + 1, 'A')));
  typeText(txtdpbox(), QStringLiteral("kept"));
  struct Case {
    QString path;
    QString reason;
  };
  for (const Case& c :
       {Case{file("pipe.txt"),
             QStringLiteral("通常のファイルではありません。パイプや装置などは読み込めません。")},
        Case{QStringLiteral("/dev/zero"),
             QStringLiteral("通常のファイルではありません。パイプや装置などは読み込めません。")},
        Case{file("huge.txt"),
             QStringLiteral("ファイルが大きすぎます。読み込めるのは1048576バイトまでです。")}}) {
    dialogs.messages.clear();
    form2->setFolderPath(QFileInfo(c.path).path());
    txttargetfile()->setText(QFileInfo(c.path).fileName());
    command("readerrorchk");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, view_messages::cannotRead(c.path, c.reason));
    EXPECT_EQ(text(), QStringLiteral("kept"));
  }
}

TEST_F(FileWindowTest, NamesThatAreNotUtf8AreShownAsShiftJisAndOpened) {
  // 「漢字」 in CP932, as a file from a Windows machine names it, in a folder
  // named the same way.
  const std::string kanji = "\x8A\xBF\x8E\x9A";
  const std::string folderBytes = files.toStdString() + "/" + kanji;
  ASSERT_EQ(::mkdir(folderBytes.c_str(), 0700), 0);
  const std::string fileBytes = folderBytes + "/" + kanji + ".txt";
  {
    std::ofstream out(fileBytes, std::ios::binary);
    out << "KANJI START\r\n RET\r\n END\r\n";
  }
  form2->setFolderPath(files);
  auto* dir1 = control<FolderList>("Dir1");
  QListWidgetItem* folderItem = nullptr;
  for (int i = 0; i < dir1->count(); ++i) {
    if (dir1->item(i)->text().trimmed() == QStringLiteral("漢字")) folderItem = dir1->item(i);
  }
  ASSERT_NE(folderItem, nullptr);
  emit dir1->itemActivated(folderItem);
  EXPECT_EQ(form2->folderPath(), files + QStringLiteral("/漢字"));
  ASSERT_EQ(listItems(file1()), QStringList({QStringLiteral("漢字.txt")}));

  clickFile(QStringLiteral("漢字.txt"));
  EXPECT_EQ(form2->fullPathBytes(), fileBytes);
  command("readerrorchk");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(text(), QStringLiteral("KANJI START\n RET\n END\n"));

  // Typed by hand, the shown name opens the same file; a save keeps its bytes.
  txttargetfile()->setText(QStringLiteral("漢字.txt"));
  EXPECT_EQ(form2->fullPathBytes(), fileBytes);
  command("mnuupdated");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(listItems(file1()), QStringList({QStringLiteral("漢字.txt")}));
}

TEST_F(FileWindowTest, LoadingShowsTheBusyCursorOnlyWhileItWorks) {
  ASSERT_TRUE(writeFile(file("prog.txt"), "PRG START\r\n RET\r\n END\r\n"));
  QList<bool> busyAtCaption;
  QObject::connect(form2, &QWidget::windowTitleChanged, [&] {
    const QCursor* cursor = QApplication::overrideCursor();
    busyAtCaption.append(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
  });
  txttargetfile()->setText(QStringLiteral("prog.txt"));
  command("readerrorchk");
  EXPECT_EQ(busyAtCaption, QList<bool>({true, true}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  txttargetfile()->setText(QStringLiteral("missing.txt"));
  command("readerrorchk");  // the message box is shown with the usual cursor
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FileWindowTest, SaveWritesTheEditorTextWithCrLf) {
  ASSERT_TRUE(writeFile(file("prog.txt"), "old contents\r\n"));
  typeText(txtdpbox(), QStringLiteral("PRG START\n RET\n END"));
  txttargetfile()->setText(QStringLiteral("prog.txt"));
  command("mnuupdated");
  EXPECT_EQ(readFile(file("prog.txt")), QStringLiteral("PRG START\r\n RET\r\n END\r\n"));
  EXPECT_EQ(captions, progress({captionWriting, captionIdle}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_FALSE(form1->hasUnsavedChanges());
  EXPECT_EQ(QDir(files).entryList(QDir::Files | QDir::Hidden), QStringList({"prog.txt"}));
}

TEST_F(FileWindowTest, SaveWithoutNameAsksForOneAndWritesNothing) {
  typeText(txtdpbox(), QStringLiteral(" RET\n"));
  command("mnuupdated");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, view_messages::fileNameNeeded());
  EXPECT_TRUE(captions.isEmpty());
  EXPECT_TRUE(
      QDir(files).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
  EXPECT_TRUE(form1->hasUnsavedChanges());
}

TEST_F(FileWindowTest, FailedSaveLeavesTheOldFile) {
  ASSERT_TRUE(writeFile(file("prog.txt"), "OLD\r\n"));
  typeText(txtdpbox(), QString(200, QLatin1Char('X')));
  txttargetfile()->setText(QStringLiteral("prog.txt"));

  // Files may grow to 64 bytes only, so writing the new text fails half-way.
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  command("mnuupdated");
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
  EXPECT_EQ(dialogs.messages[0].text,
            view_messages::cannotWrite(file("prog.txt"), QStringLiteral("File too large")));
  EXPECT_EQ(readFile(file("prog.txt")), QStringLiteral("OLD\r\n"));
  EXPECT_EQ(QDir(files).entryList(QDir::Files | QDir::Hidden), QStringList({"prog.txt"}));
  EXPECT_TRUE(form1->hasUnsavedChanges());
}

TEST_F(FileWindowTest, SaveIntoAReadOnlyFolderIsReported) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
  ASSERT_TRUE(writeFile(file("prog.txt"), "OLD\r\n"));
  QFile::setPermissions(files, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  typeText(txtdpbox(), QStringLiteral("NEW"));
  txttargetfile()->setText(QStringLiteral("prog.txt"));
  command("mnuupdated");
  QFile::setPermissions(files,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("Permission denied")));
  EXPECT_EQ(readFile(file("prog.txt")), QStringLiteral("OLD\r\n"));
}

TEST_F(FileWindowTest, SaveAsWritesTheChosenFileAndShowsItsName) {
  typeText(txtdpbox(), QStringLiteral("PRG START\n END"));
  dialogs.saveNames.push_back(file("new.txt"));
  command("mnusaved");
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0], QString::fromUtf8(texts::mnusaved) + "|" + files + "|" +
                                         QString::fromUtf8(texts::fileFilter));
  EXPECT_EQ(readFile(file("new.txt")), QStringLiteral("PRG START\r\n END\r\n"));
  EXPECT_EQ(form1->windowTitle(), file("new.txt"));
  EXPECT_FALSE(form1->hasUnsavedChanges());
  EXPECT_EQ(listItems(file1()), QStringList({"new.txt"}));
}

TEST_F(FileWindowTest, SaveAsFromTheEditorMenuAndToolbar) {
  typeText(txtdpbox(), QStringLiteral("A"));
  dialogs.saveNames.push_back(file("one.txt"));
  trigger("mnusave");
  dialogs.saveNames.push_back(file("two.txt"));
  action("Toolbar1Button1")->trigger();
  EXPECT_EQ(readFile(file("one.txt")), QStringLiteral("A\r\n"));
  EXPECT_EQ(readFile(file("two.txt")), QStringLiteral("A\r\n"));
  EXPECT_EQ(form1->windowTitle(), file("two.txt"));
}

TEST_F(FileWindowTest, CancelledSaveAsWritesNothing) {
  typeText(txtdpbox(), QStringLiteral("A"));
  command("mnusaved");
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(form1->windowTitle(), productTitleWithVersion());
  EXPECT_TRUE(QDir(files).entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_TRUE(form1->hasUnsavedChanges());
}

TEST_F(FileWindowTest, SaveAsIntoAMissingFolderIsReported) {
  typeText(txtdpbox(), QStringLiteral("A"));
  const QString path = files + QStringLiteral("/missing/new.txt");
  dialogs.saveNames.push_back(path);
  command("mnusaved");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            view_messages::cannotWrite(path, QStringLiteral("No such file or directory")));
  EXPECT_EQ(form1->windowTitle(), productTitleWithVersion());
}

}  // namespace
}  // namespace casl2wb::testing
