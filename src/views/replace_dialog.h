// The replace dialog: replaces the selected occurrence of the search text
// and selects the next one, or replaces them all.
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
  // Replaces the selection when it is the search text, then selects the
  // next occurrence.
  void replace();
  // Replaces every occurrence from the beginning of the text and says how
  // many it replaced.
  void replaceAll();

 private:
  // replace() without its message at the end; true when it found the next
  // occurrence.
  bool replaceAndFindNext();

  QPlainTextEdit& editor_;
  Dialogs& dialogs_;
  QLabel* findLabel_ = nullptr;
  QLineEdit* findText_ = nullptr;
  QLabel* replaceLabel_ = nullptr;
  QLineEdit* replaceText_ = nullptr;
  QPushButton* replaceButton_ = nullptr;
  QPushButton* replaceAllButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  bool replaceFound_ = false;
  int replacedCount_ = 0;
};

}  // namespace casl2wb
