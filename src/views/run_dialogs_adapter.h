// The run's input box and notice as dialogs of the execution window; the
// notice carries the window's own caption as its title.
#pragma once

#include <QWidget>
#include <functional>

#include "simulator/run_dialogs.h"
#include "views/dialogs.h"

namespace casl2wb {

class RunDialogsAdapter : public RunDialogs {
 public:
  RunDialogsAdapter(Dialogs& dialogs, QWidget& window) : dialogs_(dialogs), window_(window) {}

  // A cancelled input box gives the empty text.
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override {
    if (beforeDialog) beforeDialog();
    const std::optional<QString> entry =
        dialogs_.inputBox(&window_, QString::fromStdString(prompt), QString::fromStdString(title),
                          QString::fromStdString(defaultText));
    return entry ? entry->toStdString() : std::string();
  }
  void errorBox(const std::string& text) override {
    if (beforeDialog) beforeDialog();
    dialogs_.message(&window_, Dialogs::Icon::Error, window_.windowTitle(),
                     QString::fromStdString(text));
  }

  void outputWritten(const std::string& line) override {
    if (onOutput) onOutput(line);
  }

  // Called before each box is shown, and with each line OUT writes.
  std::function<void()> beforeDialog;
  std::function<void(const std::string&)> onOutput;

 private:
  Dialogs& dialogs_;
  QWidget& window_;
};

}  // namespace casl2wb
