// Dialogs for the window tests: every box is recorded and answered from a
// script, so that no test ever waits for a person.
#pragma once

#include <QPageLayout>
#include <QPrinter>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "views/dialogs.h"

namespace casl2wb::testing {

struct ShownMessage {
  Dialogs::Icon icon;
  QString title;
  QString text;
};

class ScriptedDialogs : public Dialogs {
 public:
  void message(QWidget*, Icon icon, const QString& title, const QString& text) override {
    messages.push_back({icon, title, text});
  }
  bool question(QWidget*, const QString& title, const QString& text) override {
    questions.push_back(title + QStringLiteral("\n") + text);
    if (questionAnswers.empty()) return false;
    const bool answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
  }
  int choose(QWidget*, const QString& title, const QString& text, const QStringList& buttons,
             int defaultIndex, int escapeIndex) override {
    choices.push_back(title + QStringLiteral("\n") + text + QStringLiteral("\n") +
                      buttons.join(QLatin1Char('|')) + QStringLiteral("|default ") +
                      QString::number(defaultIndex) + QStringLiteral("|escape ") +
                      QString::number(escapeIndex));
    if (choiceAnswers.empty()) return escapeIndex;
    const int answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
  }
  QString saveFileName(QWidget*, const QString& caption, const QString& folder,
                       const QString& filter) override {
    saveRequests.push_back(caption + QStringLiteral("|") + folder + QStringLiteral("|") + filter);
    if (saveNames.empty()) return {};
    const QString name = saveNames.front();
    saveNames.pop_front();
    return name;
  }
  std::optional<QString> inputBox(QWidget*, const QString& prompt, const QString& title,
                                  const QString& defaultText) override {
    inputRequests.push_back(prompt + QStringLiteral("|") + title + QStringLiteral("|") +
                            defaultText);
    if (inputs.empty()) return std::nullopt;
    const std::optional<QString> entry = inputs.front();
    inputs.pop_front();
    return entry;
  }
  bool choosePrinter(QWidget*, QPrinter& printer) override {
    ++printerDialogs;
    offeredLayouts.push_back(printer.pageLayout());
    if (acceptPrinter && !printToFile.isEmpty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(printToFile);
    }
    return acceptPrinter;
  }
  bool setUpPrinter(QWidget*, QPrinter& printer) override {
    ++printerSetups;
    if (acceptPrinterSetup && setUpLayout) printer.setPageLayout(*setUpLayout);
    return acceptPrinterSetup;
  }

  // What was shown.
  std::vector<ShownMessage> messages;
  std::vector<QString> questions;
  // Title, text and "buttons|default n|escape n" of each choice box.
  std::vector<QString> choices;
  std::vector<QString> saveRequests;
  std::vector<QString> inputRequests;
  int printerDialogs = 0;
  // The page set-up each print dialog offered.
  std::vector<QPageLayout> offeredLayouts;
  int printerSetups = 0;

  // The answers; an empty queue answers No, cancels the file dialog and the
  // input box.
  std::deque<bool> questionAnswers;
  // The index of the button chosen; an empty queue closes the box.
  std::deque<int> choiceAnswers;
  std::deque<QString> saveNames;
  std::deque<std::optional<QString>> inputs;
  bool acceptPrinter = true;
  // The PDF file an accepted print dialog chooses, when not empty.
  QString printToFile;
  bool acceptPrinterSetup = true;
  // The page set-up an accepted printer set-up chooses, when given.
  std::optional<QPageLayout> setUpLayout;
};

}  // namespace casl2wb::testing
