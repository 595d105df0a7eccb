#include "views/execution_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "base/messages.h"
#include "documents/listings.h"
#include "qtprint/font_choice.h"
#include "qtprint/qt_printer.h"
#include "simulator/execution_loop.h"
#include "simulator/run_dumps.h"
#include "simulator/step_replay.h"
#include "views/changed_cells_delegate.h"
#include "views/execution_texts.h"
#include "views/list_box_messages.h"
#include "views/object_names.h"
#include "views/print_job.h"
#include "views/run_dialogs_adapter.h"
#include "views/step_changes.h"
#include "views/text_conversion.h"

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
  stepCounter_ = namedLabel(names::stepCounter, QString(), central);
  top->addWidget(stepCounter_);
  top->addStretch();
  layout->addLayout(top);
  layout->addWidget(makePanel());
  layout->addWidget(namedLabel(names::outputHeading, text(texts::outputHeading), central));
  outputList_ = new QListWidget(central);
  outputList_->setObjectName(QString::fromLatin1(names::outputList));
  outputList_->setFont(fixedPitchFont(9));
  outputList_->setUniformItemSizes(true);
  outputList_->setItemDelegate(new ChangedCellsDelegate(outputList_));
  layout->addWidget(outputList_, 1);
  setCentralWidget(central);
  // After a run the list follows its end, also when a later layout (a
  // scroll bar that appears, a resized window) changes its range, until
  // the user scrolls or a replay step shows the memory from the top.
  QScrollBar* bar = outputList_->verticalScrollBar();
  connect(bar, &QScrollBar::rangeChanged, this, [this](int, int maximum) {
    if (listFollowsEnd_) outputList_->verticalScrollBar()->setValue(maximum);
  });
  connect(bar, &QScrollBar::actionTriggered, this, [this] { listFollowsEnd_ = false; });
  runEndStatus_ = namedLabel(names::runEndStatus, QString(), this);
  // One line high also while empty, so that the first run does not move the list.
  runEndStatus_->setMinimumHeight(runEndStatus_->fontMetrics().height());
  statusBar()->addWidget(runEndStatus_, 1);

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
  updateReplayControls();
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
    // A register the replay's step changed fills its background with this.
    QPalette palette = value->palette();
    palette.setColor(QPalette::Window, changedValueColour());
    value->setPalette(palette);
    grid->addWidget(value, row, column + 1);
    valueLabels_[QString::fromLatin1(cell.valueName)] = value;
    ++index;
  }
  // "<<" and ">>" side by side between the two columns of registers.
  auto* buttons = new QHBoxLayout;
  stepBackButton_ = new QPushButton(text(texts::stepBackButton), frame);
  stepBackButton_->setObjectName(QString::fromLatin1(names::stepBackButton));
  buttons->addWidget(stepBackButton_);
  connect(stepBackButton_, &QPushButton::clicked, this, &ExecutionWindow::stepBack);
  stepButton_ = new QPushButton(text(texts::stepButton), frame);
  stepButton_->setObjectName(QString::fromLatin1(names::stepButton));
  buttons->addWidget(stepButton_);
  grid->addLayout(buttons, 0, 2);
  connect(stepButton_, &QPushButton::clicked, this, &ExecutionWindow::stepForward);
  grid->setColumnStretch(5, 1);
  return frame;
}

void ExecutionWindow::run() {
  const AssembledProgram& program = state_.program;
  if (!program.runnable()) {
    // The machine holds the image of a program that was not translated
    // whole (or nothing at all): there is nothing sound to run.
    dialogs_.message(this, Dialogs::Icon::Warning, windowTitle(),
                     shownMessage(program.errorCount > 0 ? Message::RunAfterErrors
                                                         : Message::RunWithoutProgram));
    return;
  }
  // A text edited since its check would run as the older program.
  if (state_.sourceChangedSinceCheck) {
    dialogs_.message(this, Dialogs::Icon::Warning, windowTitle(),
                     shownMessage(Message::ProgramChangedSinceCheck));
    return;
  }
  hasRun_ = true;
  runStartMemory_ = currentMemoryRow(state_.machine);
  ListBoxMessages output(*outputList_);
  RunDialogsAdapter runDialogs(dialogs_, *this);
  Simulator(state_.machine, output, runDialogs, state_.panel).run();
  showPanel();
  // The run's own lines and dumps are at the end of the list.
  listFollowsEnd_ = true;
  outputList_->scrollToBottom();

  // A replay under way goes on with the second step of the new run's
  // history; otherwise the next ">>" starts at its first step.
  runReplayable_ = true;
  runMessages_ = program.messages;
  shownStep_ = 0;
  selections_.assign(static_cast<std::size_t>(std::max(state_.machine.recordedSteps, 0)), {0, 0});
  clearMarks();
  updateReplayControls();
  showRunEnd();
}

