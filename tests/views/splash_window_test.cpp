// The splash window: its picture and caption, and the hand-over to the editor
// window three seconds after the start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include "views/object_names.h"
#include "views/product_title.h"
#include "views/splash_window.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;

// Stands in for the editor window.
struct Handover {
  QPointer<QWidget> editor;
  int calls = 0;
  qint64 atMilliseconds = -1;
};

SplashWindow* makeSplash(Handover& handover, const QElapsedTimer& clock) {
  return new SplashWindow([&handover, &clock]() -> QWidget* {
    ++handover.calls;
    handover.atMilliseconds = clock.elapsed();
    handover.editor = new QWidget;
    handover.editor->setObjectName(QString::fromLatin1(names::editorWindow));
    return handover.editor;
  });
}

void waitFor(const std::function<bool()>& done, int milliseconds) {
  QElapsedTimer waited;
  waited.start();
  while (!done() && waited.elapsed() < milliseconds) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(SplashWindow, PictureCaptionAndTimer) {
  Handover handover;
  QElapsedTimer clock;
  clock.start();
  QPointer<SplashWindow> splash = makeSplash(handover, clock);
  EXPECT_EQ(splash->objectName(), QString::fromLatin1(names::splashWindow));
  EXPECT_EQ(splash->windowTitle(), productTitleWithVersion());
  EXPECT_TRUE(splash->windowTitle().contains(QStringLiteral(CASL2WB_VERSION)));
  auto* picture = splash->findChild<QLabel*>(QString::fromLatin1(names::titlePicture));
  ASSERT_NE(picture, nullptr);
  EXPECT_GE(picture->pixmap().width(), 400);
  auto* timer = splash->findChild<QTimer*>(QString::fromLatin1(names::closeTimer));
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->interval(), 3000);
  EXPECT_TRUE(timer->isActive());
  EXPECT_TRUE(timer->isSingleShot());
  EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
  delete splash;
  EXPECT_EQ(handover.calls, 0);
}

TEST(SplashWindow, EditorAppearsAfterThreeSecondsAndSplashIsGone) {
  Handover handover;
  QElapsedTimer clock;
  clock.start();
  QPointer<SplashWindow> splash = makeSplash(handover, clock);
  splash->show();

  waitFor([] { return false; }, 2500);
  EXPECT_EQ(handover.calls, 0) << "the editor came before three seconds";
  EXPECT_FALSE(splash.isNull());

  waitFor([&] { return handover.calls > 0; }, 8000);
  ASSERT_EQ(handover.calls, 1);
  EXPECT_GE(handover.atMilliseconds, 3000);
  EXPECT_LT(handover.atMilliseconds, 8000);
  ASSERT_FALSE(handover.editor.isNull());
  EXPECT_TRUE(handover.editor->isVisible());
  EXPECT_TRUE(splash.isNull());

  waitFor([] { return false; }, 100);
  EXPECT_EQ(handover.calls, 1);
  delete handover.editor;
}

TEST(SplashWindow, HandOverWhenTheTimerFires) {
  Handover handover;
  QElapsedTimer clock;
  clock.start();
  QPointer<SplashWindow> splash = makeSplash(handover, clock);
  splash->show();
  splash->findChild<QTimer*>(QString::fromLatin1(names::closeTimer))->setInterval(10);
  waitFor([&] { return handover.calls > 0; }, 2000);
  EXPECT_EQ(handover.calls, 1);
  EXPECT_TRUE(splash.isNull());
  ASSERT_FALSE(handover.editor.isNull());
  EXPECT_TRUE(handover.editor->isVisible());
  delete handover.editor;
}

TEST(SplashWindow, ClosingTheSplashEarlyEndsWithoutEditor) {
  Handover handover;
  QElapsedTimer clock;
  clock.start();
  QPointer<SplashWindow> splash = makeSplash(handover, clock);
  int closedEarly = 0;
  QObject::connect(splash, &SplashWindow::closedEarly, [&] { ++closedEarly; });
  splash->show();
  splash->close();
  waitFor([] { return false; }, 50);
  EXPECT_EQ(closedEarly, 1);
  EXPECT_TRUE(splash.isNull());
  EXPECT_EQ(handover.calls, 0);
}

}  // namespace
}  // namespace casl2wb::testing
