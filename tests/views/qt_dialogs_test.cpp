// The desktop's dialogs in Japanese: our own buttons and labels, Qt's own
// dialogs through its translations, the printer set-up dialog, and the
// reasons of file errors.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <cerrno>
#include <system_error>

#include "base/messages.h"
#include "qtprint/qt_printer.h"
#include "views/dialog_texts.h"
#include "views/file_error_reasons.h"
#include "views/object_names.h"
#include "views/printer_setup_dialog.h"
#include "views/qt_dialogs.h"

namespace casl2wb::testing {
namespace {

namespace texts = dialog_texts;
namespace names = object_names;

QString utf8(const char* text) { return QString::fromUtf8(text); }

QStringList buttonTexts(const QWidget& dialog) {
  QStringList shown;
  for (const QPushButton* button : dialog.findChildren<QPushButton*>())
    shown.append(button->text());
  shown.sort();
  return shown;
}

TEST(QtDialogs, OurOwnButtonsAndLabelsAreJapanese) {
  const auto message = makeMessageBox(nullptr, Dialogs::Icon::Error, "T", "M");
  EXPECT_EQ(buttonTexts(*message), QStringList({utf8(texts::okButton)}));

  const auto question = makeQuestionBox(nullptr, "T", "Q");
  EXPECT_EQ(question->button(QMessageBox::Yes)->text(), utf8(texts::yesButton));
  EXPECT_EQ(question->button(QMessageBox::No)->text(), utf8(texts::noButton));
  EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));

  // A choice keeps its buttons in the order given, left to right, and the
  // button the index of a choice names.
  const QStringList choices = {utf8(texts::saveChoice), utf8(texts::dontSaveChoice),
                               utf8(texts::cancelButton)};
  const auto choice = makeChoiceBox(nullptr, "T", "Q", choices, 0, 2);
  choice->show();
  QStringList shown;
  for (QAbstractButton* button : choice->buttons()) shown.append(button->text());
  EXPECT_EQ(shown, choices);
  EXPECT_EQ(choice->defaultButton(), choice->buttons().at(0));
  EXPECT_EQ(choice->escapeButton(), choice->buttons().at(2));
  auto* row = choice->buttons().at(0)->parentWidget();
  EXPECT_LT(choice->buttons().at(0)->mapTo(row, QPoint()).x(),
            choice->buttons().at(2)->mapTo(row, QPoint()).x());
  choice->close();

  // The IN box of a run.
  const auto input = makeInputBox(nullptr, "prompt", "IN", "0");
  input->show();
  EXPECT_EQ(buttonTexts(*input), QStringList({utf8(texts::okButton), utf8(texts::cancelButton)}));
  EXPECT_EQ(input->textValue(), QStringLiteral("0"));
  input->close();

  const auto file = makeSaveFileDialog(nullptr, "caption", QStringLiteral("/"), "*.txt");
  EXPECT_EQ(file->labelText(QFileDialog::Accept), utf8(texts::saveButton));
  EXPECT_EQ(file->labelText(QFileDialog::Reject), utf8(texts::cancelButton));
  EXPECT_EQ(file->labelText(QFileDialog::FileName), utf8(texts::fileNameLabel));
  EXPECT_EQ(file->labelText(QFileDialog::FileType), utf8(texts::fileTypeLabel));
  EXPECT_EQ(file->labelText(QFileDialog::LookIn), utf8(texts::lookInLabel));
  EXPECT_EQ(file->acceptMode(), QFileDialog::AcceptSave);
}

// Qt's print, page set-up and file dialogs and its standard buttons are
// Japanese once Qt's translations are loaded (the program does so at
// start-up; the package depends on them).
TEST(QtDialogs, QtsOwnDialogsAreJapaneseWithItsTranslations) {
  ASSERT_TRUE(installQtTranslations());
  QPrinter printer;
  const QPrintDialog print(&printer);
  EXPECT_EQ(print.windowTitle(), QStringLiteral("印刷"));
  QMessageBox standard(QMessageBox::Question, "T", "Q", QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(standard.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Files of type:"),
            QStringLiteral("ファイルの種類:"));
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

class PrinterSetupDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { printer.setPageLayout(listingPageLayout()); }

  template <typename T>
  T* control(QDialog& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromLatin1(name));
  }
  void choosePaper(QDialog& dialog, const QString& name) {
    auto* paper = control<QComboBox>(dialog, names::paperSizeList);
    ASSERT_GE(paper->findText(name), 0) << name.toStdString();
    paper->setCurrentIndex(paper->findText(name));
  }

  QPrinter printer{QPrinter::HighResolution};
};

