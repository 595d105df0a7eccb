// frmreplacestr, the replace dialog: replaces the selected occurrence of the
// search text and selects the next one, or replaces them all.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace casl2wb {

class Dialogs;

class ReplaceDialog : public QDialog {
  Q_OBJECT

 public:
  // Modeless, owned by `owner`; the search text starts as the editor's
  // selected text. Cancel closes and deletes it.
  ReplaceDialog(QPlainTextEdit& editor, Dialogs& dialogs, QWidget* owner);

  // True while the last search of the dialog found an occurrence.
  bool replaceFound() const { return replaceFound_; }

 public slots:
  void cmdreplace_Click();
  void cmdreplaceall_Click();

 private:
  QPlainTextEdit& editor_;
  Dialogs& dialogs_;
  QLabel* lblsearch_ = nullptr;
  QLineEdit* txtsearch_ = nullptr;
  QLabel* ibireplace_ = nullptr;
  QLineEdit* txtreplace_ = nullptr;
  QPushButton* cmdreplace_ = nullptr;
  QPushButton* cmdreplaceall_ = nullptr;
  QPushButton* cmdcancel_ = nullptr;
  bool replaceFound_ = false;
};

}  // namespace casl2wb
