// The replace dialog: replacing the selected occurrence, the exact case rule,
// replacing all, and the end message.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor_fixture.h"
#include "views/find_texts.h"
#include "views/replace_dialog.h"

namespace casl2wb::testing {
namespace {

class ReplaceDialogTest : public EditorFixture {
 protected:
  void open(const QString& program, int start, int length) {
    typeText(txtdpbox(), program);
    select(start, length);
    trigger("mnureplace");
    dialog = child<ReplaceDialog>("frmreplacestr");
    ASSERT_NE(dialog, nullptr);
  }
  QLineEdit* txtsearch() const { return dialog->findChild<QLineEdit*>("txtsearch"); }
  QLineEdit* txtreplace() const { return dialog->findChild<QLineEdit*>("txtreplace"); }
  void set(const QString& wanted, const QString& replacement) {
    txtsearch()->setText(wanted);
    txtreplace()->setText(replacement);
  }
  void replace() { dialog->findChild<QPushButton*>("cmdreplace")->click(); }
  void replaceAll() { dialog->findChild<QPushButton*>("cmdreplaceall")->click(); }
  int endMessages() const {
    int count = 0;
    for (const ShownMessage& m : dialogs.messages) {
      count += m.text == QString::fromUtf8(find_texts::replaceEnd) &&
               m.icon == Dialogs::Icon::Information;
    }
    return count;
  }

  ReplaceDialog* dialog = nullptr;
};

TEST_F(ReplaceDialogTest, ControlsAndOpeningWithTheSelection) {
  open(QStringLiteral(" LD GR1,A\n"), 1, 2);
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(find_texts::frmreplacestrCaption));
  EXPECT_EQ(dialog->parent(), form1.get());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->findChild<QLabel*>("lblsearch")->text(),
            QString::fromUtf8(find_texts::lblsearch));
  EXPECT_EQ(dialog->findChild<QLabel*>("ibireplace")->text(),
            QString::fromUtf8(find_texts::ibireplace));
  EXPECT_EQ(dialog->findChild<QPushButton*>("cmdreplace")->text(),
            QString::fromUtf8(find_texts::cmdreplace));
  EXPECT_EQ(dialog->findChild<QPushButton*>("cmdreplaceall")->text(),
            QString::fromUtf8(find_texts::cmdreplaceall));
  EXPECT_EQ(dialog->findChild<QPushButton*>("cmdcancel")->text(),
            QString::fromUtf8(find_texts::cmdcancel));
  EXPECT_EQ(txtsearch()->text(), QStringLiteral("LD"));
  EXPECT_EQ(txtsearch()->selectedText(), QStringLiteral("LD"));
  EXPECT_EQ(txtreplace()->text(), QString());
}

TEST_F(ReplaceDialogTest, OpeningWithoutSelectionGivesEmptySearchText) {
  open(QStringLiteral(" LD GR1,A\n"), 3, 0);
  EXPECT_EQ(txtsearch()->text(), QString());
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

TEST_F(ReplaceDialogTest, ReplaceAllOnAA) {
  open(QStringLiteral("AA"), 0, 0);
  set(QStringLiteral("A"), QStringLiteral("B"));
  replaceAll();
  EXPECT_EQ(text(), QStringLiteral("BB"));
  EXPECT_EQ(endMessages(), 1);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(ReplaceDialogTest, ReplaceAllStartsAtTheBeginningWhereverTheSelectionIs) {
  open(QStringLiteral(" LD GR1,A\n LD GR2,B\n LD GR3,C\n"), 24, 2);
  set(QStringLiteral("LD"), QStringLiteral("LAD"));
  replaceAll();
  EXPECT_EQ(text(), QStringLiteral(" LAD GR1,A\n LAD GR2,B\n LAD GR3,C\n"));
  EXPECT_EQ(endMessages(), 1);
}

TEST_F(ReplaceDialogTest, ReplaceAllWithTheSearchTextInsideTheReplacementEnds) {
  open(QStringLiteral("A A"), 0, 0);
  set(QStringLiteral("A"), QStringLiteral("AA"));
  replaceAll();
  EXPECT_EQ(text(), QStringLiteral("AA AA"));
  EXPECT_EQ(endMessages(), 1);
}

TEST_F(ReplaceDialogTest, ReplaceAllWithoutOccurrenceChangesNothing) {
  open(QStringLiteral(" LD GR1,A\n"), 0, 0);
  set(QStringLiteral("XYZ"), QStringLiteral("B"));
  replaceAll();
  EXPECT_EQ(text(), QStringLiteral(" LD GR1,A\n"));
  EXPECT_EQ(endMessages(), 1);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(ReplaceDialogTest, EmptySearchTextReplacesNothingAndEnds) {
  open(QStringLiteral(" LD GR1,A\n"), 1, 2);
  set(QString(), QStringLiteral("B"));
  replace();
  EXPECT_EQ(text(), QStringLiteral(" LD GR1,A\n"));
  EXPECT_EQ(selectionStart(), 1);
  EXPECT_EQ(selectionLength(), 2);
  EXPECT_EQ(endMessages(), 1);

  replaceAll();
  EXPECT_EQ(text(), QStringLiteral(" LD GR1,A\n"));
  EXPECT_EQ(endMessages(), 2);

  set(QString(), QString());
  replaceAll();
  EXPECT_EQ(text(), QStringLiteral(" LD GR1,A\n"));
  EXPECT_EQ(endMessages(), 3);
  EXPECT_FALSE(dialog->replaceFound());
}

TEST_F(ReplaceDialogTest, ReplacementMayBeEmpty) {
  open(QStringLiteral("A;B;C"), 0, 0);
  set(QStringLiteral(";"), QString());
  replaceAll();
  EXPECT_EQ(text(), QStringLiteral("ABC"));
}

TEST_F(ReplaceDialogTest, CancelUnloadsAndTheNextOpeningTakesTheNewSelection) {
  open(QStringLiteral(" LD GR1,A\n"), 1, 2);
  dialog->findChild<QPushButton*>("cmdcancel")->click();
  EXPECT_FALSE(dialog->isVisible());
  runEventLoopOnce();
  EXPECT_EQ(form1->findChildren<ReplaceDialog*>().size(), 0);

  select(4, 3);
  trigger("mnureplace");
  dialog = child<ReplaceDialog>("frmreplacestr");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(txtsearch()->text(), QStringLiteral("GR1"));
}

}  // namespace
}  // namespace casl2wb::testing
