// casl2wb: the desktop workbench. The splash comes first; when it hands
// over, the editor window is the main window until the user ends the program.
#include <QApplication>
#include <QTimer>
#include <memory>

#include "views/editor_window.h"
#include "views/execution_windows.h"
#include "views/japanese_locale.h"
#include "views/qt_dialogs.h"
#include "views/splash_window.h"
#include "views/workbench_state.h"

int main(int argc, char** argv) {
  // Japanese dates and sizes in the windows whatever the system's locale;
  // first of all, as Qt reads the system's locale only once.
  casl2wb::useJapaneseLocale();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("casl2wb"));
  QApplication::setApplicationVersion(QStringLiteral(CASL2WB_VERSION));
  // Qt's own dialogs and buttons in Japanese (the package depends on the
  // translations; a build run without them keeps Qt's English).
  casl2wb::installQtTranslations();
  // The program ends through the editor window's own end commands.
  QApplication::setQuitOnLastWindowClosed(false);

  casl2wb::WorkbenchState state(casl2wb::defaultWorkFolder());
  casl2wb::QtDialogs dialogs;
  std::unique_ptr<casl2wb::EditorWindow> editor;
  std::unique_ptr<casl2wb::ExecutionWindows> executionWindows;

  auto* splash = new casl2wb::SplashWindow([&]() -> QWidget* {
    editor = std::make_unique<casl2wb::EditorWindow>(state, dialogs);
    executionWindows = std::make_unique<casl2wb::ExecutionWindows>(*editor, state, dialogs);
    QObject::connect(editor.get(), &casl2wb::EditorWindow::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    // Once the editor is on the screen, the texts that ended programs left.
    QTimer::singleShot(0, editor.get(), &casl2wb::EditorWindow::offerRecoveries);
    return editor.get();
  });
  QObject::connect(splash, &casl2wb::SplashWindow::closedEarly, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  splash->show();
  return app.exec();
}
