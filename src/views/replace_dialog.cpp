#include "views/replace_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/messages.h"
#include "views/dialogs.h"
#include "views/find_texts.h"
#include "views/object_names.h"
#include "views/product_title.h"
#include "views/text_box_selection.h"
#include "views/text_conversion.h"

namespace casl2wb {

namespace {

namespace names = object_names;

}  // namespace

ReplaceDialog::ReplaceDialog(QPlainTextEdit& editor, Dialogs& dialogs, QWidget* owner)
    : QDialog(owner), editor_(editor), dialogs_(dialogs) {
  setObjectName(QString::fromLatin1(names::replaceDialog));
  setWindowTitle(QString::fromUtf8(find_texts::replaceDialogCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  // Escape closes the dialog for good as well.
  connect(this, &QDialog::finished, this, &QObject::deleteLater);
  setModal(false);

  findLabel_ = new QLabel(QString::fromUtf8(find_texts::findLabel));
  findLabel_->setObjectName(QString::fromLatin1(names::findLabel));
  findText_ = new QLineEdit;
  findText_->setObjectName(QString::fromLatin1(names::findText));
  findLabel_->setBuddy(findText_);
  replaceLabel_ = new QLabel(QString::fromUtf8(find_texts::replaceLabel));
  replaceLabel_->setObjectName(QString::fromLatin1(names::replaceLabel));
  replaceText_ = new QLineEdit;
  replaceText_->setObjectName(QString::fromLatin1(names::replaceText));
  replaceLabel_->setBuddy(replaceText_);
  replaceButton_ = new QPushButton(QString::fromUtf8(find_texts::replaceButton));
  replaceButton_->setObjectName(QString::fromLatin1(names::replaceButton));
  replaceButton_->setDefault(true);
  replaceAllButton_ = new QPushButton(QString::fromUtf8(find_texts::replaceAllButton));
  replaceAllButton_->setObjectName(QString::fromLatin1(names::replaceAllButton));
  cancelButton_ = new QPushButton(QString::fromUtf8(find_texts::cancelButton));
  cancelButton_->setObjectName(QString::fromLatin1(names::cancelButton));

  auto* layout = new QGridLayout(this);
  layout->addWidget(findLabel_, 0, 0);
  layout->addWidget(findText_, 0, 1);
  layout->addWidget(replaceButton_, 0, 2);
  layout->addWidget(replaceLabel_, 1, 0);
  layout->addWidget(replaceText_, 1, 1);
  layout->addWidget(replaceAllButton_, 1, 2);
  layout->addWidget(cancelButton_, 2, 2);
  layout->setColumnStretch(1, 1);

  connect(replaceButton_, &QPushButton::clicked, this, &ReplaceDialog::replace);
  connect(replaceAllButton_, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
  connect(cancelButton_, &QPushButton::clicked, this, &ReplaceDialog::close);

  // Opening the dialog: the selection is the text to find, ready to be typed over.
  findText_->setText(TextBoxSelection(editor_).selectedText());
  findText_->selectAll();
  resize(460, sizeHint().height());
}

void ReplaceDialog::replace() {
  TextBoxSelection box(editor_);
  const QString wanted = findText_->text();
  qsizetype found = -1;
  // An empty search text replaces nothing and finds nothing, so that
  // replacing all always ends.
  if (!wanted.isEmpty()) {
    qsizetype start = box.selectionStart();
    if (box.selectedText() == wanted) {
      const QString replacement = replaceText_->text();
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
                     shownMessage(Message::FindAndReplaceEnded));
    replaceFound_ = false;
  }
  box.focus();
}

void ReplaceDialog::replaceAll() {
  TextBoxSelection(editor_).select(0, 0);
  replaceFound_ = true;
  while (replaceFound_) replace();
}

}  // namespace casl2wb
