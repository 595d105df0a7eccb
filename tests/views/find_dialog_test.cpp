// The find dialog: where a search starts, the case rule, the end message and
// the search-from-the-top box.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "editor_fixture.h"
#include "views/find_dialog.h"
#include "views/find_texts.h"
#include "views/product_title.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;

class FindDialogTest : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    typeText(sourceEdit(), QStringLiteral("PRG START\n LD GR1,A\n ld GR2,B\n LD GR3,C\n END\n"));
    trigger(names::findAction);
    dialog = child<FindDialog>(names::findDialog);
    ASSERT_NE(dialog, nullptr);
  }

  template <typename T>
  T* control(const char* name) const {
    return dialog->findChild<T*>(QString::fromLatin1(name));
  }
  QLineEdit* findText() const { return control<QLineEdit>(names::findText); }
  QCheckBox* matchCaseCheck() const { return control<QCheckBox>(names::matchCaseCheck); }
  QCheckBox* fromTopCheck() const { return control<QCheckBox>(names::fromTopCheck); }
  void find(const QString& wanted) {
    findText()->setText(wanted);
    control<QPushButton>(names::findNextButton)->click();
  }
  int endMessages() const {
    int count = 0;
    for (const ShownMessage& m : dialogs.messages) {
      count += m.text == QStringLiteral("文書の検索が終わりました。") &&
               m.icon == Dialogs::Icon::Information && m.title == productTitle();
    }
    return count;
  }

  FindDialog* dialog = nullptr;
};

TEST_F(FindDialogTest, ControlsAndCaptions) {
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(find_texts::findDialogCaption));
  EXPECT_EQ(dialog->parent(), editor.get());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(findText()->text(), QString());
  EXPECT_EQ(control<QPushButton>(names::findNextButton)->text(),
            QString::fromUtf8(find_texts::findNextButton));
  EXPECT_EQ(control<QPushButton>(names::cancelButton)->text(),
            QString::fromUtf8(find_texts::cancelButton));
  EXPECT_EQ(matchCaseCheck()->text(), QString::fromUtf8(find_texts::matchCaseCheck));
  EXPECT_EQ(fromTopCheck()->text(), QString::fromUtf8(find_texts::fromTopCheck));
}

TEST_F(FindDialogTest, ToolbarButtonOpensTheSameDialog) {
  action(names::findButton)->trigger();
  EXPECT_EQ(editor->findChildren<FindDialog*>().size(), 1);
}

TEST_F(FindDialogTest, SearchStartsAfterTheSelection) {
  matchCaseCheck()->setChecked(true);
  select(0, 0);
  find(QStringLiteral("LD"));
  EXPECT_EQ(selectionStart(), 11);
  EXPECT_EQ(selectionLength(), 2);
  find(QStringLiteral("LD"));
  EXPECT_EQ(selectionStart(), 31);
  EXPECT_EQ(selectedText(), QStringLiteral("LD"));
  EXPECT_EQ(endMessages(), 0);
}

TEST_F(FindDialogTest, NoWrapAfterTheLastOccurrence) {
  matchCaseCheck()->setChecked(true);
  select(31, 2);
  find(QStringLiteral("LD"));
  EXPECT_EQ(endMessages(), 1);
  EXPECT_EQ(selectionStart(), 31);
  EXPECT_EQ(selectionLength(), 2);
}

TEST_F(FindDialogTest, IgnoresCaseUnlessAsked) {
  select(12, 0);
  find(QStringLiteral("ld"));
  EXPECT_EQ(selectionStart(), 21);
  find(QStringLiteral("ld"));
  EXPECT_EQ(selectionStart(), 31);
  EXPECT_EQ(selectedText(), QStringLiteral("LD"));

  select(0, 0);
  matchCaseCheck()->setChecked(true);
  find(QStringLiteral("ld"));
  EXPECT_EQ(selectionStart(), 21);
  find(QStringLiteral("ld"));
  EXPECT_EQ(endMessages(), 1);
  EXPECT_EQ(selectionStart(), 21);
}

TEST_F(FindDialogTest, FromTheTopThenClearedAfterEveryFind) {
  select(40, 0);
  fromTopCheck()->setChecked(true);
  find(QStringLiteral("GR"));
  EXPECT_EQ(selectionStart(), 14);
  EXPECT_FALSE(fromTopCheck()->isChecked());

  fromTopCheck()->setChecked(true);
  find(QStringLiteral("NOWHERE"));
  EXPECT_EQ(endMessages(), 1);
  EXPECT_FALSE(fromTopCheck()->isChecked());
  EXPECT_EQ(selectionStart(), 14);
  EXPECT_EQ(selectionLength(), 2);
}

TEST_F(FindDialogTest, EmptySearchTextEndsAndChangesNothing) {
  const QString before = text();
  select(11, 2);
  fromTopCheck()->setChecked(true);
  find(QString());
  EXPECT_EQ(endMessages(), 1);
  EXPECT_EQ(text(), before);
  EXPECT_EQ(selectionStart(), 11);
  EXPECT_EQ(selectionLength(), 2);
  EXPECT_FALSE(fromTopCheck()->isChecked());
}

TEST_F(FindDialogTest, CancelUnloadsAndTheNextOpeningStartsAfresh) {
  find(QStringLiteral("GR"));
  control<QPushButton>(names::cancelButton)->click();
  EXPECT_FALSE(dialog->isVisible());
  runEventLoopOnce();
  EXPECT_EQ(editor->findChildren<FindDialog*>().size(), 0);

  trigger(names::findAction);
  dialog = child<FindDialog>(names::findDialog);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(findText()->text(), QString());
}

TEST_F(FindDialogTest, EditorKeepsWorkingWhileOpen) {
  select(0, 0);
  typeText(sourceEdit(), QStringLiteral(";"));
  EXPECT_TRUE(text().startsWith(QStringLiteral(";PRG")));
  EXPECT_TRUE(dialog->isVisible());
}

// Enter in the dialog searches again each time: the dialog keeps the focus,
// so no Enter ever reaches the program, and the editor shows the found text
// selected as it would with the focus.
TEST_F(FindDialogTest, EnterSearchesAgainAndNeverTypesIntoTheProgram) {
  const QString before = text();
  matchCaseCheck()->setChecked(true);
  select(0, 0);
  findText()->setText(QStringLiteral("LD"));
  dialog->activateWindow();
  findText()->setFocus();
  QApplication::processEvents();
  for (const int expected : {11, 31}) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->window(), dialog);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &enter);
    QApplication::processEvents();
    EXPECT_EQ(selectionStart(), expected);
    EXPECT_EQ(selectedText(), QStringLiteral("LD"));
  }
  EXPECT_EQ(text(), before);
  EXPECT_EQ(QApplication::focusWidget()->window(), dialog);
  const QPalette colours = sourceEdit()->palette();
  EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::Highlight),
            colours.color(QPalette::Active, QPalette::Highlight));
  EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::HighlightedText),
            colours.color(QPalette::Active, QPalette::HighlightedText));
}

}  // namespace
}  // namespace casl2wb::testing