TEST_F(PrinterSetupDialogTest, OneDialogForPrinterPaperAndOrientation) {
  PrinterSetupDialog dialog(printer, nullptr);
  EXPECT_EQ(dialog.objectName(), QString::fromLatin1(names::printerSetupDialog));
  EXPECT_EQ(dialog.windowTitle(), utf8(texts::printerSetupCaption));
  auto* printers = control<QComboBox>(dialog, names::printerNameList);
  ASSERT_NE(printers, nullptr);
  // The system's printers, then a PDF file.
  EXPECT_EQ(printers->itemText(printers->count() - 1), utf8(texts::pdfFileEntry));
  EXPECT_EQ(control<QComboBox>(dialog, names::paperSizeList)->currentText(), QStringLiteral("A4"));
  EXPECT_TRUE(control<QRadioButton>(dialog, names::portraitButton)->isChecked());
  EXPECT_EQ(control<QRadioButton>(dialog, names::landscapeButton)->text(),
            utf8(texts::landscapeButton));
  EXPECT_EQ(buttonTexts(dialog), QStringList({utf8(texts::okButton), utf8(texts::cancelButton)}));
}

TEST_F(PrinterSetupDialogTest, OkSetsUpThePrinterCancelChangesNothing) {
  const QMarginsF margins = printer.pageLayout().margins();
  {
    PrinterSetupDialog dialog(printer, nullptr);
    auto* printers = control<QComboBox>(dialog, names::printerNameList);
    printers->setCurrentIndex(printers->count() - 1);
    choosePaper(dialog, QStringLiteral("A3"));
    control<QRadioButton>(dialog, names::landscapeButton)->setChecked(true);
    dialog.accept();
  }
  EXPECT_TRUE(printer.pageLayout().pageSize().isEquivalentTo(QPageSize(QPageSize::A3)));
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_EQ(printer.pageLayout().margins(), margins);
  EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);

  // The next set-up starts from the choice; Cancel keeps it.
  PrinterSetupDialog again(printer, nullptr);
  EXPECT_EQ(control<QComboBox>(again, names::paperSizeList)->currentText(), QStringLiteral("A3"));
  EXPECT_TRUE(control<QRadioButton>(again, names::landscapeButton)->isChecked());
  choosePaper(again, QStringLiteral("B5"));
  control<QRadioButton>(again, names::portraitButton)->setChecked(true);
  again.reject();
  EXPECT_TRUE(printer.pageLayout().pageSize().isEquivalentTo(QPageSize(QPageSize::A3)));
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST(FileErrorReasons, CommonOnesAreJapaneseOthersStayAsTheSystemGivesThem) {
  struct Case {
    int error;
    std::string shown;
  };
  for (const Case& c : {Case{ENOENT, formatMessage(Message::ReasonNoSuchFile)},
                        Case{EACCES, formatMessage(Message::ReasonPermissionDenied)},
                        Case{EISDIR, formatMessage(Message::ReasonIsFolder)},
                        Case{ENOSPC, formatMessage(Message::ReasonDiskFull)},
                        Case{EROFS, formatMessage(Message::ReasonReadOnlyFileSystem)},
                        Case{EFBIG, "File too large"}, Case{EIO, "Input/output error"}}) {
    EXPECT_EQ(shownFileErrorReason(std::generic_category().message(c.error)), c.shown) << c.error;
  }
  EXPECT_EQ(shownFileErrorReason("No such file or directory"),
            formatMessage(Message::ReasonNoSuchFile));
  EXPECT_EQ(shownFileErrorReason("Not a regular file"), "Not a regular file");
}

}  // namespace
}  // namespace casl2wb::testing
