#include "views/replace_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "views/dialogs.h"
#include "views/find_texts.h"
#include "views/product_title.h"
#include "views/text_box_selection.h"

namespace casl2wb {

ReplaceDialog::ReplaceDialog(QPlainTextEdit& editor, Dialogs& dialogs, QWidget* owner)
    : QDialog(owner), editor_(editor), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmreplacestr"));
  setWindowTitle(QString::fromUtf8(find_texts::frmreplacestrCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  // Escape closes the dialog for good as well.
  connect(this, &QDialog::finished, this, &QObject::deleteLater);
  setModal(false);

  lblsearch_ = new QLabel(QString::fromUtf8(find_texts::lblsearch));
  lblsearch_->setObjectName(QStringLiteral("lblsearch"));
  txtsearch_ = new QLineEdit;
  txtsearch_->setObjectName(QStringLiteral("txtsearch"));
  lblsearch_->setBuddy(txtsearch_);
  ibireplace_ = new QLabel(QString::fromUtf8(find_texts::ibireplace));
  ibireplace_->setObjectName(QStringLiteral("ibireplace"));
  txtreplace_ = new QLineEdit;
  txtreplace_->setObjectName(QStringLiteral("txtreplace"));
  ibireplace_->setBuddy(txtreplace_);
  cmdreplace_ = new QPushButton(QString::fromUtf8(find_texts::cmdreplace));
  cmdreplace_->setObjectName(QStringLiteral("cmdreplace"));
  cmdreplace_->setDefault(true);
  cmdreplaceall_ = new QPushButton(QString::fromUtf8(find_texts::cmdreplaceall));
  cmdreplaceall_->setObjectName(QStringLiteral("cmdreplaceall"));
  cmdcancel_ = new QPushButton(QString::fromUtf8(find_texts::cmdcancel));
  cmdcancel_->setObjectName(QStringLiteral("cmdcancel"));

  auto* layout = new QGridLayout(this);
  layout->addWidget(lblsearch_, 0, 0);
  layout->addWidget(txtsearch_, 0, 1);
  layout->addWidget(cmdreplace_, 0, 2);
  layout->addWidget(ibireplace_, 1, 0);
  layout->addWidget(txtreplace_, 1, 1);
  layout->addWidget(cmdreplaceall_, 1, 2);
  layout->addWidget(cmdcancel_, 2, 2);
  layout->setColumnStretch(1, 1);

  connect(cmdreplace_, &QPushButton::clicked, this, &ReplaceDialog::cmdreplace_Click);
  connect(cmdreplaceall_, &QPushButton::clicked, this, &ReplaceDialog::cmdreplaceall_Click);
  connect(cmdcancel_, &QPushButton::clicked, this, &ReplaceDialog::close);

  // Opening the dialog: the selection is the text to find, ready to be typed over.
  txtsearch_->setText(TextBoxSelection(editor_).selectedText());
  txtsearch_->selectAll();
  resize(460, sizeHint().height());
}

void ReplaceDialog::cmdreplace_Click() {
  TextBoxSelection box(editor_);
  const QString wanted = txtsearch_->text();
  qsizetype found = -1;
  // An empty search text replaces nothing and finds nothing, so that
  // replacing all always ends.
  if (!wanted.isEmpty()) {
    qsizetype start = box.selectionStart();
    if (box.selectedText() == wanted) {
      const QString replacement = txtreplace_->text();
      box.replaceSelection(replacement);
      start += replacement.size();
    }
    found = box.text().indexOf(wanted, start, Qt::CaseSensitive);
  }
  if (found >= 0) {
    box.select(found, wanted.size());
    replaceFound_ = true;
  } else {
    dialogs_.message(this, Dialogs::Icon::Information, productTitle(),
                     QString::fromUtf8(find_texts::replaceEnd));
    replaceFound_ = false;
  }
  box.focus();
}

void ReplaceDialog::cmdreplaceall_Click() {
  TextBoxSelection(editor_).select(0, 0);
  replaceFound_ = true;
  while (replaceFound_) cmdreplace_Click();
}

}  // namespace casl2wb
