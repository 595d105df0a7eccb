#include "views/execution_window.h"

#include <QAction>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "assembler/listing_text.h"
#include "assembler/program_places.h"
#include "base/messages.h"
#include "documents/cpu_panel_texts.h"
#include "documents/label_notes.h"
#include "documents/listings.h"
#include "documents/run_dumps.h"
#include "documents/run_end_text.h"
#include "documents/run_listing.h"
#include "documents/standard_texts.h"
#include "documents/step_changes.h"
#include "qtprint/font_choice.h"
#include "qtprint/qt_printer.h"
#include "simulator/execution_loop.h"
#include "simulator/replay.h"
#include "views/changed_cells_delegate.h"
#include "views/execution_texts.h"
#include "views/object_names.h"
#include "views/print_job.h"
#include "views/run_dialogs_adapter.h"
#include "views/text_conversion.h"
#include "views/trace_window.h"

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

ExecutionWindow::ExecutionWindow(WorkbenchState& state, Dialogs& dialogs, TraceWindow& trace,
                                 QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs), trace_(trace), replay_(state.machine) {
  setObjectName(QString::fromLatin1(names::executionWindow));
  setWindowTitle(text(texts::executionWindowCaption));

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* top = new QHBoxLayout;
  top->addWidget(namedLabel(names::stepHeading, text(texts::stepHeading), central));
  top->addWidget(namedLabel(names::elapsedHeading, text(texts::elapsedHeading), central));
  stepCounter_ = namedLabel(names::stepCounter, QString(), central);
  top->addWidget(stepCounter_);
  top->addSpacing(16);
  auto* stepBoxLabel = namedLabel(names::stepBoxLabel, text(texts::goToStepLabel), central);
  top->addWidget(stepBoxLabel);
  stepBox_ = new QSpinBox(central);
  stepBox_->setObjectName(QString::fromLatin1(names::stepBox));
  stepBox_->setKeyboardTracking(false);
  stepBoxLabel->setBuddy(stepBox_);
  top->addWidget(stepBox_);
  connect(stepBox_, &QSpinBox::valueChanged, this, [this](int step) {
    if (step != shownStep_) goToStep(step);
  });
  top->addStretch();
  layout->addLayout(top);
  layout->addWidget(makePanel());
  layout->addWidget(makeLists(), 1);
  setCentralWidget(central);
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
  makeKeys();

  updateReplayControls();
  resize(860, 680);
  placeAtRightEdge();
}

// The list of the runs above the pane of the program's own output.
QWidget* ExecutionWindow::makeLists() {
  auto* splitter = new QSplitter(Qt::Vertical, this);
  auto makeList = [this](const char* name, LinesModel& model) {
    auto* list = new QListView(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(fixedPitchFont(9));
    list->setUniformItemSizes(true);
    list->setModel(&model);
    list->setItemDelegate(new ChangedCellsDelegate(list));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
  };
  auto* runPane = new QWidget(splitter);
  auto* runLayout = new QVBoxLayout(runPane);
  runLayout->setContentsMargins(0, 0, 0, 0);
  runLayout->addWidget(namedLabel(names::outputHeading, text(texts::outputHeading), runPane));
  outputList_ = makeList(names::outputList, listModel_);
  runLayout->addWidget(outputList_, 1);
  // A standard program's memory is too large for the list: it shows the
  // rows from the address asked for.
  addressRow_ = new QWidget(runPane);
  auto* addressLayout = new QHBoxLayout(addressRow_);
  addressLayout->setContentsMargins(0, 0, 0, 0);
  auto* addressLabel =
      namedLabel(names::addressBoxLabel, text(texts::addressBoxLabel), addressRow_);
  auto* addressBox = new QLineEdit(addressRow_);
  addressBox->setObjectName(QString::fromLatin1(names::addressBox));
  addressBox->setMaxLength(5);
  addressLabel->setBuddy(addressBox);
  connect(addressBox, &QLineEdit::returnPressed, this,
          [this, addressBox] { showMemoryAt(addressBox->text()); });
  addressLayout->addWidget(addressLabel);
  addressLayout->addWidget(addressBox);
  addressLayout->addStretch();
  runLayout->addWidget(addressRow_);
  addressRow_->setVisible(showsStandard());
  auto* outputPane = new QWidget(splitter);
  auto* outputLayout = new QVBoxLayout(outputPane);
  outputLayout->setContentsMargins(0, 0, 0, 0);
  outputLayout->addWidget(
      namedLabel(names::programOutputHeading, text(texts::programOutputHeading), outputPane));
  programOutputList_ = makeList(names::programOutputList, programOutputModel_);
  outputLayout->addWidget(programOutputList_, 1);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);

  // After a run the list follows its end, also when a later layout (a
  // scroll bar that appears, a resized window) changes its range, until
  // the user scrolls or a replay step shows the memory from the top.
  QScrollBar* bar = outputList_->verticalScrollBar();
  connect(bar, &QScrollBar::rangeChanged, this, [this](int, int maximum) {
    if (listFollowsEnd_) outputList_->verticalScrollBar()->setValue(maximum);
  });
  connect(bar, &QScrollBar::actionTriggered, this, [this] { listFollowsEnd_ = false; });
  return splitter;
}

