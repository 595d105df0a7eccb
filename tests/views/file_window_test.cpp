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
#include <QWindow>
#include <csignal>
#include <fstream>

#include "base/source_file.h"
#include "editor_fixture.h"
#include "views/file_window.h"
#include "views/file_window_texts.h"
#include "views/folder_list.h"
#include "views/product_title.h"
#include "views/text_conversion.h"

namespace casl2wb::testing {
namespace {

namespace texts = file_window_texts;
namespace names = object_names;

class FileWindowTest : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    files = folder.filePath(QStringLiteral("files"));
    ASSERT_TRUE(QDir().mkpath(files));
    trigger(names::fileWindowAction);
    fileWindow = child<FileWindow>(names::fileWindow);
    ASSERT_NE(fileWindow, nullptr);
    fileWindow->setFolderPath(files);
    QObject::connect(fileWindow, &QWidget::windowTitleChanged,
                     [this](const QString& caption) { captions.append(caption); });
  }

  template <typename T>
  T* control(const char* name) const {
    return fileWindow->findChild<T*>(QString::fromLatin1(name));
  }
  QLineEdit* fileNameEdit() const { return control<QLineEdit>(names::fileNameEdit); }
  QListWidget* fileList() const { return control<QListWidget>(names::fileList); }
  void command(const char* name) { control<QAction>(name)->trigger(); }
  QString file(const char* name) const { return files + QLatin1Char('/') + QLatin1String(name); }