void ExecutionWindow::stepForward() {
  if (!canReplay()) return;
  ListBoxMessages output(*outputList_);
  StepReplay(state_.machine, output, trace_, state_.panel).stepForward();
  // The replay has shown the slot before the next one it will show.
  const int slot = state_.machine.replayPosition - 1;
  selections_.at(static_cast<std::size_t>(slot)) = {trace_.selectionStart(),
                                                    trace_.selectionLength()};
  showStep(slot);
}

void ExecutionWindow::stepBack() {
  if (!canReplay() || shownStep_ <= 1) return;
  Machine& machine = state_.machine;
  const int slot = shownStep_ - 2;
  const HistorySlot& shown = machine.history.at(static_cast<std::size_t>(slot));
  // What ">>" showed at this slot: its panel, its trace selection and the
  // memory after it.
  state_.panel = panelOf(machine.memory, shown.pr, shown.registers, shown.flags, shown.sp);
  const auto [start, length] = selections_.at(static_cast<std::size_t>(slot));
  trace_.select(start, length);
  trace_.focus();
  ListBoxMessages output(*outputList_);
  showStepMemory(machine, slot + 1, output);
  // ">>" goes on with the slot after it.
  machine.replayPosition = slot + 1;
  machine.replaying = true;
  showStep(slot);
}

void ExecutionWindow::followCheck() {
  if (runReplayable_ && (!state_.program.runnable() || state_.program.messages != runMessages_)) {
    // The last run was made by another program: its steps are no longer
    // the steps of the program the trace window shows.
    runReplayable_ = false;
    runMessages_.clear();
    shownStep_ = 0;
    selections_.clear();
    state_.machine.replaying = false;
    clearMarks();
  }
  updateReplayControls();
}

bool ExecutionWindow::canReplay() const {
  return runReplayable_ && state_.machine.recordedSteps > 0;
}

void ExecutionWindow::showStep(int slot) {
  shownStep_ = slot + 1;
  showPanel();
  markChanges(slot);
  // The memory of the step from its first line.
  listFollowsEnd_ = false;
  outputList_->scrollToTop();
  updateReplayControls();
}

void ExecutionWindow::markChanges(int slot) {
  clearMarks();
  const StepChanges changes = changesOfStep(state_.machine, slot, runStartMemory_);
  for (const char* name : changes.valueNames) {
    QLabel* label = valueLabels_.at(QString::fromLatin1(name));
    label->setProperty(changedProperty, true);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAutoFillBackground(true);  // its window colour is the mark's
  }
  for (const int address : changes.addresses) {
    QListWidgetItem* item = outputList_->item(memoryListItemOf(address));
    if (item == nullptr) continue;
    const int entries = item->data(ChangedCellsDelegate::changedEntriesRole).toInt();
    item->setData(ChangedCellsDelegate::changedEntriesRole,
                  entries | (1 << memoryListEntryOf(address)));
  }
}

void ExecutionWindow::clearMarks() {
  for (const auto& [name, label] : valueLabels_) {
    if (!label->property(changedProperty).toBool()) continue;
    label->setProperty(changedProperty, false);
    QFont font = label->font();
    font.setBold(false);
    label->setFont(font);
    label->setAutoFillBackground(false);
  }
  for (int i = 0; i < outputList_->count(); ++i) {
    QListWidgetItem* item = outputList_->item(i);
    if (item->data(ChangedCellsDelegate::changedEntriesRole).isValid()) {
      item->setData(ChangedCellsDelegate::changedEntriesRole, QVariant());
    }
  }
}

void ExecutionWindow::updateReplayControls() {
  const bool replay = canReplay();
  stepButton_->setEnabled(replay);
  stepBackButton_->setEnabled(replay && shownStep_ > 1);
  const int steps = replay ? state_.machine.recordedSteps : 0;
  stepCounter_->setText(
      shownMessage(Message::ReplayStep, {std::to_string(shownStep_), std::to_string(steps)}));
}

void ExecutionWindow::showRunEnd() {
  const Machine& machine = state_.machine;
  std::string line;
  switch (machine.runEnd) {
    case Machine::RunEnd::Return:
      line = formatMessage(Message::RunEndedAtReturn);
      break;
    case Machine::RunEnd::PassLimit:
      line = formatMessage(Message::RunEndedAtPassLimit, {std::to_string(machine.passLimit)});
      break;
    case Machine::RunEnd::AddressError:
      line = formatMessage(Message::RunEndedAtAddressError);
      break;
    case Machine::RunEnd::BlankWord:
      line = formatMessage(Message::RunEndedAtBlankWord, {Word::of(machine.pr).text()});
      break;
    case Machine::RunEnd::None:
      break;
  }
  runEndStatus_->setText(fromStd(line));
}

bool ExecutionWindow::hasSomethingToPrint() {
  if (hasRun_) return true;
  dialogs_.message(this, Dialogs::Icon::Information, windowTitle(),
                   shownMessage(Message::NothingToPrint));
  return false;
}

void ExecutionWindow::printRunResult() {
  if (!hasSomethingToPrint()) return;
  printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
    casl2wb::printRunResult(printer, state_.program.source, state_.machine);
  });
}

void ExecutionWindow::printCpuTrace() {
  if (!hasSomethingToPrint()) return;
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
