#include "views/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "views/dialogs.h"
#include "views/find_texts.h"
#include "views/product_title.h"
#include "views/text_box_selection.h"

namespace casl2wb {

FindDialog::FindDialog(QPlainTextEdit& editor, Dialogs& dialogs, QWidget* owner)
    : QDialog(owner), editor_(editor), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmfindstr"));
  setWindowTitle(QString::fromUtf8(find_texts::frmfindstrCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  // Escape closes the dialog for good as well.
  connect(this, &QDialog::finished, this, &QObject::deleteLater);
  setModal(false);

  txtsearch_ = new QLineEdit;
  txtsearch_->setObjectName(QStringLiteral("txtsearch"));
  cmdsearch_ = new QPushButton(QString::fromUtf8(find_texts::cmdsearch));
  cmdsearch_->setObjectName(QStringLiteral("cmdsearch"));
  cmdsearch_->setDefault(true);
  cmdcancel_ = new QPushButton(QString::fromUtf8(find_texts::cmdcancel));
  cmdcancel_->setObjectName(QStringLiteral("cmdcancel"));
  chkmoji_ = new QCheckBox(QString::fromUtf8(find_texts::chkmoji));
  chkmoji_->setObjectName(QStringLiteral("chkmoji"));
  chktop_ = new QCheckBox(QString::fromUtf8(find_texts::chktop));
  chktop_->setObjectName(QStringLiteral("chktop"));

  auto* layout = new QGridLayout(this);
  layout->addWidget(txtsearch_, 0, 0);
  layout->addWidget(cmdsearch_, 0, 1);
  layout->addWidget(chkmoji_, 1, 0);
  layout->addWidget(cmdcancel_, 1, 1);
  layout->addWidget(chktop_, 2, 0);
  layout->setColumnStretch(0, 1);

  connect(cmdsearch_, &QPushButton::clicked, this, &FindDialog::cmdsearch_Click);
  connect(cmdcancel_, &QPushButton::clicked, this, &FindDialog::close);
  resize(420, sizeHint().height());
}

void FindDialog::cmdsearch_Click() {
  TextBoxSelection box(editor_);
  const QString wanted = txtsearch_->text();
  const qsizetype start = chktop_->isChecked() ? 0 : box.selectionStart() + box.selectionLength();
  const Qt::CaseSensitivity sensitivity =
      chkmoji_->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
  // An empty search text finds nothing.
  const qsizetype found = wanted.isEmpty() ? -1 : box.text().indexOf(wanted, start, sensitivity);
  if (found >= 0) {
    box.select(found, wanted.size());
  } else {
    dialogs_.message(this, Dialogs::Icon::Information, productTitle(),
                     QString::fromUtf8(find_texts::findEnd));
  }
  chktop_->setChecked(false);
  box.focus();
}

}  // namespace casl2wb
