// The replace dialog: replacing the selected occurrence, the exact case rule,
// replacing all, and the end message.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "editor_fixture.h"
#include "views/find_texts.h"
#include "views/replace_dialog.h"
#include "views/text_conversion.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;

class ReplaceDialogTest : public EditorFixture {
 protected:
  void open(const QString& program, int start, int length) {
    typeText(sourceEdit(), program);
    select(start, length);
    trigger(names::replaceAction);
    dialog = child<ReplaceDialog>(names::replaceDialog);
    ASSERT_NE(dialog, nullptr);
  }
  template <typename T>
  T* control(const char* name) const {
    return dialog->findChild<T*>(QString::fromLatin1(name));
  }
  QLineEdit* findText() const { return control<QLineEdit>(names::findText); }
  QLineEdit* replaceText() const { return control<QLineEdit>(names::replaceText); }
  void set(const QString& wanted, const QString& replacement) {
    findText()->setText(wanted);
    replaceText()->setText(replacement);
  }
  void replace() { control<QPushButton>(names::replaceButton)->click(); }
  void replaceAll() { control<QPushButton>(names::replaceAllButton)->click(); }
  int endMessages() const {
    int count = 0;
    for (const ShownMessage& m : dialogs.messages) {
      count += m.text == QStringLiteral("文書の検索と置換が終わりました。") &&
               m.icon == Dialogs::Icon::Information;
    }
    return count;
  }

  ReplaceDialog* dialog = nullptr;
};

TEST_F(ReplaceDialogTest, ControlsAndOpeningWithTheSelection) {
  open(QStringLiteral(" LD GR1,A\n"), 1, 2);
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(find_texts::replaceDialogCaption));
  EXPECT_EQ(dialog->parent(), editor.get());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(control<QLabel>(names::findLabel)->text(), QString::fromUtf8(find_texts::findLabel));
  EXPECT_EQ(control<QLabel>(names::replaceLabel)->text(),
            QString::fromUtf8(find_texts::replaceLabel));
  EXPECT_EQ(control<QPushButton>(names::replaceButton)->text(),
            QString::fromUtf8(find_texts::replaceButton));
  EXPECT_EQ(control<QPushButton>(names::replaceAllButton)->text(),
            QString::fromUtf8(find_texts::replaceAllButton));
  EXPECT_EQ(control<QPushButton>(names::cancelButton)->text(),
            QString::fromUtf8(find_texts::cancelButton));
  EXPECT_EQ(findText()->text(), QStringLiteral("LD"));
  EXPECT_EQ(findText()->selectedText(), QStringLiteral("LD"));
  EXPECT_EQ(replaceText()->text(), QString());
}

TEST_F(ReplaceDialogTest, OpeningWithoutSelectionGivesEmptySearchText) {
  open(QStringLiteral(" LD GR1,A\n"), 3, 0);
  EXPECT_EQ(findText()->text(), QString());
}

TEST_F(ReplaceDialogTest, FirstPressFindsThenEachPressReplacesAndFindsTheNext) {
  open(QStringLiteral(" LD GR1,A\n LD GR2,B\n"), 0, 0);
  set(QStringLiteral("LD"), QStringLiteral("LAD"));
  replace();
  EXPECT_EQ(text(), QStringLiteral(" LD GR1,A\n LD GR2,B\n"));
  EXPECT_EQ(selectionStart(), 1);
  EXPECT_EQ(selectionLength(), 2);
  EXPECT_TRUE(dialog->replaceFound());

  replace();
  EXPECT_EQ(text(), QStringLiteral(" LAD GR1,A\n LD GR2,B\n"));
  EXPECT_EQ(selectionStart(), 12);
  EXPECT_EQ(selectedText(), QStringLiteral("LD"));

  replace();
  EXPECT_EQ(text(), QStringLiteral(" LAD GR1,A\n LAD GR2,B\n"));
  EXPECT_EQ(endMessages(), 1);
  EXPECT_FALSE(dialog->replaceFound());
}

TEST_F(ReplaceDialogTest, NeverIgnoresCase) {
  // The selection LD differs from the search text ld: nothing is replaced,
  // the search goes on from the caret.
  open(QStringLiteral(" LD GR1,A\n ld GR2,B\n"), 1, 2);
  set(QStringLiteral("ld"), QStringLiteral("ST"));
  replace();
  EXPECT_EQ(text(), QStringLiteral(" LD GR1,A\n ld GR2,B\n"));
  EXPECT_EQ(selectionStart(), 11);
  EXPECT_EQ(selectedText(), QStringLiteral("ld"));
  replace();
  EXPECT_EQ(text(), QStringLiteral(" LD GR1,A\n ST GR2,B\n"));
  EXPECT_EQ(endMessages(), 1);
}