// The replay's keys, for the whole window.
void ExecutionWindow::makeKeys() {
  struct Key {
    const char* name;
    const char* key;
    const char* otherKey;  // or nullptr
    void (ExecutionWindow::*command)();
  };
  const Key keys[] = {
      {names::stepForwardAction, texts::stepForwardArrowKey, texts::stepForwardKey,
       &ExecutionWindow::stepForward},
      {names::stepBackAction, texts::stepBackArrowKey, texts::stepBackKey,
       &ExecutionWindow::stepBack},
      {names::firstStepAction, texts::firstStepKey, nullptr, &ExecutionWindow::goToFirstStep},
      {names::lastStepAction, texts::lastStepKey, nullptr, &ExecutionWindow::goToLastStep},
  };
  for (const Key& key : keys) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(key.name));
    QList<QKeySequence> shortcuts = {QKeySequence(QString::fromLatin1(key.key))};
    if (key.otherKey != nullptr) shortcuts.append(QKeySequence(QString::fromLatin1(key.otherKey)));
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, key.command);
  }
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
  // The way from breakpoint to breakpoint, under them.
  auto* breaks = new QHBoxLayout;
  previousBreakButton_ = new QPushButton(text(texts::previousBreakButton), frame);
  previousBreakButton_->setObjectName(QString::fromLatin1(names::previousBreakButton));
  breaks->addWidget(previousBreakButton_);
  connect(previousBreakButton_, &QPushButton::clicked, this, &ExecutionWindow::goToPreviousBreak);
  nextBreakButton_ = new QPushButton(text(texts::nextBreakButton), frame);
  nextBreakButton_->setObjectName(QString::fromLatin1(names::nextBreakButton));
  breaks->addWidget(nextBreakButton_);
  connect(nextBreakButton_, &QPushButton::clicked, this, &ExecutionWindow::goToNextBreak);
  grid->addLayout(breaks, 1, 2);
  grid->setColumnStretch(5, 1);
  return frame;
}

void ExecutionWindow::run() {
  if (showsStandard()) {
    runStandard();
    return;
  }
  const AssembledProgram& program = state_.program;
  if (refusesRun(program.runnable(), program.errorCount > 0)) return;
  hasRun_ = true;
  runDialect_ = Dialect::Workbench;
  runStartMemory_ = currentMemoryRow(state_.machine);
  ++runCount_;
  programOutputModel_.add(formatMessage(Message::RunHeading, {std::to_string(runCount_)}));
  programOutputModel_.publish();
  RunDialogsAdapter runDialogs(dialogs_, *this);
  // The lines so far are shown before a box asks or tells something: before
  // the first box of the run, and then at most ten times a second, so that
  // boxes answered at once do not redraw the lists each time.
  QElapsedTimer sincePublished;
  runDialogs.beforeDialog = [this, &sincePublished] {
    if (sincePublished.isValid() && sincePublished.elapsed() < 100) return;
    listModel_.publish();
    programOutputModel_.publish();
    sincePublished.start();
  };
  runDialogs.onOutput = [this](const std::string& line) { programOutputModel_.add(line); };
  RunListing listing(listModel_);
  Simulator(state_.machine, listing, runDialogs).run();
  state_.panel = panelOf(state_.machine.cpu());
  listModel_.publish();
  programOutputModel_.publish();
  showPanel();
  // The run's own lines and dumps are at the end of the lists.
  listFollowsEnd_ = true;
  outputList_->scrollToBottom();
  programOutputList_->scrollToBottom();

  // A replay under way goes on with the second step of the new run's
  // history; otherwise the next ">>" starts at its first step.
  runReplayable_ = true;
  runMessages_ = listingTexts(program.listing);
  runWordOrigins_ = program.wordOrigins;
  runLabels_ = labelsByAddress(program.source);
  shownStep_ = 0;
  clearMarks();
  markLabels();
  updateReplayControls();
  showRunEnd();
  emit stepLineShown(0);
}

