// The editor's error check: the typed program goes through the work file and
// the check, and the message list receives what the text front end prints.
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>

#include "base/source_file.h"
#include "editor_fixture.h"
#include "views/file_window.h"
#include "views/file_window_texts.h"
#include "views/text_conversion.h"

namespace casl2wb::testing {
namespace {

QString example(const char* name) {
  return QStringLiteral(CASL2WB_EXAMPLES "/") + QString::fromLatin1(name);
}

class EditorCheckTest : public EditorFixture {
 protected:
  // Types the program, checks it, and compares the message list with the text front end
  // on a file holding the same text.
  void typeCheckAndCompare(const QString& program) {
    typeText(sourceEdit(), program);
    ASSERT_EQ(text(), program);
    trigger(object_names::checkAction);

    const QString copy = folder.filePath(QStringLiteral("typed.txt"));
    ASSERT_TRUE(writeFile(copy, program.toUtf8()));
    const QStringList expected = cliCheck(copy);
    ASSERT_GT(expected.size(), 1);
    EXPECT_EQ(listItems(messageList()), expected);
    EXPECT_TRUE(dialogs.messages.empty());
  }
};

TEST_F(EditorCheckTest, ProgramWithoutErrorsGivesListingAndDump) {
  const QString program = readFile(example("hello.txt"));
  typeCheckAndCompare(program);
  // The translation ran: the memory dump follows the listing, and the
  // program-trace text is kept for the trace window.
  EXPECT_GT(messageList()->count(), 12);
  EXPECT_FALSE(state->traceText.text().empty());
  // The file window was made for the progress captions but is not shown.
  auto* fileWindow = child<FileWindow>(object_names::fileWindow);
  ASSERT_NE(fileWindow, nullptr);
  EXPECT_FALSE(fileWindow->isVisible());
}

TEST_F(EditorCheckTest, ProgramWithErrorsGivesItsMessages) {
  typeCheckAndCompare(readFile(example("errors.txt")));
  EXPECT_TRUE(state->traceText.text().empty());
}

TEST_F(EditorCheckTest, ProgramTypedWithoutFinalNewline) {
  typeCheckAndCompare(QStringLiteral("PRG START\n LD GR1,A\n RET\nA DC 5\n END"));
  // The text comes back from the work file with every line ended.
  EXPECT_EQ(text(), QStringLiteral("PRG START\n LD GR1,A\n RET\nA DC 5\n END\n"));
}

TEST_F(EditorCheckTest, WorkFilesLiveInAnOwnerOnlyFolderAndAreRemoved) {
  typeText(sourceEdit(), QStringLiteral("PRG START\n RET\n END"));
  trigger(object_names::checkAction);
  struct stat status {};
  ASSERT_EQ(::stat(workFolder.toLocal8Bit().constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);
  EXPECT_TRUE(QDir(workFolder)
                  .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));

  // A link where the older fixed work file was is never written through.
  const QString victim = folder.filePath(QStringLiteral("victim.txt"));
  ASSERT_TRUE(writeFile(victim, "mine"));
  ASSERT_TRUE(QFile::link(victim, workFolder + QStringLiteral("/workcsl.txt")));
  trigger(object_names::checkAction);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(readFile(victim), QStringLiteral("mine"));
  EXPECT_EQ(QDir(workFolder)
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList({QStringLiteral("workcsl.txt")}));
}

TEST_F(EditorCheckTest, SecondCheckWritesNoExtraLine) {
  typeText(sourceEdit(), QStringLiteral("PRG START\n RET\n END\n"));
  trigger(object_names::checkAction);
  trigger(object_names::checkAction);
  EXPECT_EQ(text(), QStringLiteral("PRG START\n RET\n END\n"));
}

TEST_F(EditorCheckTest, FileWindowCaptionsShowProgressWithoutShowingIt) {
  QStringList captions;
  FileWindow& fileWindow = editor->fileWindow();
  QObject::connect(&fileWindow, &QWidget::windowTitleChanged,
                   [&](const QString& caption) { captions.append(caption); });
  typeText(sourceEdit(), QStringLiteral(" RET\n"));
  trigger(object_names::checkAction);
  EXPECT_EQ(captions, QStringList({QString::fromUtf8(file_window_texts::captionWriting),
                                   QString::fromUtf8(file_window_texts::captionIdle),
                                   QString::fromUtf8(file_window_texts::captionReading),
                                   QString::fromUtf8(file_window_texts::captionIdle)}));
  EXPECT_FALSE(fileWindow.isVisible());
}

TEST_F(EditorCheckTest, WorkFileThatCannotBeWrittenIsReported) {
  // The work folder is a file that no new file can be made in.
  const QString plain = folder.filePath(QStringLiteral("plain"));
  ASSERT_TRUE(writeFile(plain, "x"));
  state->workFolder = plain.toStdString();
  messageList()->addItem(QStringLiteral("earlier item"));
  typeText(sourceEdit(), QStringLiteral(" LD GR1,A\n"));
  trigger(object_names::checkAction);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
  EXPECT_EQ(dialogs.messages[0].text,
            shownMessage(Message::WorkFileFailed, {plain.toStdString(), "Not a directory"}));
  EXPECT_EQ(text(), QStringLiteral(" LD GR1,A\n"));
  EXPECT_EQ(listItems(messageList()), QStringList({QStringLiteral("earlier item")}));
}

TEST_F(EditorCheckTest, TextLongerThanACheckTakesIsRefusedBeforeAnythingIsWritten) {
  sourceEdit()->setPlainText(
      QString(static_cast<qsizetype>(maxSourceFileBytes) + 1, QLatin1Char('A')));
  trigger(object_names::checkAction);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            shownMessage(Message::TextTooLargeToCheck, {std::to_string(maxSourceFileBytes)}));
  EXPECT_EQ(messageList()->count(), 0);
  EXPECT_TRUE(QDir(workFolder).isEmpty());
}

TEST_F(EditorCheckTest, WorkFolderThatCannotBeMadeIsReported) {
  const QString blocker = folder.filePath(QStringLiteral("plain-file"));
  ASSERT_TRUE(writeFile(blocker, "x"));
  state->workFolder = (blocker + QStringLiteral("/casl2wb")).toStdString();
  typeText(sourceEdit(), QStringLiteral(" RET\n"));
  trigger(object_names::checkAction);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("Not a directory")))
      << dialogs.messages[0].text.toStdString();
  EXPECT_EQ(messageList()->count(), 0);
}

}  // namespace
}  // namespace casl2wb::testing