  void clickFile(const QString& name) {
    const QList<QListWidgetItem*> found = fileList()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    const QPoint at = fileList()->visualItemRect(found[0]).center();
    QWidget* viewport = fileList()->viewport();
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
  FileWindow* fileWindow = nullptr;
  QStringList captions;
};

TEST_F(FileWindowTest, ControlsMenusAndOwner) {
  EXPECT_TRUE(fileWindow->isVisible());
  EXPECT_EQ(fileWindow->parentWidget(), editor.get());
  EXPECT_TRUE(fileWindow->isWindow());
  EXPECT_EQ(fileWindow->windowTitle(), productTitle());
  for (const char* name : {names::driveList, names::folderList, names::fileList,
                           names::fileNameEdit, names::fileNameLabel}) {
    EXPECT_NE(fileWindow->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
  }
  EXPECT_EQ(control<QLabel>(names::fileNameLabel)->text(), QString::fromUtf8(texts::fileNameLabel));
  QStringList menus;
  for (QAction* a : fileWindow->menuBar()->actions())
    menus.append(a->objectName() + "=" + a->text());
  auto entry = [](const char* name, const char* caption) {
    return QString::fromLatin1(name) + "=" + QString::fromUtf8(caption);
  };
  EXPECT_EQ(menus, QStringList({entry(names::loadAndCheckAction, texts::loadAndCheckAction),
                                entry(names::fileSaveAction, texts::saveAction),
                                entry(names::fileSaveAsAction, texts::saveAsAction)}));
  // The toolbar's open and save buttons show the same window.
  action(names::openButton)->trigger();
  action(names::saveButton)->trigger();
  EXPECT_EQ(editor->findChildren<FileWindow*>().size(), 1);
}

TEST_F(FileWindowTest, DrivesIncludeRootAndHome) {
  auto* driveList = control<QComboBox>(names::driveList);
  EXPECT_GE(driveList->findText(QStringLiteral("/")), 0);
  EXPECT_GE(driveList->findText(QDir::homePath()), 0);
  driveList->setCurrentIndex(driveList->findText(QStringLiteral("/")));
  emit driveList->activated(driveList->currentIndex());
  EXPECT_EQ(fileWindow->folderPath(), QStringLiteral("/"));
}

TEST_F(FileWindowTest, FileListShowsTextFilesOfTheFolder) {
  ASSERT_TRUE(writeFile(file("b.txt"), "B"));
  ASSERT_TRUE(writeFile(file("A.TXT"), "A"));
  ASSERT_TRUE(writeFile(file("c.dat"), "C"));
  ASSERT_TRUE(QDir(files).mkdir(QStringLiteral("sub.txt")));
  fileWindow->setFolderPath(files);
  EXPECT_EQ(listItems(fileList()), QStringList({"A.TXT", "b.txt"}));
}

TEST_F(FileWindowTest, FolderListFollowsTheOpenedFolder) {
  ASSERT_TRUE(QDir(files).mkdir(QStringLiteral("inner")));
  ASSERT_TRUE(writeFile(file("inner/x.txt"), "X"));
  fileWindow->setFolderPath(files);
  auto* folderList = control<FolderList>(names::folderList);
  QListWidgetItem* inner = nullptr;
  for (int i = 0; i < folderList->count(); ++i) {
    if (folderList->item(i)->text().trimmed() == QStringLiteral("inner"))
      inner = folderList->item(i);
  }
  ASSERT_NE(inner, nullptr);
  emit folderList->itemActivated(inner);
  EXPECT_EQ(fileWindow->folderPath(), files + QStringLiteral("/inner"));
  EXPECT_EQ(listItems(fileList()), QStringList({"x.txt"}));
}

TEST_F(FileWindowTest, ClickingAFileSetsTheName) {
  ASSERT_TRUE(writeFile(file("prog.txt"), "P"));
  fileWindow->refreshFiles();
  clickFile(QStringLiteral("prog.txt"));
  EXPECT_EQ(fileNameEdit()->text(), QStringLiteral("prog.txt"));
  EXPECT_EQ(fileWindow->fullPath(), file("prog.txt"));
}

TEST_F(FileWindowTest, FullPathInTheRootFolderHasOneSlash) {
  fileWindow->setFolderPath(QStringLiteral("/"));
  fileNameEdit()->setText(QStringLiteral("prog.txt"));
  EXPECT_EQ(fileWindow->fullPath(), QStringLiteral("/prog.txt"));
}

TEST_F(FileWindowTest, LoadCheckReadsTheFileIntoTheEditorAndChecksIt) {
  const QString path = file("sum.txt");
  ASSERT_TRUE(writeFile(path,
                        "SUM START\r\n LD GR1,A\r\n ADDA GR1,B\r\n RET\r\nA DC 1\r\n"
                        "B DC 2\r\n END"));
  typeText(sourceEdit(), QStringLiteral("old text"));
  fileNameEdit()->setText(QStringLiteral("sum.txt"));
  dialogs.choiceAnswers.push_back(1);  // the typed text goes unsaved
  command(names::loadAndCheckAction);
  EXPECT_EQ(dialogs.choices.size(), 1u);
  EXPECT_EQ(text(),
            QStringLiteral("SUM START\n LD GR1,A\n ADDA GR1,B\n RET\nA DC 1\nB DC 2\n END\n"));
  EXPECT_EQ(listItems(messageList()), cliCheck(path));
  EXPECT_EQ(captions, progress({texts::captionReading, texts::captionIdle}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(editor->hasUnsavedChanges());
}

TEST_F(FileWindowTest, LoadCheckReadsShiftJisFiles) {
  const QString path = QStringLiteral(CASL2WB_EXAMPLES "/sum_sjis.txt");
  fileWindow->setFolderPath(QStringLiteral(CASL2WB_EXAMPLES));
  fileNameEdit()->setText(QStringLiteral("sum_sjis.txt"));
  command(names::loadAndCheckAction);
  EXPECT_EQ(listItems(messageList()), cliCheck(path));
}

TEST_F(FileWindowTest, LoadCheckWithoutNameSavesTheEditorTextAsWorkFileFirst) {
  typeText(sourceEdit(), QStringLiteral("PRG START\n RET\n END"));
  command(names::loadAndCheckAction);
  EXPECT_EQ(fileNameEdit()->text(), QStringLiteral("workcsl.txt"));
  EXPECT_EQ(readFile(file("workcsl.txt")), QStringLiteral("PRG START\r\n RET\r\n END\r\n"));
  EXPECT_EQ(text(), QStringLiteral("PRG START\n RET\n END\n"));
  EXPECT_EQ(listItems(messageList()), cliCheck(file("workcsl.txt")));
  EXPECT_EQ(captions, progress({texts::captionWriting, texts::captionIdle, texts::captionReading,
                                texts::captionIdle}));
  EXPECT_EQ(listItems(fileList()), QStringList({"workcsl.txt"}));
}

TEST_F(FileWindowTest, UnreadableFileIsReportedAndNothingChanges) {
  typeText(sourceEdit(), QStringLiteral("kept"));
  messageList()->addItem(QStringLiteral("kept item"));
  fileNameEdit()->setText(QStringLiteral("missing.txt"));
  command(names::loadAndCheckAction);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
  EXPECT_EQ(dialogs.messages[0].text,
            shownMessage(Message::CannotRead, {file("missing.txt").toStdString(),
                                               formatMessage(Message::ReasonNoSuchFile)}));
  EXPECT_EQ(text(), QStringLiteral("kept"));
  EXPECT_EQ(listItems(messageList()), QStringList({"kept item"}));
  EXPECT_EQ(captions, progress({texts::captionReading, texts::captionIdle}));

  ASSERT_TRUE(QDir(files).mkdir(QStringLiteral("folder.txt")));
  fileNameEdit()->setText(QStringLiteral("folder.txt"));
  command(names::loadAndCheckAction);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].text,
            shownMessage(Message::CannotRead,
                         {file("folder.txt").toStdString(), "フォルダは読み込めません。"}));
  EXPECT_EQ(text(), QStringLiteral("kept"));
}

TEST_F(FileWindowTest, PipesDevicesAndHugeFilesAreRefusedAtOnceInJapanese) {
  // Nobody writes to the FIFO: loading it must not wait.
  ASSERT_EQ(::mkfifo(file("pipe.txt").toLocal8Bit().constData(), 0600), 0);
  ASSERT_TRUE(writeFile(file("huge.txt"), QByteArray(maxSourceFileBytes + 1, 'A')));
  typeText(sourceEdit(), QStringLiteral("kept"));
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
    fileWindow->setFolderPath(QFileInfo(c.path).path());
    fileNameEdit()->setText(QFileInfo(c.path).fileName());
    command(names::loadAndCheckAction);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              shownMessage(Message::CannotRead, {c.path.toStdString(), c.reason.toStdString()}));
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
  fileWindow->setFolderPath(files);
  auto* folderList = control<FolderList>(names::folderList);
  QListWidgetItem* folderItem = nullptr;
  for (int i = 0; i < folderList->count(); ++i) {
    if (folderList->item(i)->text().trimmed() == QStringLiteral("漢字"))
      folderItem = folderList->item(i);
  }
  ASSERT_NE(folderItem, nullptr);
  emit folderList->itemActivated(folderItem);
  EXPECT_EQ(fileWindow->folderPath(), files + QStringLiteral("/漢字"));
  ASSERT_EQ(listItems(fileList()), QStringList({QStringLiteral("漢字.txt")}));

  clickFile(QStringLiteral("漢字.txt"));
  EXPECT_EQ(fileWindow->fullPathBytes(), fileBytes);
  command(names::loadAndCheckAction);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(text(), QStringLiteral("KANJI START\n RET\n END\n"));

  // Typed by hand, the shown name opens the same file; a save keeps its bytes.
  fileNameEdit()->setText(QStringLiteral("漢字.txt"));
  EXPECT_EQ(fileWindow->fullPathBytes(), fileBytes);
  command(names::fileSaveAction);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(listItems(fileList()), QStringList({QStringLiteral("漢字.txt")}));
}

TEST_F(FileWindowTest, LoadingShowsTheBusyCursorOnlyWhileItWorks) {
  ASSERT_TRUE(writeFile(file("prog.txt"), "PRG START\r\n RET\r\n END\r\n"));
  QList<bool> busyAtCaption;
  QObject::connect(fileWindow, &QWidget::windowTitleChanged, [&] {
    const QCursor* cursor = QApplication::overrideCursor();
    busyAtCaption.append(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
  });
  fileNameEdit()->setText(QStringLiteral("prog.txt"));
  command(names::loadAndCheckAction);
  EXPECT_EQ(busyAtCaption, QList<bool>({true, true}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  fileNameEdit()->setText(QStringLiteral("missing.txt"));
  command(names::loadAndCheckAction);  // the message box is shown with the usual cursor
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FileWindowTest, SaveWritesTheEditorTextWithCrLf) {
  ASSERT_TRUE(writeFile(file("prog.txt"), "old contents\r\n"));
  typeText(sourceEdit(), QStringLiteral("PRG START\n RET\n END"));
  fileNameEdit()->setText(QStringLiteral("prog.txt"));
  dialogs.questionAnswers.push_back(true);  // another file is overwritten
  command(names::fileSaveAction);
  EXPECT_EQ(readFile(file("prog.txt")), QStringLiteral("PRG START\r\n RET\r\n END\r\n"));
  EXPECT_EQ(captions, progress({texts::captionWriting, texts::captionIdle}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_FALSE(editor->hasUnsavedChanges());
  EXPECT_EQ(QDir(files).entryList(QDir::Files | QDir::Hidden), QStringList({"prog.txt"}));
}

TEST_F(FileWindowTest, SaveWithoutNameAsksForOneAndWritesNothing) {
  typeText(sourceEdit(), QStringLiteral(" RET\n"));
  command(names::fileSaveAction);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, shownMessage(Message::FileNameNeeded));
  EXPECT_TRUE(captions.isEmpty());
  EXPECT_TRUE(
      QDir(files).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
  EXPECT_TRUE(editor->hasUnsavedChanges());
}

TEST_F(FileWindowTest, FailedSaveLeavesTheOldFile) {
  ASSERT_TRUE(writeFile(file("prog.txt"), "OLD\r\n"));
  typeText(sourceEdit(), QString(200, QLatin1Char('X')));
  fileNameEdit()->setText(QStringLiteral("prog.txt"));
  dialogs.questionAnswers.push_back(true);

  // Files may grow to 64 bytes only, so writing the new text fails half-way.
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  command(names::fileSaveAction);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
  EXPECT_EQ(dialogs.messages[0].text,
            shownMessage(Message::CannotWrite, {file("prog.txt").toStdString(), "File too large"}));
  EXPECT_EQ(readFile(file("prog.txt")), QStringLiteral("OLD\r\n"));
  EXPECT_EQ(QDir(files).entryList(QDir::Files | QDir::Hidden), QStringList({"prog.txt"}));
  EXPECT_TRUE(editor->hasUnsavedChanges());
}

TEST_F(FileWindowTest, SaveIntoAReadOnlyFolderIsReported) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
  ASSERT_TRUE(writeFile(file("prog.txt"), "OLD\r\n"));
  QFile::setPermissions(files, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  typeText(sourceEdit(), QStringLiteral("NEW"));
  fileNameEdit()->setText(QStringLiteral("prog.txt"));
  dialogs.questionAnswers.push_back(true);
  command(names::fileSaveAction);
  QFile::setPermissions(files,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].text.contains(shownMessage(Message::ReasonPermissionDenied)));
  EXPECT_EQ(readFile(file("prog.txt")), QStringLiteral("OLD\r\n"));
}

TEST_F(FileWindowTest, SaveAsWritesTheChosenFileAndShowsItsName) {
  typeText(sourceEdit(), QStringLiteral("PRG START\n END"));
  dialogs.saveNames.push_back(file("new.txt"));
  command(names::fileSaveAsAction);
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0], QString::fromUtf8(texts::saveAsAction) + "|" + files + "|" +
                                         QString::fromUtf8(texts::fileFilter));
  EXPECT_EQ(readFile(file("new.txt")), QStringLiteral("PRG START\r\n END\r\n"));
  EXPECT_EQ(editor->windowTitle(), file("new.txt"));
  EXPECT_FALSE(editor->hasUnsavedChanges());
  EXPECT_EQ(listItems(fileList()), QStringList({"new.txt"}));
}

TEST_F(FileWindowTest, SaveAsFromTheEditorMenuAndToolbar) {
  typeText(sourceEdit(), QStringLiteral("A"));
  dialogs.saveNames.push_back(file("one.txt"));
  trigger(names::saveAsAction);
  dialogs.saveNames.push_back(file("two.txt"));
  action(names::newFileButton)->trigger();
  EXPECT_EQ(readFile(file("one.txt")), QStringLiteral("A\r\n"));
  EXPECT_EQ(readFile(file("two.txt")), QStringLiteral("A\r\n"));
  EXPECT_EQ(editor->windowTitle(), file("two.txt"));
}

TEST_F(FileWindowTest, CancelledSaveAsWritesNothing) {
  typeText(sourceEdit(), QStringLiteral("A"));
  command(names::fileSaveAsAction);
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(editor->windowTitle(), "*" + productTitleWithVersion());
  EXPECT_TRUE(QDir(files).entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_TRUE(editor->hasUnsavedChanges());
}

TEST_F(FileWindowTest, SaveAsIntoAMissingFolderIsReported) {
  typeText(sourceEdit(), QStringLiteral("A"));
  const QString path = files + QStringLiteral("/missing/new.txt");
  dialogs.saveNames.push_back(path);
  command(names::fileSaveAsAction);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            shownMessage(Message::CannotWrite,
                         {path.toStdString(), formatMessage(Message::ReasonNoSuchFile)}));
  EXPECT_EQ(editor->windowTitle(), "*" + productTitleWithVersion());
}

// Saving onto a file asks first unless the file is new or the one the
// editor's text was loaded from or last saved to; No writes nothing.
TEST_F(FileWindowTest, SaveAsksBeforeOverwritingAnotherFile) {
  ASSERT_TRUE(writeFile(file("other.txt"), "OTHER\r\n"));
  ASSERT_TRUE(writeFile(file("own.txt"), "OWN START\r\n RET\r\n END\r\n"));
  const QString overwrite = productTitle() + "\n" +
                            shownMessage(Message::OverwriteFile, {file("other.txt").toStdString()});

  typeText(sourceEdit(), QStringLiteral("NEW"));
  fileNameEdit()->setText(QStringLiteral("other.txt"));
  command(names::fileSaveAction);  // No
  EXPECT_EQ(dialogs.questions, std::vector<QString>{overwrite});
  EXPECT_EQ(readFile(file("other.txt")), QStringLiteral("OTHER\r\n"));
  EXPECT_TRUE(captions.isEmpty());
  EXPECT_TRUE(editor->hasUnsavedChanges());

  dialogs.questionAnswers.push_back(true);
  command(names::fileSaveAction);
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_EQ(readFile(file("other.txt")), QStringLiteral("NEW\r\n"));
  // Now it is the editor's own file: saving again does not ask.
  typeText(sourceEdit(), QStringLiteral("ER"));
  command(names::fileSaveAction);
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_EQ(readFile(file("other.txt")), QStringLiteral("NEWER\r\n"));

  // The file the text was loaded from, a new file and a file just written by
  // save-as are written without a question.
  fileNameEdit()->setText(QStringLiteral("own.txt"));
  command(names::loadAndCheckAction);
  typeText(sourceEdit(), QStringLiteral("; edited\n"));
  command(names::fileSaveAction);
  fileNameEdit()->setText(QStringLiteral("new.txt"));
  command(names::fileSaveAction);
  dialogs.saveNames.push_back(file("saved-as.txt"));
  command(names::fileSaveAsAction);
  fileNameEdit()->setText(QStringLiteral("saved-as.txt"));
  command(names::fileSaveAction);
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_TRUE(readFile(file("own.txt")).startsWith(QStringLiteral("; edited\r\nOWN START")));
  EXPECT_TRUE(dialogs.messages.empty());

  // After the clear command the new text comes from no file.
  const QString savedAs = readFile(file("saved-as.txt"));
  typeText(sourceEdit(), QStringLiteral("X"));
  dialogs.choiceAnswers.push_back(1);  // clear: throw the edit away
  trigger(names::clearAction);
  EXPECT_EQ(dialogs.choices.size(), 1u);
  typeText(sourceEdit(), QStringLiteral("Y"));
  command(names::fileSaveAction);  // No
  EXPECT_EQ(dialogs.questions.size(), 3u);
  EXPECT_EQ(readFile(file("saved-as.txt")), savedAs);
}

// The name typed or chosen in one folder is not carried into another.
TEST_F(FileWindowTest, AnotherFolderEmptiesTheFileNameAndAFileChosenThereSetsIt) {
  ASSERT_TRUE(QDir(files).mkdir(QStringLiteral("inner")));
  ASSERT_TRUE(writeFile(file("inner/x.txt"), "X"));
  ASSERT_TRUE(writeFile(file("prog.txt"), "P"));
  fileWindow->refreshFiles();
  clickFile(QStringLiteral("prog.txt"));
  ASSERT_EQ(fileNameEdit()->text(), QStringLiteral("prog.txt"));
  // Reading the same folder again keeps the name.
  fileWindow->rereadLists();
  fileWindow->setFolderPath(files);
  EXPECT_EQ(fileNameEdit()->text(), QStringLiteral("prog.txt"));

  auto* folderList = control<FolderList>(names::folderList);
  const QList<QListWidgetItem*> inner =
      folderList->findItems(QStringLiteral("inner"), Qt::MatchEndsWith);
  ASSERT_EQ(inner.size(), 1);
  emit folderList->itemActivated(inner[0]);
  EXPECT_EQ(fileNameEdit()->text(), QString());
  EXPECT_EQ(fileWindow->fullPath(), file("inner/"));
  clickFile(QStringLiteral("x.txt"));
  EXPECT_EQ(fileWindow->fullPath(), file("inner/x.txt"));

  auto* driveList = control<QComboBox>(names::driveList);
  driveList->setCurrentIndex(driveList->findText(QStringLiteral("/")));
  emit driveList->activated(driveList->currentIndex());
  EXPECT_EQ(fileNameEdit()->text(), QString());
}

// Files and folders made while the window was hidden, or while it was shown
// before a save or another opening, are listed.
TEST_F(FileWindowTest, ListsAreReadAfreshWhenShownAndAfterEverySave) {
  auto folderNames = [this] {
    QStringList shown;
    for (const QString& item : listItems(control<FolderList>(names::folderList))) {
      shown.append(item.trimmed());
    }
    return shown;
  };
  fileWindow->hide();
  ASSERT_TRUE(writeFile(file("made.txt"), "M"));
  ASSERT_TRUE(QDir(files).mkdir(QStringLiteral("madeFolder")));
  trigger(names::fileWindowAction);
  EXPECT_EQ(listItems(fileList()), QStringList({"made.txt"}));
  EXPECT_TRUE(folderNames().contains(QStringLiteral("madeFolder")));

  // Shown: the toolbar's open button reads the folder again.
  ASSERT_TRUE(writeFile(file("second.txt"), "S"));
  action(names::openButton)->trigger();
  EXPECT_EQ(listItems(fileList()), QStringList({"made.txt", "second.txt"}));

  // A save lists what was made meanwhile along with the saved file.
  ASSERT_TRUE(writeFile(file("third.txt"), "T"));
  ASSERT_TRUE(QDir(files).mkdir(QStringLiteral("otherFolder")));
  typeText(sourceEdit(), QStringLiteral("A"));
  fileNameEdit()->setText(QStringLiteral("saved.txt"));
  command(names::fileSaveAction);
  EXPECT_EQ(listItems(fileList()),
            QStringList({"made.txt", "saved.txt", "second.txt", "third.txt"}));
  EXPECT_TRUE(folderNames().contains(QStringLiteral("otherFolder")));
  EXPECT_EQ(fileList()->currentItem()->text(), QStringLiteral("saved.txt"));

  // So does a save-as from the editor.
  ASSERT_TRUE(writeFile(file("fourth.txt"), "F"));
  dialogs.saveNames.push_back(file("as.txt"));
  trigger(names::saveAsAction);
  EXPECT_TRUE(listItems(fileList()).contains(QStringLiteral("fourth.txt")));
  EXPECT_TRUE(listItems(fileList()).contains(QStringLiteral("as.txt")));
}

// The editor's caption names the file its text came from, in the form that
// save-as gives it.
TEST_F(FileWindowTest, EditorCaptionNamesTheFileOfTheText) {
  ASSERT_TRUE(writeFile(file("sum.txt"), "SUM START\r\n RET\r\n END\r\n"));
  fileNameEdit()->setText(QStringLiteral("sum.txt"));
  command(names::loadAndCheckAction);
  EXPECT_EQ(editor->windowTitle(), file("sum.txt"));

  // A load that fails keeps the caption; a check keeps it.
  fileNameEdit()->setText(QStringLiteral("missing.txt"));
  command(names::loadAndCheckAction);
  trigger(names::checkAction);
  EXPECT_EQ(editor->windowTitle(), file("sum.txt"));

  fileNameEdit()->setText(QStringLiteral("copy.txt"));
  command(names::fileSaveAction);
  EXPECT_EQ(editor->windowTitle(), file("copy.txt"));

  // A load-and-check without a name loads the work file it wrote.
  fileNameEdit()->clear();
  command(names::loadAndCheckAction);
  EXPECT_EQ(editor->windowTitle(), file("workcsl.txt"));

  trigger(names::clearAction);
  EXPECT_EQ(editor->windowTitle(), productTitleWithVersion());
}

// The window system keeps a dialog-type window with an owner in front of
// its owner: the file window, the find dialog and the replace dialog are
// such windows of the editor.
TEST_F(FileWindowTest, FileWindowAndFindAndReplaceDialogsStayInFrontOfTheEditor) {
  trigger(names::findAction);
  trigger(names::replaceAction);
  for (const char* name : {names::fileWindow, names::findDialog, names::replaceDialog}) {
    SCOPED_TRACE(name);
    auto* window = child<QWidget>(name);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowType(), Qt::Dialog);
    ASSERT_NE(window->windowHandle(), nullptr);
    EXPECT_EQ(window->windowHandle()->transientParent(), editor->windowHandle());
  }
  // The file window keeps its buttons to minimise and maximise.
  EXPECT_TRUE(fileWindow->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(fileWindow->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// The reasons users commonly meet are told in Japanese; others as the
// system gives them ("File too large" in FailedSaveLeavesTheOldFile).
TEST_F(FileWindowTest, CommonReasonsOfFileErrorsAreJapanese) {
  ASSERT_TRUE(QDir(files).mkdir(QStringLiteral("folder.txt")));
  typeText(sourceEdit(), QStringLiteral("A"));
  fileNameEdit()->setText(QStringLiteral("folder.txt"));
  command(names::fileSaveAction);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            shownMessage(Message::CannotWrite, {file("folder.txt").toStdString(),
                                                formatMessage(Message::ReasonIsFolder)}));
  EXPECT_TRUE(dialogs.questions.empty());
}

}  // namespace
}  // namespace casl2wb::testing
