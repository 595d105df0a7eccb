// The recovery file: the copy of unsaved text on the disk, what an ordinary
// end leaves, and what a start after a kill offers.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcessEnvironment>
#include <QThread>
#include <cstdio>

#include "base/recovery_files.h"
#include "editor_fixture.h"
#include "views/dialog_texts.h"
#include "views/editor_recovery.h"
#include "views/file_window.h"
#include "views/product_title.h"
#include "views/text_conversion.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;

// The child process of the kill test finds its data folder here.
constexpr const char* childFolderVariable = "CASL2WB_RECOVERY_CHILD_FOLDER";
const QString typed = QStringLiteral("; typed before the kill\n");

enum Answer { Restore = 0, Discard = 1, Later = 2 };

class RecoveryTest : public EditorFixture {
 protected:
  QString recoveryFolder() const {
    return QString::fromStdString(recoveryFolderOf(workFolder.toStdString()));
  }
  // The recovery texts in the folder, as their files hold them.
  QStringList copies() const {
    QStringList texts;
    for (const QString& name :
         QDir(recoveryFolder()).entryList({QStringLiteral("*.txt")}, QDir::Files)) {
      const std::string bytes = toStd(readFile(recoveryFolder() + "/" + name));
      texts.append(fromStd(parseRecoveryFile(bytes).text));
    }
    return texts;
  }
  bool copiedWithin(const QString& text, int milliseconds) const {
    return QTest::qWaitFor([&] { return copies() == QStringList{text}; }, milliseconds);
  }
  void leaveOrphan(const RecoveredText& recovered, const char* name) const {
    ASSERT_TRUE(QDir().mkpath(recoveryFolder()));
    ASSERT_TRUE(writeFile(recoveryFolder() + "/" + name,
                          QByteArray::fromStdString(recoveryFileBytes(recovered))));
  }
  void loadFile(const QString& name) {
    FileWindow& window = editor->fileWindow();
    window.setFolderPath(folder.path());
    window.findChild<QLineEdit*>(QString::fromLatin1(names::fileNameEdit))->setText(name);
    window.loadAndCheck();
  }
};

// Not a test of its own: the program that the kill test starts and kills.
// It loads a file, types into it, waits until the copy is on the disk and
// says so.
TEST_F(RecoveryTest, DISABLED_ChildThatIsKilled) {
  const QString childFolder = qEnvironmentVariable(childFolderVariable);
  if (childFolder.isEmpty()) GTEST_SKIP() << "started by KilledProgramsTextIsOfferedAtTheNextStart";
  workFolder = childFolder + QStringLiteral("/data/casl2wb");
  state = std::make_unique<WorkbenchState>(workFolder.toStdString());
  editor = std::make_unique<EditorWindow>(*state, dialogs);
  editor->show();
  FileWindow& window = editor->fileWindow();
  window.setFolderPath(childFolder);
  window.findChild<QLineEdit*>(QString::fromLatin1(names::fileNameEdit))
      ->setText(QStringLiteral("prog.txt"));
  window.loadAndCheck();
  typeText(sourceEdit(), typed);
  ASSERT_TRUE(QTest::qWaitFor([&] { return copies().size() == 1; }, 10000));
  std::puts("copied");
  std::fflush(stdout);
  for (;;) QThread::sleep(1);
}

