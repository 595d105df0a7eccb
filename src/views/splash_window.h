// Form8, the splash window: shows the title picture for three seconds, then
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
  void Timer1_Timer();

  EditorFactory makeEditor_;
  QLabel* picture1_ = nullptr;
  QTimer* timer1_ = nullptr;
  bool handedOver_ = false;
};

}  // namespace casl2wb
