#include "views/replace_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

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

  // From the text to find to the replacement, then to the buttons.
  setTabOrder(findText_, replaceText_);
  setTabOrder(replaceText_, replaceButton_);
  setTabOrder(replaceButton_, replaceAllButton_);
  setTabOrder(replaceAllButton_, cancelButton_);

  // Enter in either box presses the default button "置換(&R)".
  connect(replaceButton_, &QPushButton::clicked, this, &ReplaceDialog::replace);
  connect(replaceAllButton_, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
  connect(cancelButton_, &QPushButton::clicked, this, &ReplaceDialog::close);

  // Opening the dialog: the selection is the text to find, ready to be typed over.
  findText_->setText(TextBoxSelection(editor_).selectedText());
  findText_->selectAll();
  resize(460, sizeHint().height());
}

bool ReplaceDialog::replaceAndFindNext() {
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
      ++replacedCount_;
    }
    found = box.text().indexOf(wanted, start, Qt::CaseSensitive);
  }
  replaceFound_ = found >= 0;
  if (replaceFound_) box.select(found, wanted.size());
  return replaceFound_;
}

// The dialog keeps the focus, so that Enter goes on replacing instead of
// typing line ends into the program; the editor shows the selection all
// the same.
void ReplaceDialog::replace() {
  if (!replaceAndFindNext()) {
    dialogs_.message(this, Dialogs::Icon::Information, productTitle(),
                     shownMessage(Message::FindAndReplaceEnded));
  }
}

// One step to undo, and one message that says how many were replaced.
void ReplaceDialog::replaceAll() {
  TextBoxSelection(editor_).select(0, 0);
  QTextCursor edit(editor_.document());
  edit.beginEditBlock();
  replacedCount_ = 0;
  replaceFound_ = true;
  while (replaceFound_) replaceAndFindNext();
  edit.endEditBlock();
  const QString message = replacedCount_ > 0
                              ? shownMessage(Message::ReplacedAll, {std::to_string(replacedCount_)})
                              : shownMessage(Message::NothingReplaced, {toStd(findText_->text())});
  dialogs_.message(this, Dialogs::Icon::Information, productTitle(), message);
}

}  // namespace casl2wb