TEST_F(RecoveryTest, KilledProgramsTextIsOfferedAtTheNextStart) {
  const QString program = QStringLiteral("PRG START\n RET\n END\n");
  ASSERT_TRUE(writeFile(folder.filePath(QStringLiteral("prog.txt")), program.toUtf8()));
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QString::fromLatin1(childFolderVariable), folder.path());
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=RecoveryTest.DISABLED_ChildThatIsKilled"),
               QStringLiteral("--gtest_also_run_disabled_tests")});
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        child.waitForReadyRead(100);
        return child.peek(4096).contains("copied") || child.state() == QProcess::NotRunning;
      },
      30000));
  ASSERT_EQ(child.state(), QProcess::Running) << child.readAll().toStdString();
  child.kill();  // SIGKILL: nothing of the program runs any more
  ASSERT_TRUE(child.waitForFinished(10000));
  EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

  // The next start over the same data folder offers the text, naming its file.
  state = std::make_unique<WorkbenchState>(workFolder.toStdString());
  editor = std::make_unique<EditorWindow>(*state, dialogs);
  editor->show();
  dialogs.choiceAnswers.push_back(Restore);
  editor->offerRecoveries();
  ASSERT_EQ(dialogs.choices.size(), 1u);
  const QString prog = folder.filePath(QStringLiteral("prog.txt"));
  EXPECT_TRUE(
      dialogs.choices[0].startsWith(productTitle() + "\n" +
                                    shownMessage(Message::RecoveryOffer, {toStd(prog), "", "4"})
                                        .section(QLatin1Char('\n'), 0, 1)));
  EXPECT_TRUE(dialogs.choices[0].contains(QStringLiteral("（4行）")));
  EXPECT_TRUE(dialogs.choices[0].endsWith(QString::fromUtf8(dialog_texts::restoreChoice) + "|" +
                                          QString::fromUtf8(dialog_texts::discardChoice) + "|" +
                                          QString::fromUtf8(dialog_texts::laterChoice) +
                                          "|default 0|escape 2"));
  EXPECT_EQ(text(), typed + program);
  EXPECT_TRUE(editor->hasUnsavedChanges());
  EXPECT_EQ(editor->windowTitle(), "*" + prog);
  // The restored text has a copy of its own, and the old one is gone.
  EXPECT_EQ(copies(), QStringList{typed + program});
  editor->offerRecoveries();
  EXPECT_EQ(dialogs.choices.size(), 1u);

  // Saved, it is the file's text and needs no copy; an ordinary end leaves
  // nothing behind.
  press(QKeySequence(QStringLiteral("Ctrl+S")));
  EXPECT_EQ(withNewlines(readFile(prog)), typed + program);
  EXPECT_TRUE(QTest::qWaitFor([&] { return copies().isEmpty(); }, 2000));
  editor.reset();
  EXPECT_TRUE(QDir(recoveryFolder()).isEmpty());
}

TEST_F(RecoveryTest, AnEditIsCopiedWithinTwoSecondsAndTheCopyFollowsTheText) {
  // Typing on without a pause does not put the copy off.
  QElapsedTimer typing;
  typing.start();
  while (copies().isEmpty() && typing.elapsed() < 2000) {
    typeText(sourceEdit(), QStringLiteral("A"));
    QTest::qWait(200);
  }
  EXPECT_FALSE(copies().isEmpty());
  sourceEdit()->setPlainText(QStringLiteral("A"));
  sourceEdit()->moveCursor(QTextCursor::End);
  EXPECT_TRUE(copiedWithin(QStringLiteral("A"), 2000));
  typeText(sourceEdit(), QStringLiteral("B"));
  EXPECT_TRUE(copiedWithin(QStringLiteral("AB"), 2000));
  // An empty text of no file holds nothing to recover.
  sourceEdit()->clear();
  EXPECT_TRUE(QTest::qWaitFor([&] { return copies().isEmpty(); }, 2000));
}

// Each answer to the offer: restoring asks first when the editor's text is
// unsaved, discarding removes the text for good, "later" keeps it for the
// next start; the texts of running programs are never offered.
TEST_F(RecoveryTest, TheAnswersToTheOffer) {
  leaveOrphan({"; first\n", ""}, "session-aaaaaa.txt");
  leaveOrphan({"; second\n", ""}, "session-bbbbbb.txt");
  typeText(sourceEdit(), QStringLiteral("; mine\n"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return copies().contains(QStringLiteral("; mine\n")); }, 2000));

  // Another program over the same folder offers only the two left behind.
  WorkbenchState otherState(workFolder.toStdString());
  ScriptedDialogs otherDialogs;
  EditorWindow other(otherState, otherDialogs);
  otherDialogs.choiceAnswers = {Later, Later};
  other.offerRecoveries();
  EXPECT_EQ(otherDialogs.choices.size(), 2u);

  // Restoring over the unsaved text asks; closing that question keeps both.
  dialogs.choiceAnswers = {Restore, 2 /* keep the text */, Discard};
  editor->offerRecoveries();
  ASSERT_EQ(dialogs.choices.size(), 3u);
  EXPECT_TRUE(dialogs.choices[1].contains(
      shownMessage(Message::SaveBeforeRestore, {formatMessage(Message::UnsavedNewText)})));
  EXPECT_EQ(text(), QStringLiteral("; mine\n"));
  // The second was discarded; the first is offered again.
  dialogs.choices.clear();
  dialogs.choiceAnswers = {Restore, 1 /* without saving */};
  editor->offerRecoveries();
  EXPECT_EQ(dialogs.choices.size(), 2u);
  EXPECT_EQ(text(), QStringLiteral("; first\n"));
  EXPECT_EQ(editor->windowTitle(), "*" + productTitleWithVersion());
  dialogs.choices.clear();
  editor->offerRecoveries();
  EXPECT_TRUE(dialogs.choices.empty());
  EXPECT_EQ(copies(), QStringList{QStringLiteral("; first\n")});
}

}  // namespace
}  // namespace casl2wb::testing
