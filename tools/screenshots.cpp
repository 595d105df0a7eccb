// Makes the screenshots of the README: the editor after a check, the
// execution window after a run, and a replay step with its step counter, the
// marks of what it changed and its trace line. Run it
// under a display (scripts/screenshots starts one with Xvfb).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <cstdio>

#include "views/dialogs.h"
#include "views/editor_window.h"
#include "views/execution_windows.h"
#include "views/help_window.h"
#include "views/workbench_state.h"

namespace {

using namespace casl2wb;

// Answers the input box of IN with one line and never blocks.
class ScreenshotDialogs : public Dialogs {
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
    return QStringLiteral("COMET");
  }
  bool choosePrinter(QWidget*, QPrinter&) override { return false; }
  bool setUpPrinter(QWidget*, QPrinter&) override { return false; }
};

bool save(QWidget* window, const QString& path) {
  QApplication::processEvents();
  const bool saved = window->grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: casl2wb-screenshots PROGRAM.txt STANDARD.cas FOLDER\n");
    return 2;
  }
  QFile program(QString::fromLocal8Bit(argv[1]));
  if (!program.open(QIODevice::ReadOnly)) return 2;
  QFile standardProgram(QString::fromLocal8Bit(argv[2]));
  if (!standardProgram.open(QIODevice::ReadOnly)) return 2;
  const QDir folder(QString::fromLocal8Bit(argv[3]));
  QDir().mkpath(folder.path());

  WorkbenchState state(QDir::tempPath().toStdString());
  ScreenshotDialogs dialogs;
  EditorWindow editor(state, dialogs);
  ExecutionWindows windows(editor, state, dialogs);
  editor.resize(900, 640);
  editor.show();
  const QString text = QString::fromUtf8(program.readAll());
  editor.sourceEdit().setPlainText(text);
  editor.checkProgram();
  bool ok = save(&editor, folder.filePath(QStringLiteral("editor.png")));

  // The same program with a register that does not exist: the line is
  // marked, and its message follows its listing line.
  QString faulty = text;
  faulty.replace(QStringLiteral("GR1,LEN"), QStringLiteral("GR9,LEN"));
  editor.sourceEdit().setPlainText(faulty);
  editor.checkProgram();
  ok = save(&editor, folder.filePath(QStringLiteral("editor_error.png"))) && ok;
  editor.sourceEdit().setPlainText(text);
  editor.checkProgram();

  editor.showExecutionWindows();
  windows.execution()->run();
  ok = save(windows.execution(), folder.filePath(QStringLiteral("execution.png"))) && ok;

  // Seven steps forward and one back: the ST GR1,TWICE, with the cell it
  // wrote (0019) and SP (back at 0100 after the RET) marked and the step
  // counter at 6; the window a little taller, so that the cell is in view.
  windows.execution()->resize(windows.execution()->width(), 700);
  for (int step = 0; step < 7; ++step) windows.execution()->stepForward();
  windows.execution()->stepBack();
  ok = save(windows.execution(), folder.filePath(QStringLiteral("replay.png"))) && ok;
  ok = save(windows.trace(), folder.filePath(QStringLiteral("trace.png"))) && ok;

  // A breakpoint on the ADDA of DOUBLE, and the replay at its step: the red
  // dot and the step's line in the editor.
  const int adda =
      static_cast<int>(
          text.split(QLatin1Char('\n')).indexOf(QRegularExpression(QStringLiteral(".*ADDA.*")))) +
      1;
  editor.sourceEdit().toggleBreakpoint(adda);
  windows.execution()->goToFirstStep();
  windows.execution()->goToNextBreak();
  ok = save(&editor, folder.filePath(QStringLiteral("breakpoint.png"))) && ok;

  // The help at the instruction of the editor's LD line.
  editor.showHelp();
  auto* help = editor.findChild<HelpWindow*>();
  help->resize(720, 560);
  help->showTopic(QStringLiteral("LD"));
  ok = save(help, folder.filePath(QStringLiteral("help.png"))) && ok;
  help->close();

  // A program in standard CASL II: two units, tabs, comment lines; checked
  // and run, and the replay at the ADDA of its second unit.
  editor.sourceEdit().toggleBreakpoint(adda);
  editor.chooseDialect(Dialect::Standard);
  editor.sourceEdit().setPlainText(QString::fromUtf8(standardProgram.readAll()));
  editor.checkProgram();
  windows.execution()->run();
  for (int step = 0; step < 5; ++step) windows.execution()->stepForward();
  ok = save(&editor, folder.filePath(QStringLiteral("standard_editor.png"))) && ok;
  ok = save(windows.execution(), folder.filePath(QStringLiteral("standard_execution.png"))) && ok;
  editor.chooseDialect(Dialect::Workbench);
  return ok ? 0 : 1;
}
