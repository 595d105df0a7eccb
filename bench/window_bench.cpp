// The execution window as a student meets it, on the offscreen platform:
// from "実行" to the panel shown for the worst case of a pass (43
// instructions a pass, ";LMT99999MEX", about two million instructions) and
// for a run that prints 100 000 OUT lines, and one replay step. Each figure
// is the best of several tries, in milliseconds. Targets: 40, 60 and 5 ms.
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include "views/dialogs.h"
#include "views/editor_window.h"
#include "views/execution_windows.h"
#include "views/workbench_state.h"

namespace {

using namespace casl2wb;

// Answers every box at once: IN gets an empty line, notices are taken as read.
class QuietDialogs : public Dialogs {
 public:
  void message(QWidget*, Icon, const QString&, const QString&) override {}
  bool question(QWidget*, const QString&, const QString&) override { return true; }
  int choose(QWidget*, const QString&, const QString&, const QStringList&, int,
             int escapeIndex) override {
    return escapeIndex;
  }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  std::optional<QString> inputBox(QWidget*, const QString&, const QString&,
                                  const QString&) override {
    return QString();
  }
  bool choosePrinter(QWidget*, QPrinter&) override { return false; }
  bool setUpPrinter(QWidget*, QPrinter&) override { return false; }
};

double bestMilliseconds(int tries, const std::function<void()>& prepare,
                        const std::function<void()>& work) {
  double best = 1e9;
  for (int i = 0; i < tries; ++i) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::milli>(end - start).count());
  }
  return best;
}

QString programText(const char* name) {
  QFile file(QStringLiteral(CASL2WB_BENCH_PROGRAMS "/") + QString::fromLatin1(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir data;
  WorkbenchState state(data.path().toStdString());
  QuietDialogs dialogs;
  EditorWindow editor(state, dialogs);
  ExecutionWindows windows(editor, state, dialogs);
  editor.show();
  editor.showExecutionWindows();
  ExecutionWindow& execution = *windows.execution();

  // A fresh check before every run, so that each run finds the memory its
  // program starts with; the time runs from "実行" until the window has
  // painted the panel and the lists.
  auto timedRun = [&](const char* program) {
    const QString text = programText(program);
    return bestMilliseconds(
        5,
        [&] {
          execution.listModel().clear();
          execution.programOutputModel().clear();
          editor.sourceEdit().setPlainText(text);
          editor.checkProgram();
          QApplication::processEvents();
        },
        [&] {
          execution.run();
          execution.repaint();
          QApplication::processEvents();
        });
  };
  std::printf("window worst case: %.0f ms\n", timedRun("all_instructions_loop.txt"));
  std::printf("window 100000 OUT lines: %.0f ms\n", timedRun("out_lines_loop.txt"));
  const double step = bestMilliseconds(
      20, [] {},
      [&] {
        execution.stepForward();
        execution.repaint();
        QApplication::processEvents();
      });
  std::printf("window replay step: %.0f ms\n", step);
  return 0;
}
