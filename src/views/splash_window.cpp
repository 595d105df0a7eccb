#include "views/splash_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "views/product_title.h"
#include "views/title_picture.h"

namespace casl2wb {

SplashWindow::SplashWindow(EditorFactory makeEditor, QWidget* parent)
    : QWidget(parent, Qt::Window), makeEditor_(std::move(makeEditor)) {
  setObjectName(QStringLiteral("Form8"));
  setWindowTitle(productTitleWithVersion());
  setAttribute(Qt::WA_DeleteOnClose);

  picture1_ = new QLabel;
  picture1_->setObjectName(QStringLiteral("Picture1"));
  picture1_->setPixmap(drawTitlePicture());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture1_);
  setFixedSize(layout->sizeHint());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = rect();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setSingleShot(true);
  // A coarse timer may fire a little early; the editor never comes before its time.
  timer1_->setTimerType(Qt::PreciseTimer);
  timer1_->setInterval(showMilliseconds);
  connect(timer1_, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
  timer1_->start();
}

void SplashWindow::Timer1_Timer() {
  QWidget* editor = makeEditor_();
  handedOver_ = true;
  close();
  editor->show();
}

void SplashWindow::closeEvent(QCloseEvent* event) {
  timer1_->stop();
  event->accept();
  if (!handedOver_) emit closedEarly();
}

}  // namespace casl2wb