bool ExecutionWindow::refusesRun(bool runnable, bool checkFoundErrors) {
  if (!runnable) {
    // The machine holds the image of a program that was not translated
    // whole (or nothing at all): there is nothing sound to run.
    dialogs_.message(
        this, Dialogs::Icon::Warning, windowTitle(),
        shownMessage(checkFoundErrors ? Message::RunAfterErrors : Message::RunWithoutProgram));
    return true;
  }
  // A text edited since its check would run as the older program.
  if (state_.sourceChangedSinceCheck) {
    dialogs_.message(this, Dialogs::Icon::Warning, windowTitle(),
                     shownMessage(Message::ProgramChangedSinceCheck));
    return true;
  }
  return false;
}

void ExecutionWindow::stepForward() {
  if (!canReplay()) return;
  if (runDialect_ == Dialect::Standard) {
    if (shownStep_ < recordedSteps()) showSlot(shownStep_);
    return;
  }
  if (const auto step = replay_.forward(trace_.text(), trace_.selection())) showReplayStep(*step);
}

void ExecutionWindow::stepBack() {
  if (!canReplay() || shownStep_ <= 1) return;
  showSlot(shownStep_ - 2);
}

void ExecutionWindow::goToStep(int step) {
  if (!canReplay()) return;
  showSlot(std::clamp(step, 1, recordedSteps()) - 1);
}

void ExecutionWindow::goToFirstStep() { goToStep(1); }

void ExecutionWindow::goToLastStep() { goToStep(recordedSteps()); }

int ExecutionWindow::recordedSteps() const {
  if (runDialect_ == Dialect::Standard) {
    return static_cast<int>(state_.standard.record.steps.size());
  }
  return state_.machine.record().recordedSteps();
}

void ExecutionWindow::showSlot(int slot) {
  if (runDialect_ == Dialect::Standard) {
    showStandardSlot(slot);
    return;
  }
  showReplayStep(replay_.show(slot, trace_.text(), trace_.selection()));
}

void ExecutionWindow::showReplayStep(const ReplayStep& step) {
  state_.panel = step.panel;
  trace_.select(step.traceSelection);
  trace_.focus();
  showStepMemory(state_.machine, step.slot + 1, listModel_);
  listModel_.publish();
  showStep(step.slot);
}

void ExecutionWindow::setBreakpointLines(std::function<std::vector<int>()> lines) {
  breakpointLines_ = std::move(lines);
}

int ExecutionWindow::lineOfSlot(int slot) const {
  if (runDialect_ == Dialect::Standard) return standardLineOfSlot(slot);
  return lineAtAddress(runWordOrigins_, state_.machine.record().slot(slot).pr);
}

void ExecutionWindow::goToNextBreak() { goToBreak(true); }

void ExecutionWindow::goToPreviousBreak() { goToBreak(false); }

void ExecutionWindow::goToBreak(bool forward) {
  if (!canReplay()) return;
  const std::vector<int> lines = breakpointLines_ ? breakpointLines_() : std::vector<int>();
  if (lines.empty()) {
    statusBar()->showMessage(shownMessage(Message::NoBreakpoints), 5000);
    return;
  }
  if (const auto slot = slotAtBreakpoint(shownStep_ - 1, forward, recordedSteps(), lines,
                                         [this](int s) { return lineOfSlot(s); })) {
    showSlot(*slot);
    return;
  }
  statusBar()->showMessage(shownMessage(forward ? Message::NoBreakAfter : Message::NoBreakBefore),
                           5000);
}

void ExecutionWindow::followCheck() {
  const bool sameProgram =
      runDialect_ == state_.dialect &&
      (runDialect_ == Dialect::Standard
           ? state_.standard.program.runnable() &&
                 standard::listingTexts(state_.standard.program) == runMessages_
           : state_.program.runnable() && listingTexts(state_.program.listing) == runMessages_);
  if (runReplayable_ && !sameProgram) {
    // The last run was made by another program: its steps are no longer
    // the steps of the program the trace window shows.
    runReplayable_ = false;
    runMessages_.clear();
    shownStep_ = 0;
    replay_.reset();
    clearMarks();
    emit stepLineShown(0);
  }
  addressRow_->setVisible(showsStandard());
  updateReplayControls();
}

