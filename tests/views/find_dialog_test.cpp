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

class FindDialogTest : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    typeText(txtdpbox(), QStringLiteral("PRG START\n LD GR1,A\n ld GR2,B\n LD GR3,C\n END\n"));
    trigger("mnufind");
    dialog = child<FindDialog>("frmfindstr");
    ASSERT_NE(dialog, nullptr);
  }

  QLineEdit* txtsearch() const { return dialog->findChild<QLineEdit*>("txtsearch"); }
  QCheckBox* chkmoji() const { return dialog->findChild<QCheckBox*>("chkmoji"); }
  QCheckBox* chktop() const { return dialog->findChild<QCheckBox*>("chktop"); }
  void find(const QString& wanted) {
    txtsearch()->setText(wanted);
    dialog->findChild<QPushButton*>("cmdsearch")->click();
  }
  int endMessages() const {
    int count = 0;
    for (const ShownMessage& m : dialogs.messages) {
      count += m.text == QString::fromUtf8(find_texts::findEnd) &&
               m.icon == Dialogs::Icon::Information && m.title == productTitle();
    }
    return count;
  }

  FindDialog* dialog = nullptr;
};

TEST_F(FindDialogTest, ControlsAndCaptions) {
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(find_texts::frmfindstrCaption));
  EXPECT_EQ(dialog->parent(), form1.get());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(txtsearch()->text(), QString());
  EXPECT_EQ(dialog->findChild<QPushButton*>("cmdsearch")->text(),
            QString::fromUtf8(find_texts::cmdsearch));
  EXPECT_EQ(dialog->findChild<QPushButton*>("cmdcancel")->text(),
            QString::fromUtf8(find_texts::cmdcancel));
  EXPECT_EQ(chkmoji()->text(), QString::fromUtf8(find_texts::chkmoji));
  EXPECT_EQ(chktop()->text(), QString::fromUtf8(find_texts::chktop));
}

TEST_F(FindDialogTest, ToolbarButtonOpensTheSameDialog) {
  action("Toolbar1Button11")->trigger();
  EXPECT_EQ(form1->findChildren<FindDialog*>().size(), 1);
}

TEST_F(FindDialogTest, SearchStartsAfterTheSelection) {
  chkmoji()->setChecked(true);
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
  chkmoji()->setChecked(true);
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
  chkmoji()->setChecked(true);
  find(QStringLiteral("ld"));
  EXPECT_EQ(selectionStart(), 21);
  find(QStringLiteral("ld"));
  EXPECT_EQ(endMessages(), 1);
  EXPECT_EQ(selectionStart(), 21);
}

TEST_F(FindDialogTest, FromTheTopThenClearedAfterEveryFind) {
  select(40, 0);
  chktop()->setChecked(true);
  find(QStringLiteral("GR"));
  EXPECT_EQ(selectionStart(), 14);
  EXPECT_FALSE(chktop()->isChecked());

  chktop()->setChecked(true);
  find(QStringLiteral("NOWHERE"));
  EXPECT_EQ(endMessages(), 1);
  EXPECT_FALSE(chktop()->isChecked());
  EXPECT_EQ(selectionStart(), 14);
  EXPECT_EQ(selectionLength(), 2);
}

TEST_F(FindDialogTest, EmptySearchTextEndsAndChangesNothing) {
  const QString before = text();
  select(11, 2);
  chktop()->setChecked(true);
  find(QString());
  EXPECT_EQ(endMessages(), 1);
  EXPECT_EQ(text(), before);
  EXPECT_EQ(selectionStart(), 11);
  EXPECT_EQ(selectionLength(), 2);
  EXPECT_FALSE(chktop()->isChecked());
}

TEST_F(FindDialogTest, CancelUnloadsAndTheNextOpeningStartsAfresh) {
  find(QStringLiteral("GR"));
  dialog->findChild<QPushButton*>("cmdcancel")->click();
  EXPECT_FALSE(dialog->isVisible());
  runEventLoopOnce();
  EXPECT_EQ(form1->findChildren<FindDialog*>().size(), 0);

  trigger("mnufind");
  dialog = child<FindDialog>("frmfindstr");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(txtsearch()->text(), QString());
}

TEST_F(FindDialogTest, EditorKeepsWorkingWhileOpen) {
  select(0, 0);
  typeText(txtdpbox(), QStringLiteral(";"));
  EXPECT_TRUE(text().startsWith(QStringLiteral(";PRG")));
  EXPECT_TRUE(dialog->isVisible());
}

}  // namespace
}  // namespace casl2wb::testing
