// A text that no file holds is never dropped without a question: which
// commands ask and when, what the answers do, the caption's mark of unsaved
// text, and Ctrl+S.
#include <QDir>
#include <QLineEdit>

#include "editor_fixture.h"
#include "views/dialog_texts.h"
#include "views/file_window.h"
#include "views/product_title.h"
#include "views/text_conversion.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;

const QByteArray fileA = "PRG START\r\n RET\r\n END\r\n";
const QString textA = QStringLiteral("PRG START\n RET\n END\n");
const QByteArray fileB = "B START\r\n RET\r\n END\r\n";
const QString textB = QStringLiteral("B START\n RET\n END\n");

// How the text came to be before the command.
enum class Before { Empty, Typed, TypedAndChecked, Loaded, LoadedAndEdited, EditedBack, KeySaved };
// The commands that drop the text.
enum class Command { End, Close, CloseButton, Clear, Load };
// The buttons of the question.
enum Answer { Save = 0, DontSave = 1, Cancel = 2 };

class UnsavedTextTest : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    ASSERT_TRUE(writeFile(path("a.txt"), fileA));
    ASSERT_TRUE(writeFile(path("b.txt"), fileB));
    watchEndings();
  }
  QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
  void watchEndings() {
    endings = 0;
    QObject::connect(editor.get(), &EditorWindow::programEnded, [this] { ++endings; });
  }
  void restart() {
    editor = std::make_unique<EditorWindow>(*state, dialogs);
    editor->show();
    dialogs = ScriptedDialogs();
    watchEndings();
  }
  // Loads the file through the file window.
  void load(const char* name) {
    FileWindow& window = editor->fileWindow();
    window.setFolderPath(folder.path());
    window.findChild<QLineEdit*>(QString::fromLatin1(names::fileNameEdit))
        ->setText(QString::fromLatin1(name));
    window.loadAndCheck();
  }
  void prepare(Before setup) {
    switch (setup) {
      case Before::Empty:
        break;
      case Before::Typed:
        typeText(sourceEdit(), textA);
        break;
      case Before::TypedAndChecked:
        typeText(sourceEdit(), textA);
        trigger(names::checkAction);
        break;
      case Before::Loaded:
        load("a.txt");
        break;
      case Before::LoadedAndEdited:
      case Before::EditedBack:
      case Before::KeySaved:
        load("a.txt");
        typeText(sourceEdit(), QStringLiteral("X"));
        if (setup == Before::EditedBack) sourceEdit()->undo();
        if (setup == Before::KeySaved) press(QKeySequence(QStringLiteral("Ctrl+S")));
        break;
    }
  }
  void perform(Command command) {
    switch (command) {
      case Command::End:
        trigger(names::endAction);
        break;
      case Command::Close:
        trigger(names::closeAction);
        break;
      case Command::CloseButton:
        editor->close();
        break;
      case Command::Clear:
        trigger(names::clearAction);
        break;
      case Command::Load:
        load("b.txt");
        break;
    }
  }
  // Whether the command did what it does.
  bool performed(Command command) const {
    switch (command) {
      case Command::Clear:
        return text().isEmpty();
      case Command::Load:
        return text() == textB;
      default:
        return endings == 1;
    }
  }
  // The question the command asks about the text.
  QString question(Command command, const QString& fileShown) const {
    const std::string unsaved = fileShown.isEmpty()
                                    ? formatMessage(Message::UnsavedNewText)
                                    : formatMessage(Message::UnsavedFileText, {toStd(fileShown)});
    QString asked;
    switch (command) {
      case Command::Clear:
        asked = shownMessage(Message::SaveBeforeClear, {unsaved});
        break;
      case Command::Load:
        asked = shownMessage(Message::SaveBeforeLoad, {unsaved, toStd(path("b.txt"))});
        break;
      default:
        asked = shownMessage(Message::SaveBeforeEnd, {unsaved});
        break;
    }
    return productTitle() + "\n" + asked + "\n" + QString::fromUtf8(dialog_texts::saveChoice) +
           "|" + QString::fromUtf8(dialog_texts::dontSaveChoice) + "|" +
           QString::fromUtf8(dialog_texts::cancelButton) + "|default 0|escape 2";
  }

  int endings = 0;
};

