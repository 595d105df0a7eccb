// What a run asks of the user and tells the user beyond its list: the input
// box of IN, the notice of the 999-step history limit (both modal dialogs),
// and each line OUT writes. The window puts its own caption on the dialogs;
// tests, grading and the text front end replace them.
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
  // OUT has written `line` (it is in the run's list too): for those who want
  // the program's output apart from the list's other items.
  virtual void outputWritten(const std::string& line) { static_cast<void>(line); }
};

}  // namespace casl2wb
