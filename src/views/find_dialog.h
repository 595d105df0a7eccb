// The find dialog: searches the editor's text from the end of its selection
// (or from the beginning) and selects what it finds, keeping the focus so
// that Enter searches again.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace casl2wb {

class Dialogs;

class FindDialog : public QDialog {
  Q_OBJECT

 public:
  // Modeless, owned by `owner`; Cancel closes and deletes it.
  FindDialog(QPlainTextEdit& editor, Dialogs& dialogs, QWidget* owner);

 public slots:
  // Selects the next occurrence of the search text.
  void findNext();

 private:
  QPlainTextEdit& editor_;
  Dialogs& dialogs_;
  QLineEdit* findText_ = nullptr;
  QPushButton* findNextButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QCheckBox* matchCaseCheck_ = nullptr;
  QCheckBox* fromTopCheck_ = nullptr;
};

}  // namespace casl2wb
