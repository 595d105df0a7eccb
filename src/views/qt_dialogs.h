// The dialogs of the desktop: Qt's message, question, file, input, printer
// and page set-up dialogs.
#pragma once

#include "views/dialogs.h"

namespace casl2wb {

class QtDialogs : public Dialogs {
 public:
  void message(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
  bool question(QWidget* parent, const QString& title, const QString& text) override;
  QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter) override;
  std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                  const QString& defaultText) override;
  bool choosePrinter(QWidget* parent, QPrinter& printer) override;
  bool pageSetup(QWidget* parent, QPrinter& printer) override;
};

}  // namespace casl2wb
