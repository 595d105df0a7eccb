#include "views/execution_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <tuple>

#include "documents/listings.h"
#include "qtprint/font_choice.h"
#include "qtprint/qt_printer.h"
#include "simulator/execution_loop.h"
#include "simulator/step_replay.h"
#include "views/execution_texts.h"
#include "views/list_box_messages.h"
#include "views/object_names.h"
#include "views/print_job.h"
#include "views/run_dialogs_adapter.h"

namespace casl2wb {

namespace {

namespace texts = execution_texts;
namespace names = object_names;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QLabel* namedLabel(const char* name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

ExecutionWindow::ExecutionWindow(WorkbenchState& state, Dialogs& dialogs, TraceSelection& trace,
                                 QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs), trace_(trace) {
  setObjectName(QString::fromLatin1(names::executionWindow));
  setWindowTitle(text(texts::executionWindowCaption));

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* top = new QHBoxLayout;
  top->addWidget(namedLabel(names::stepHeading, text(texts::stepHeading), central));
  top->addWidget(namedLabel(names::elapsedHeading, text(texts::elapsedHeading), central));
  top->addStretch();
  layout->addLayout(top);
  layout->addWidget(makePanel());
  layout->addWidget(namedLabel(names::outputHeading, text(texts::outputHeading), central));
  outputList_ = new QListWidget(central);
  outputList_->setObjectName(QString::fromLatin1(names::outputList));
  outputList_->setFont(fixedPitchFont(9));
  outputList_->setUniformItemSizes(true);
  layout->addWidget(outputList_, 1);
  setCentralWidget(central);

  QAction* runItem = menuBar()->addAction(text(texts::runAction));
  runItem->setObjectName(QString::fromLatin1(names::runAction));
  connect(runItem, &QAction::triggered, this, &ExecutionWindow::run);
  QMenu* printMenu = menuBar()->addMenu(text(texts::printMenu));
  printMenu->setObjectName(QString::fromLatin1(names::printMenu));
  using Command = void (ExecutionWindow::*)();
  for (const auto& [name, caption, command] :
       {std::tuple{names::printRunAction, texts::printRunAction,
                   Command{&ExecutionWindow::printRunResult}},
        std::tuple{names::screenCopyAction, texts::screenCopyAction,
                   Command{&ExecutionWindow::printScreenCopy}},
        std::tuple{names::printCpuTraceAction, texts::printCpuTraceAction,
                   Command{&ExecutionWindow::printCpuTrace}}}) {
    QAction* action = printMenu->addAction(text(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, command);
  }

  state_.machine.replaying = false;  // a new window starts the replay afresh
  resize(860, 620);
  placeAtRightEdge();
}

QWidget* ExecutionWindow::makePanel() {
  auto* frame = new QGroupBox(text(texts::cpuPanel), this);
  frame->setObjectName(QString::fromLatin1(names::cpuPanel));
  auto* grid = new QGridLayout(frame);
  const QFont valueFont = fixedPitchFont(11);
  int index = 0;
  for (const auto& cell : texts::panelCells) {
    const int row = index / 2;
    const int column = index % 2 == 0 ? 0 : 3;
    grid->addWidget(namedLabel(cell.captionName, text(cell.caption), frame), row, column);
    QLabel* value = namedLabel(cell.valueName, QString(), frame);
    value->setFont(valueFont);
    value->setMinimumWidth(70);
    grid->addWidget(value, row, column + 1);
    valueLabels_[QString::fromLatin1(cell.valueName)] = value;
    ++index;
  }
  stepButton_ = new QPushButton(text(texts::stepButton), frame);
  stepButton_->setObjectName(QString::fromLatin1(names::stepButton));
  grid->addWidget(stepButton_, 0, 2);
  connect(stepButton_, &QPushButton::clicked, this, &ExecutionWindow::stepForward);
  grid->setColumnStretch(5, 1);
  return frame;
}

void ExecutionWindow::run() {
  ListBoxMessages output(*outputList_);
  RunDialogsAdapter runDialogs(dialogs_, *this);
  Simulator(state_.machine, output, runDialogs, state_.panel).run();
  showPanel();
}

void ExecutionWindow::stepForward() {
  ListBoxMessages output(*outputList_);
  StepReplay(state_.machine, output, trace_, state_.panel).stepForward();
  showPanel();
}

void ExecutionWindow::printRunResult() {
  printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
    casl2wb::printRunResult(printer, state_.program.source, state_.machine);
  });
}

void ExecutionWindow::printCpuTrace() {
  printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
    casl2wb::printCpuTrace(printer, state_.program.source, state_.machine);
  });
}

// The window as it is on the screen, taken before the print dialog opens.
void ExecutionWindow::printScreenCopy() {
  const WindowImage image = toWindowImage(grab().toImage());
  printOnChosenPrinter(this, state_, dialogs_,
                       [&image](Printer& printer) { casl2wb::printScreenCopy(printer, image); });
}

void ExecutionWindow::showPanel() {
  const RegisterPanel& panel = state_.panel;
  auto setValue = [this](const char* name, const std::string& value) {
    valueLabels_.at(QString::fromLatin1(name))->setText(QString::fromStdString(value));
  };
  setValue(names::mnemonicValue, panel.mnemonic);
  setValue(names::programRegisterValue, panel.programRegister);
  setValue(names::stackPointerValue, panel.stackPointer);
  setValue(names::flagsValue, panel.flags);
  for (int n = 0; n < 8; ++n) setValue(names::grValues[n], panel.registers[n]);
}

void ExecutionWindow::placeAtRightEdge() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  const QRect available = screen->geometry();
  move(available.x() + available.width() - frameGeometry().width(), y());
}

}  // namespace casl2wb