bool ExecutionWindow::canReplay() const { return runReplayable_ && recordedSteps() > 0; }

void ExecutionWindow::showStep(int slot) {
  shownStep_ = slot + 1;
  showPanel();
  markChanges(slot);
  markLabels();
  emit stepLineShown(lineOfSlot(slot));
  // The memory of the step from its first line.
  listFollowsEnd_ = false;
  outputList_->scrollToTop();
  updateReplayControls();
}

void ExecutionWindow::markChanges(int slot) {
  clearMarks();
  const StepChanges changes = changesOfStep(state_.machine, slot, runStartMemory_);
  std::vector<const char*> changedNames;
  for (const int n : changes.registers) changedNames.push_back(object_names::grValues[n]);
  if (changes.flags) changedNames.push_back(object_names::flagsValue);
  if (changes.stackPointer) changedNames.push_back(object_names::stackPointerValue);
  for (const char* name : changedNames) {
    QLabel* label = valueLabels_.at(QString::fromLatin1(name));
    label->setProperty(changedProperty, true);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAutoFillBackground(true);  // its window colour is the mark's
  }
  std::map<int, int> entries;
  for (const int address : changes.addresses) {
    entries[memoryListItemOf(address)] |= 1 << memoryListEntryOf(address);
  }
  for (const auto& [row, marked] : entries) listModel_.setChangedEntries(row, marked);
}

// The memory rows of the list (the replay's memory, or the dump at the end
// of the run) note the labels of their cells after their text.
void ExecutionWindow::markLabels() {
  const int rows = listModel_.rowCount();
  const std::string heading = memoryDumpHeading();
  int first = -1;
  for (int row = rows - 1; row >= 0; --row) {
    if (listModel_.lines().line(static_cast<std::size_t>(row)) == heading) {
      first = row + 1;
      break;
    }
  }
  if (first < 0) return;
  for (const auto& [row, note] :
       labelNotes(runLabels_, first, rows, state_.machine.cpu().highestAddress())) {
    listModel_.setNote(row, fromStd(note));
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
  listModel_.clearChangedEntries();
}

void ExecutionWindow::updateReplayControls() {
  const bool replay = canReplay();
  stepButton_->setEnabled(replay);
  stepBackButton_->setEnabled(replay && shownStep_ > 1);
  nextBreakButton_->setEnabled(replay);
  previousBreakButton_->setEnabled(replay);
  const int steps = replay ? recordedSteps() : 0;
  const QSignalBlocker quiet(stepBox_);
  stepBox_->setEnabled(replay);
  stepBox_->setRange(0, steps);
  stepBox_->setValue(shownStep_);
  stepCounter_->setText(
      shownMessage(Message::ReplayStep, {std::to_string(shownStep_), std::to_string(steps)}));
}

void ExecutionWindow::showRunEnd() {
  if (runDialect_ == Dialect::Standard) {
    runEndStatus_->setText(fromStd(standardRunEndText()));
    return;
  }
  runEndStatus_->setText(fromStd(runEndText(state_.machine)));
}

bool ExecutionWindow::hasSomethingToPrint() {
  if (hasRun_) return true;
  dialogs_.message(this, Dialogs::Icon::Information, windowTitle(),
                   shownMessage(Message::NothingToPrint));
  return false;
}

void ExecutionWindow::printRunResult() {
  if (!hasSomethingToPrint()) return;
  if (runDialect_ == Dialect::Standard) {
    printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
      const standard::Session& session = state_.standard;
      standard::printLines(printer, standard::runDocumentLines(session.program, session.outputLines,
                                                               session.end, session.cpu));
    });
    return;
  }
  printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
    casl2wb::printRunResult(printer, state_.program.source, state_.machine);
  });
}

void ExecutionWindow::printCpuTrace() {
  if (!hasSomethingToPrint()) return;
  if (runDialect_ == Dialect::Standard) {
    printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
      const standard::Session& session = state_.standard;
      standard::printLines(printer,
                           standard::cpuTraceLines(session.program, session.record, session.end));
    });
    return;
  }
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
  const CpuPanelTexts panel = cpuPanelTexts(state_.panel);
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
