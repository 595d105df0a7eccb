#include "views/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
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

FindDialog::FindDialog(QPlainTextEdit& editor, Dialogs& dialogs, QWidget* owner)
    : QDialog(owner), editor_(editor), dialogs_(dialogs) {
  setObjectName(QString::fromLatin1(names::findDialog));
  setWindowTitle(QString::fromUtf8(find_texts::findDialogCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  // Escape closes the dialog for good as well.
  connect(this, &QDialog::finished, this, &QObject::deleteLater);
  setModal(false);

  findText_ = new QLineEdit;
  findText_->setObjectName(QString::fromLatin1(names::findText));
  findNextButton_ = new QPushButton(QString::fromUtf8(find_texts::findNextButton));
  findNextButton_->setObjectName(QString::fromLatin1(names::findNextButton));
  findNextButton_->setDefault(true);
  cancelButton_ = new QPushButton(QString::fromUtf8(find_texts::cancelButton));
  cancelButton_->setObjectName(QString::fromLatin1(names::cancelButton));
  matchCaseCheck_ = new QCheckBox(QString::fromUtf8(find_texts::matchCaseCheck));
  matchCaseCheck_->setObjectName(QString::fromLatin1(names::matchCaseCheck));
  fromTopCheck_ = new QCheckBox(QString::fromUtf8(find_texts::fromTopCheck));
  fromTopCheck_->setObjectName(QString::fromLatin1(names::fromTopCheck));

  auto* layout = new QGridLayout(this);
  layout->addWidget(findText_, 0, 0);
  layout->addWidget(findNextButton_, 0, 1);
  layout->addWidget(matchCaseCheck_, 1, 0);
  layout->addWidget(cancelButton_, 1, 1);
  layout->addWidget(fromTopCheck_, 2, 0);
  layout->setColumnStretch(0, 1);

  connect(findNextButton_, &QPushButton::clicked, this, &FindDialog::findNext);
  connect(cancelButton_, &QPushButton::clicked, this, &FindDialog::close);
  resize(420, sizeHint().height());
}

void FindDialog::findNext() {
  TextBoxSelection box(editor_);
  const QString wanted = findText_->text();
  const qsizetype start =
      fromTopCheck_->isChecked() ? 0 : box.selectionStart() + box.selectionLength();
  const Qt::CaseSensitivity sensitivity =
      matchCaseCheck_->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
  // An empty search text finds nothing.
  const qsizetype found = wanted.isEmpty() ? -1 : box.text().indexOf(wanted, start, sensitivity);
  if (found >= 0) {
    box.select(found, wanted.size());
  } else {
    dialogs_.message(this, Dialogs::Icon::Information, productTitle(),
                     shownMessage(Message::FindEnded));
  }
  fromTopCheck_->setChecked(false);
  // The dialog keeps the focus, so that the next Enter searches again; the
  // editor shows the found text selected all the same.
}

}  // namespace casl2wb
