#include "views/qt_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTranslator>

#include "views/dialog_texts.h"
#include "views/print_dialog_translator.h"
#include "views/printer_setup_dialog.h"

namespace casl2wb {
namespace {

namespace texts = dialog_texts;

QString utf8(const char* text) { return QString::fromUtf8(text); }

QMessageBox::Icon messageBoxIcon(Dialogs::Icon icon) {
  switch (icon) {
    case Dialogs::Icon::Information:
      return QMessageBox::Information;
    case Dialogs::Icon::Warning:
      return QMessageBox::Warning;
    case Dialogs::Icon::Error:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, Dialogs::Icon icon,
                                            const QString& title, const QString& text) {
  auto box =
      std::make_unique<QMessageBox>(messageBoxIcon(icon), title, text, QMessageBox::Ok, parent);
  box->button(QMessageBox::Ok)->setText(utf8(texts::okButton));
  return box;
}

std::unique_ptr<QMessageBox> makeQuestionBox(QWidget* parent, const QString& title,
                                             const QString& text) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Question, title, text,
                                           QMessageBox::Yes | QMessageBox::No, parent);
  box->setDefaultButton(QMessageBox::No);
  box->button(QMessageBox::Yes)->setText(utf8(texts::yesButton));
  box->button(QMessageBox::No)->setText(utf8(texts::noButton));
  return box;
}

std::unique_ptr<QMessageBox> makeChoiceBox(QWidget* parent, const QString& title,
                                           const QString& text, const QStringList& buttons,
                                           int defaultIndex, int escapeIndex) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Question, title, text,
                                           QMessageBox::NoButton, parent);
  for (qsizetype i = 0; i < buttons.size(); ++i) {
    // Action roles keep the buttons in the order given on every platform.
    QPushButton* button = box->addButton(buttons[i], QMessageBox::ActionRole);
    if (i == defaultIndex) box->setDefaultButton(button);
    if (i == escapeIndex) box->setEscapeButton(button);
  }
  return box;
}

std::unique_ptr<QFileDialog> makeSaveFileDialog(QWidget* parent, const QString& caption,
                                                const QString& folder, const QString& filter) {
  auto dialog = std::make_unique<QFileDialog>(parent, caption, folder, filter);
  // Qt's own dialog, which our labels and the Japanese locale reach: a
  // desktop's native one would speak the system's language.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setDefaultSuffix(QStringLiteral("txt"));
  dialog->setLabelText(QFileDialog::LookIn, utf8(texts::lookInLabel));
  dialog->setLabelText(QFileDialog::FileName, utf8(texts::fileNameLabel));
  dialog->setLabelText(QFileDialog::FileType, utf8(texts::fileTypeLabel));
  dialog->setLabelText(QFileDialog::Accept, utf8(texts::saveButton));
  dialog->setLabelText(QFileDialog::Reject, utf8(texts::cancelButton));
  return dialog;
}

std::unique_ptr<QInputDialog> makeInputBox(QWidget* parent, const QString& prompt,
                                           const QString& title, const QString& defaultText) {
  auto dialog = std::make_unique<QInputDialog>(parent);
  dialog->setInputMode(QInputDialog::TextInput);
  dialog->setWindowTitle(title);
  dialog->setLabelText(prompt);
  dialog->setTextValue(defaultText);
  dialog->setOkButtonText(utf8(texts::okButton));
  dialog->setCancelButtonText(utf8(texts::cancelButton));
  return dialog;
}

std::unique_ptr<QPrintDialog> makePrintDialog(QWidget* parent, QPrinter& printer) {
  auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
  dialog->setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialog;
}

void QtDialogs::message(QWidget* parent, Icon icon, const QString& title, const QString& text) {
  makeMessageBox(parent, icon, title, text)->exec();
}

bool QtDialogs::question(QWidget* parent, const QString& title, const QString& text) {
  const auto box = makeQuestionBox(parent, title, text);
  box->exec();
  return box->clickedButton() == box->button(QMessageBox::Yes);
}

int QtDialogs::choose(QWidget* parent, const QString& title, const QString& text,
                      const QStringList& buttons, int defaultIndex, int escapeIndex) {
  const auto box = makeChoiceBox(parent, title, text, buttons, defaultIndex, escapeIndex);
  box->exec();
  const int chosen = static_cast<int>(box->buttons().indexOf(box->clickedButton()));
  return chosen < 0 ? escapeIndex : chosen;
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter) {
  const auto dialog = makeSaveFileDialog(parent, caption, folder, filter);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::inputBox(QWidget* parent, const QString& prompt,
                                           const QString& title, const QString& defaultText) {
  const auto dialog = makeInputBox(parent, prompt, title, defaultText);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  return dialog->textValue();
}

bool QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer) {
  return makePrintDialog(parent, printer)->exec() == QDialog::Accepted;
}

bool QtDialogs::setUpPrinter(QWidget* parent, QPrinter& printer) {
  PrinterSetupDialog dialog(printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool installQtTranslations() {
  auto* qtTranslator = new QTranslator(QCoreApplication::instance());
  const bool qtTranslationsLoaded =
      qtTranslator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(qtTranslator);
  if (!qtTranslationsLoaded) delete qtTranslator;
  // Qt asks the translator installed last first; ours answers only the texts
  // Qt's leaves in English, so the order changes none of Qt's texts.
  QCoreApplication::installTranslator(new PrintDialogTranslator(QCoreApplication::instance()));
  return qtTranslationsLoaded;
}

}  // namespace casl2wb
