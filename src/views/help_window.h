// The help that "ヘルプ表示" and F1 open: a modeless window owned by the
// editor window, with a search box above the text.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace casl2wb {

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* owner);

  // Scrolls to the section of the mnemonic (an instruction or a
  // pseudo-instruction, exact and upper case), or to the top of the help
  // when it has none.
  void showTopic(const QString& mnemonic);

  // Selects the next occurrence of the text after the selection, ignoring
  // case, and from the top when there is none after it. False, with a note
  // under the text, when the help does not hold it.
  bool findNext(const QString& text);

 private:
  QTextBrowser* browser_ = nullptr;
  QLineEdit* search_ = nullptr;
  QLabel* searchStatus_ = nullptr;
};

}  // namespace casl2wb
