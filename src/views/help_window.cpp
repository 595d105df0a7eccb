#include "views/help_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "views/editor_texts.h"
#include "views/help_document.h"
#include "views/help_texts.h"
#include "views/instruction_help.h"
#include "views/object_names.h"
#include "views/product_title.h"
#include "views/text_conversion.h"

namespace casl2wb {

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner) {
  setObjectName(QString::fromLatin1(object_names::helpWindow));
  setWindowTitle(productTitle() + QString::fromUtf8(help_texts::captionSuffix));
  setModal(false);

  search_ = new QLineEdit;
  search_->setObjectName(QString::fromLatin1(object_names::helpSearch));
  search_->setPlaceholderText(QString::fromUtf8(help_texts::searchPlaceholder));
  auto* searchLabel = new QLabel(QString::fromUtf8(help_texts::searchLabel));
  searchLabel->setBuddy(search_);
  connect(search_, &QLineEdit::returnPressed, this, [this] { findNext(search_->text()); });

  browser_ = new QTextBrowser;
  browser_->setObjectName(QString::fromLatin1(object_names::helpText));
  browser_->setHtml(helpHtml());

  searchStatus_ = new QLabel;
  searchStatus_->setObjectName(QString::fromLatin1(object_names::helpSearchStatus));
  auto* buttons = new QDialogButtonBox;
  // Enter belongs to the search box: the close button is no default button.
  buttons->addButton(QString::fromUtf8(editor_texts::closeAction), QDialogButtonBox::RejectRole)
      ->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::rejected, this, &HelpWindow::close);

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(searchLabel);
  searchRow->addWidget(search_);
  auto* bottomRow = new QHBoxLayout;
  bottomRow->addWidget(searchStatus_, 1);
  bottomRow->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(searchRow);
  layout->addWidget(browser_);
  layout->addLayout(bottomRow);
  resize(640, 600);
}

void HelpWindow::showTopic(const QString& mnemonic) {
  if (hasHelpSection(mnemonic)) {
    browser_->scrollToAnchor(mnemonic);
  } else {
    browser_->verticalScrollBar()->setValue(0);
  }
}

bool HelpWindow::findNext(const QString& text) {
  bool found = false;
  if (!text.isEmpty()) {
    found = browser_->find(text);
    if (!found) {  // nothing after the selection: once more from the top
      browser_->moveCursor(QTextCursor::Start);
      found = browser_->find(text);
    }
  }
  searchStatus_->setText(
      found || text.isEmpty() ? QString() : shownMessage(Message::HelpTextNotFound, {toStd(text)}));
  return found;
}

}  // namespace casl2wb
