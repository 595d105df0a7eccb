// The splash window: shows the title picture for three seconds, then
// creates the editor window, closes itself and shows the editor.
#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace casl2wb {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  // Makes the editor window when the time is up; the splash deletes itself then.
  using EditorFactory = std::function<QWidget*()>;

  static constexpr int showMilliseconds = 3000;

  explicit SplashWindow(EditorFactory makeEditor, QWidget* parent = nullptr);

 signals:
  // The user closed the splash before the editor came.
  void closedEarly();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The time is up: the editor comes, the splash goes.
  void handOver();

  EditorFactory makeEditor_;
  QLabel* titlePicture_ = nullptr;
  QTimer* closeTimer_ = nullptr;
  bool handedOver_ = false;
};

}  // namespace casl2wb
