// frmfindstr, the find dialog: searches the editor's text from the end of
// its selection (or from the beginning) and selects what it finds.
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
  void cmdsearch_Click();

 private:
  QPlainTextEdit& editor_;
  Dialogs& dialogs_;
  QLineEdit* txtsearch_ = nullptr;
  QPushButton* cmdsearch_ = nullptr;
  QPushButton* cmdcancel_ = nullptr;
  QCheckBox* chkmoji_ = nullptr;
  QCheckBox* chktop_ = nullptr;
};

}  // namespace casl2wb