// Every command that drops the text asks exactly when the text differs from
// its file (or holds anything without one); closing the question keeps the
// text and does nothing.
TEST_F(UnsavedTextTest, CommandsAskOnlyForUnsavedTextAndTheQuestionSaysWhatHappens) {
  struct Case {
    Before setup;
    bool unsaved;
    const char* file;  // the file the question names
  };
  const Case cases[] = {
      {Before::Empty, false, nullptr},          {Before::Typed, true, nullptr},
      {Before::TypedAndChecked, true, nullptr}, {Before::Loaded, false, nullptr},
      {Before::LoadedAndEdited, true, "a.txt"}, {Before::EditedBack, false, nullptr},
      {Before::KeySaved, false, nullptr},
  };
  for (const Case& c : cases) {
    for (const Command command :
         {Command::End, Command::Close, Command::CloseButton, Command::Clear, Command::Load}) {
      SCOPED_TRACE(::testing::Message() << "setup " << static_cast<int>(c.setup) << ", command "
                                        << static_cast<int>(command));
      restart();
      ASSERT_TRUE(writeFile(path("a.txt"), fileA));
      prepare(c.setup);
      ASSERT_EQ(editor->hasUnsavedChanges(), c.unsaved);
      const QString before = text();
      perform(command);  // the question, if any, is closed
      if (!c.unsaved) {
        EXPECT_TRUE(dialogs.choices.empty());
        EXPECT_TRUE(performed(command));
        continue;
      }
      ASSERT_EQ(dialogs.choices.size(), 1u);
      EXPECT_EQ(dialogs.choices[0], question(command, c.file ? path(c.file) : QString()));
      EXPECT_FALSE(performed(command));
      EXPECT_EQ(text(), before);
      EXPECT_TRUE(editor->isVisible());
    }
  }
}

// Saving first writes the text to its file, or under a name asked for, and
// then the command goes on; a save that is cancelled or fails keeps the text.
TEST_F(UnsavedTextTest, TheAnswersSaveFirstDropOrKeep) {
  struct Case {
    const char* what;
    Before setup;
    Answer answer;
    const char* saveName;  // the name the save dialog gives, if asked
    bool blocked;          // a folder stands where the file was
    bool cleared;
    const char* written;  // the file that holds the text afterwards
  };
  const Case cases[] = {
      {"own file", Before::LoadedAndEdited, Save, nullptr, false, true, "a.txt"},
      {"named", Before::Typed, Save, "new.txt", false, true, "new.txt"},
      {"name cancelled", Before::Typed, Save, nullptr, false, false, nullptr},
      {"save failed", Before::LoadedAndEdited, Save, nullptr, true, false, nullptr},
      {"dropped", Before::LoadedAndEdited, DontSave, nullptr, false, true, nullptr},
      {"kept", Before::Typed, Cancel, nullptr, false, false, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    restart();
    QDir(folder.path()).rmdir(QStringLiteral("a.txt"));
    ASSERT_TRUE(writeFile(path("a.txt"), fileA));
    prepare(c.setup);
    const QString edited = text();
    if (c.blocked) {
      ASSERT_TRUE(QFile::remove(path("a.txt")));
      ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("a.txt")));
    }
    if (c.saveName != nullptr) dialogs.saveNames.push_back(path(c.saveName));
    dialogs.choiceAnswers.push_back(c.answer);
    trigger(names::clearAction);
    EXPECT_EQ(text(), c.cleared ? QString() : edited);
    EXPECT_EQ(dialogs.messages.size(), c.blocked ? 1u : 0u);
    if (c.written != nullptr) {
      EXPECT_EQ(withNewlines(readFile(path(c.written))), edited);
    }
    if (!c.blocked && c.setup == Before::LoadedAndEdited && c.answer != Save) {
      EXPECT_EQ(readFile(path("a.txt")), QString::fromUtf8(fileA));
    }
  }
}

// The caption names the file, or the product without one, with a leading
// "*" while the text differs from its file; Ctrl+S saves to that file and
// asks for a name only when there is none.
TEST_F(UnsavedTextTest, TheCaptionMarksUnsavedTextAndCtrlSSavesToTheFile) {
  const QString title = productTitleWithVersion();
  const QKeySequence save(QStringLiteral("Ctrl+S"));
  EXPECT_EQ(editor->windowTitle(), title);
  typeText(sourceEdit(), QStringLiteral("A"));
  EXPECT_EQ(editor->windowTitle(), "*" + title);
  sourceEdit()->undo();
  EXPECT_EQ(editor->windowTitle(), title);

  typeText(sourceEdit(), textB);
  press(save);  // no file yet: the name is asked for, and cancelled
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(editor->windowTitle(), "*" + title);
  dialogs.saveNames.push_back(path("c.txt"));
  press(save);
  EXPECT_EQ(editor->windowTitle(), path("c.txt"));
  EXPECT_EQ(readFile(path("c.txt")), QString::fromUtf8(fileB));

  typeText(sourceEdit(), QStringLiteral("; more\n"));
  EXPECT_EQ(editor->windowTitle(), "*" + path("c.txt"));
  trigger(names::checkAction);  // a check saves nothing
  EXPECT_EQ(editor->windowTitle(), "*" + path("c.txt"));
  press(save);
  EXPECT_EQ(dialogs.saveRequests.size(), 2u);
  EXPECT_EQ(editor->windowTitle(), path("c.txt"));
  EXPECT_EQ(withNewlines(readFile(path("c.txt"))), text());
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace casl2wb::testing