TEST_F(ReplaceDialogTest, DifferentSelectionSearchesFromTheCaret) {
  open(QStringLiteral("AXA"), 1, 1);
  set(QStringLiteral("A"), QStringLiteral("B"));
  replace();
  EXPECT_EQ(text(), QStringLiteral("AXA"));
  EXPECT_EQ(selectionStart(), 2);
}

// Replacing all goes from the beginning whatever is selected, ends also when
// the replacement holds the search text, says once how many it replaced (or
// that it found nothing), and is one step to undo.
TEST_F(ReplaceDialogTest, ReplaceAllSaysHowManyAndIsOneStepToUndo) {
  struct Case {
    QString program;
    int selectionStart;
    QString wanted;
    QString replacement;
    QString expected;
    QString message;
  };
  const auto replaced = [](const char* count) {
    return shownMessage(Message::ReplacedAll, {count});
  };
  for (const Case& c : {
           Case{"AA", 0, "A", "B", "BB", replaced("2")},
           Case{" LD GR1,A\n LD GR2,B\n LD GR3,C\n", 24, "LD", "LAD",
                " LAD GR1,A\n LAD GR2,B\n LAD GR3,C\n", replaced("3")},
           Case{"A A", 0, "A", "AA", "AA AA", replaced("2")},
           Case{"A;B;C", 0, ";", "", "ABC", replaced("2")},
           Case{" LD GR1,A\n", 0, "XYZ", "B", " LD GR1,A\n",
                shownMessage(Message::NothingReplaced, {"XYZ"})},
           Case{" LD GR1,A\n", 1, "", "B", " LD GR1,A\n",
                shownMessage(Message::NothingReplaced, {""})},
       }) {
    SCOPED_TRACE(c.program.toStdString() + " " + c.wanted.toStdString());
    sourceEdit()->clear();
    dialogs.messages.clear();
    open(c.program, c.selectionStart, 2);
    set(c.wanted, c.replacement);
    replaceAll();
    EXPECT_EQ(text(), c.expected);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, c.message);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Information);
    EXPECT_FALSE(dialog->replaceFound());
    if (c.expected == c.program) continue;
    sourceEdit()->undo();
    EXPECT_EQ(text(), c.program);
  }
}

TEST_F(ReplaceDialogTest, EmptySearchTextReplacesNothing) {
  open(QStringLiteral(" LD GR1,A\n"), 1, 2);
  set(QString(), QStringLiteral("B"));
  replace();
  EXPECT_EQ(text(), QStringLiteral(" LD GR1,A\n"));
  EXPECT_EQ(selectionStart(), 1);
  EXPECT_EQ(selectionLength(), 2);
  EXPECT_EQ(endMessages(), 1);
  set(QString(), QString());
  replaceAll();
  EXPECT_EQ(text(), QStringLiteral(" LD GR1,A\n"));
}

// Enter in either box replaces, the buttons keep the focus in the dialog,
// and Tab goes from the search text to the replacement, then the buttons.
TEST_F(ReplaceDialogTest, EnterAndTheButtonsKeepTheFocusInTheDialog) {
  open(QStringLiteral(" LD GR1,A\n LD GR2,B\n"), 0, 0);
  set(QStringLiteral("LD"), QStringLiteral("ST"));
  dialog->activateWindow();
  QApplication::setActiveWindow(dialog);
  // Each Enter goes to whatever has the focus, as the keyboard's would.
  auto enter = [] {
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
  };
  findText()->setFocus();
  enter();  // finds the first LD
  replaceText()->setFocus();
  enter();  // replaces it and finds the second
  enter();
  EXPECT_EQ(text(), QStringLiteral(" ST GR1,A\n ST GR2,B\n"));
  EXPECT_TRUE(dialog->isAncestorOf(QApplication::focusWidget()));
  for (QPushButton* button : {control<QPushButton>(names::replaceButton),
                              control<QPushButton>(names::replaceAllButton)}) {
    button->setFocus();
    button->click();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), button);
  }

  findText()->setFocus();
  QStringList order;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order.append(QApplication::focusWidget()->objectName());
  }
  EXPECT_EQ(order, QStringList({names::replaceText, names::replaceButton, names::replaceAllButton,
                                names::cancelButton}));
}

TEST_F(ReplaceDialogTest, CancelUnloadsAndTheNextOpeningTakesTheNewSelection) {
  open(QStringLiteral(" LD GR1,A\n"), 1, 2);
  control<QPushButton>(names::cancelButton)->click();
  EXPECT_FALSE(dialog->isVisible());
  runEventLoopOnce();
  EXPECT_EQ(editor->findChildren<ReplaceDialog*>().size(), 0);

  select(4, 3);
  trigger(names::replaceAction);
  dialog = child<ReplaceDialog>(names::replaceDialog);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(findText()->text(), QStringLiteral("GR1"));
}

}  // namespace
}  // namespace casl2wb::testing
