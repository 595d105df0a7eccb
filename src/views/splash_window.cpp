#include "views/splash_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "views/object_names.h"
#include "views/product_title.h"
#include "views/title_picture.h"

namespace casl2wb {

SplashWindow::SplashWindow(EditorFactory makeEditor, QWidget* parent)
    : QWidget(parent, Qt::Window), makeEditor_(std::move(makeEditor)) {
  setObjectName(QString::fromLatin1(object_names::splashWindow));
  setWindowTitle(productTitleWithVersion());
  setAttribute(Qt::WA_DeleteOnClose);

  titlePicture_ = new QLabel;
  titlePicture_->setObjectName(QString::fromLatin1(object_names::titlePicture));
  titlePicture_->setPixmap(drawTitlePicture());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(titlePicture_);
  setFixedSize(layout->sizeHint());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = rect();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }

  closeTimer_ = new QTimer(this);
  closeTimer_->setObjectName(QString::fromLatin1(object_names::closeTimer));
  closeTimer_->setSingleShot(true);
  // A coarse timer may fire a little early; the editor never comes before its time.
  closeTimer_->setTimerType(Qt::PreciseTimer);
  closeTimer_->setInterval(showMilliseconds);
  connect(closeTimer_, &QTimer::timeout, this, &SplashWindow::handOver);
  closeTimer_->start();
}

void SplashWindow::handOver() {
  QWidget* editor = makeEditor_();
  handedOver_ = true;
  close();
  editor->show();
}

void SplashWindow::closeEvent(QCloseEvent* event) {
  closeTimer_->stop();
  event->accept();
  if (!handedOver_) emit closedEarly();
}

}  // namespace casl2wb
