// Every modal dialog of the windows goes through this interface, so that
// tests replace them with scripted answers and never block.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace casl2wb {

class Dialogs {
 public:
  enum class Icon { Information, Warning, Error };

  virtual ~Dialogs() = default;

  // A message box with the icon and an OK button.
  virtual void message(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
  // A question box with Yes and No; true for Yes.
  virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
  // A question box with these buttons from left to right; the index of the
  // button chosen, or `escapeIndex` when the box is closed without one.
  virtual int choose(QWidget* parent, const QString& title, const QString& text,
                     const QStringList& buttons, int defaultIndex, int escapeIndex) = 0;
  // The name of the file to save to, or the empty text when the user cancels.
  virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter) = 0;
  // An input box with prompt, title and default text; nothing when cancelled.
  virtual std::optional<QString> inputBox(QWidget* parent, const QString& prompt,
                                          const QString& title, const QString& defaultText) = 0;
  // The print dialog, working on `printer`; true when the user accepted.
  virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
  // The printer set-up dialog: the printer and the page set-up of the next
  // prints in one dialog, working on `printer`; true when the user accepted.
  virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

}  // namespace casl2wb
