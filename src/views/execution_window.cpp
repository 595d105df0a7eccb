#include "views/execution_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <tuple>

#include "machine/execution_loop.h"
#include "machine/step_replay.h"
#include "printing/listings.h"
#include "views/font_choice.h"
#include "views/form3_texts.h"
#include "views/list_box_messages.h"
#include "views/print_job.h"
#include "views/qt_printer.h"
#include "views/run_dialogs_adapter.h"

namespace casl2wb {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QLabel* namedLabel(const QString& name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

ExecutionWindow::ExecutionWindow(WorkbenchState& state, Dialogs& dialogs, TraceSelection& trace,
                                 QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs), trace_(trace) {
  setObjectName("Form3");
  setWindowTitle(text(form3_texts::form3Caption));

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* top = new QHBoxLayout;
  top->addWidget(namedLabel("Label20", text(form3_texts::Label20), central));
  top->addWidget(namedLabel("Label22", text(form3_texts::Label22), central));
  top->addStretch();
  layout->addLayout(top);
  layout->addWidget(makePanel());
  layout->addWidget(namedLabel("Label17", text(form3_texts::Label17), central));
  list1_ = new QListWidget(central);
  list1_->setObjectName("List1");
  list1_->setFont(fixedPitchFont(9));
  list1_->setUniformItemSizes(true);
  layout->addWidget(list1_, 1);
  setCentralWidget(central);

  QAction* jikoum = menuBar()->addAction(text(form3_texts::jikoum));
  jikoum->setObjectName("jikoum");
  connect(jikoum, &QAction::triggered, this, &ExecutionWindow::jikoum_Click);
  QMenu* printm = menuBar()->addMenu(text(form3_texts::printm));
  printm->setObjectName("printm");
  using Command = void (ExecutionWindow::*)();
  for (const auto& [name, caption, command] :
       {std::tuple{"printi", form3_texts::printi, Command{&ExecutionWindow::printi_Click}},
        std::tuple{"printg", form3_texts::printg, Command{&ExecutionWindow::printg_Click}},
        std::tuple{"printcpu", form3_texts::printcpu, Command{&ExecutionWindow::printcpu_Click}}}) {
    QAction* action = printm->addAction(text(caption));
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, command);
  }

  state_.machine.replayActive = false;  // a loaded window starts the replay afresh
  resize(860, 620);
  placeAtRightEdge();
}

QWidget* ExecutionWindow::makePanel() {
  auto* frame = new QGroupBox(text(form3_texts::Frame1), this);
  frame->setObjectName("Frame1");
  auto* grid = new QGridLayout(frame);
  const QFont valueFont = fixedPitchFont(11);
  int index = 0;
  for (const auto& cell : form3_texts::panelCells) {
    const int row = index / 2;
    const int column = index % 2 == 0 ? 0 : 3;
    grid->addWidget(namedLabel(cell.captionName, text(cell.caption), frame), row, column);
    QLabel* value = namedLabel(cell.valueName, QString(), frame);
    value->setFont(valueFont);
    value->setMinimumWidth(70);
    grid->addWidget(value, row, column + 1);
    valueLabels_[cell.valueName] = value;
    ++index;
  }
  cmdadd_ = new QPushButton(text(form3_texts::cmdadd), frame);
  cmdadd_->setObjectName("cmdadd");
  grid->addWidget(cmdadd_, 0, 2);
  connect(cmdadd_, &QPushButton::clicked, this, &ExecutionWindow::cmdadd_Click);
  grid->setColumnStretch(5, 1);
  return frame;
}

void ExecutionWindow::jikoum_Click() {
  ListBoxMessages list(*list1_);
  RunDialogsAdapter runDialogs(dialogs_, *this);
  ExecutionLoop loop(state_.machine, state_.table, list, runDialogs, state_.panel);
  loop.jikoum_Click();
  showPanel();
}

void ExecutionWindow::cmdadd_Click() {
  ListBoxMessages list(*list1_);
  StepReplay replay(state_.machine, list, trace_, state_.panel);
  replay.cmdadd_Click();
  showPanel();
}

void ExecutionWindow::printi_Click() {
  printOnChosenPrinter(this, state_, dialogs_,
                       [this](Printer& printer) { printi(printer, state_.table, state_.machine); });
}

void ExecutionWindow::printcpu_Click() {
  printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
    printcpu(printer, state_.table, state_.machine);
  });
}

// The window as it is on the screen, taken before the print dialog opens.
void ExecutionWindow::printg_Click() {
  const WindowImage image = toWindowImage(grab().toImage());
  printOnChosenPrinter(this, state_, dialogs_,
                       [&image](Printer& printer) { printg(printer, image); });
}

void ExecutionWindow::showPanel() {
  const RegisterPanel& panel = state_.panel;
  valueLabels_.at("comand")->setText(QString::fromStdString(panel.comand));
  valueLabels_.at("Label1")->setText(QString::fromStdString(panel.pr));
  valueLabels_.at("Label5")->setText(QString::fromStdString(panel.sp));
  valueLabels_.at("Label8")->setText(QString::fromStdString(panel.fr));
  static const char* const grLabels[] = {"Label2", "Label3",  "Label4",  "Label6",
                                         "Label7", "Label24", "Label25", "Label26"};
  for (int n = 0; n < 8; ++n) {
    valueLabels_.at(grLabels[n])->setText(QString::fromStdString(panel.gr[n]));
  }
}

void ExecutionWindow::placeAtRightEdge() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  const QRect available = screen->geometry();
  move(available.x() + available.width() - frameGeometry().width(), y());
}

}  // namespace casl2wb
