// The modal dialogs a run may open: the input box of IN and the notice of
// the 999-step history limit. The window puts its own caption on them; tests
// and the text front end replace them.
#pragma once

#include <string>

namespace casl2wb {

class RunDialogs {
 public:
  virtual ~RunDialogs() = default;
  // Shows an input box holding `defaultText`; the text entered, or the empty
  // text when the box is cancelled.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
  // A message box with the error icon and an OK button.
  virtual void errorBox(const std::string& text) = 0;
};

}  // namespace casl2wb
