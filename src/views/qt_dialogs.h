// The dialogs of the desktop: Qt's message, question, file, input and print
// dialogs, and our printer set-up dialog. Our own buttons and labels in
// them are Japanese; what Qt draws itself is Japanese through Qt's
// translations and ours for the print dialog's gaps (installQtTranslations),
// its dates and sizes through the Japanese locale (useJapaneseLocale).
#pragma once

#include <QString>
#include <memory>

#include "views/dialogs.h"

class QFileDialog;
class QInputDialog;
class QMessageBox;
class QPrintDialog;
class QPrinter;

namespace casl2wb {

class QtDialogs : public Dialogs {
 public:
  void message(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
  bool question(QWidget* parent, const QString& title, const QString& text) override;
  int choose(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons,
             int defaultIndex, int escapeIndex) override;
  QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter) override;
  std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                  const QString& defaultText) override;
  bool choosePrinter(QWidget* parent, QPrinter& printer) override;
  bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
};

// The dialogs as QtDialogs shows them, made but not shown.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, Dialogs::Icon icon,
                                            const QString& title, const QString& text);
std::unique_ptr<QMessageBox> makeQuestionBox(QWidget* parent, const QString& title,
                                             const QString& text);
// The box of choose(): its buttons are the box's buttons in order.
std::unique_ptr<QMessageBox> makeChoiceBox(QWidget* parent, const QString& title,
                                           const QString& text, const QStringList& buttons,
                                           int defaultIndex, int escapeIndex);
std::unique_ptr<QFileDialog> makeSaveFileDialog(QWidget* parent, const QString& caption,
                                                const QString& folder, const QString& filter);
std::unique_ptr<QInputDialog> makeInputBox(QWidget* parent, const QString& prompt,
                                           const QString& title, const QString& defaultText);
std::unique_ptr<QPrintDialog> makePrintDialog(QWidget* parent, QPrinter& printer);

// Loads Qt's Japanese translations into the application, so that what Qt's
// own dialogs show (the print and file dialogs, standard buttons) is
// Japanese, and our Japanese texts for what they leave in English in the
// print dialogs; false when Qt's are not installed.
bool installQtTranslations();

}  // namespace casl2wb
