// The execution window with a standard program: its run with IN answered in
// the input box, the list of its lines and memory rows from an address, and
// the replay of its recorded steps.
#include <QLineEdit>
#include <QWidget>

#include "base/messages.h"
#include "documents/standard_texts.h"
#include "views/execution_window.h"
#include "views/text_conversion.h"
#include "views/trace_window.h"

namespace casl2wb {

namespace {

// IN asks in the input box (cancelled: the end of input); OUT's lines go to
// the window's lists.
class WindowTerminal : public standard::Terminal {
 public:
  WindowTerminal(Dialogs& dialogs, QWidget& window, LinesModel& list, LinesModel& output)
      : dialogs_(dialogs), window_(window), list_(list), output_(output) {}

  std::optional<std::string> readLine() override {
    list_.publish();
    output_.publish();
    const std::optional<QString> answer =
        dialogs_.inputBox(&window_, shownMessage(Message::StdInputPrompt),
                          shownMessage(Message::InputTitle), QString());
    if (!answer) return std::nullopt;
    return toStd(*answer);
  }
  void writeLine(const std::string& utf8) override {
    list_.add(utf8);
    output_.add(utf8);
  }

 private:
  Dialogs& dialogs_;
  QWidget& window_;
  LinesModel& list_;
  LinesModel& output_;
};

}  // namespace

void ExecutionWindow::runStandard() {
  standard::Session& session = state_.standard;
  if (refusesRun(session.program.runnable(), !session.program.diagnostics.empty())) return;
  hasRun_ = true;
  runDialect_ = Dialect::Standard;
  ++runCount_;
  programOutputModel_.add(formatMessage(Message::RunHeading, {std::to_string(runCount_)}));
  listModel_.clear();
  WindowTerminal terminal(dialogs_, *this, listModel_, programOutputModel_);
  session.run(terminal, standard::defaultStepLimit);
  state_.panel = standard::panelOf(session.cpu);
  showStandardList(session.cpu.memory, 0, false);
  programOutputModel_.publish();
  showPanel();
  programOutputList_->scrollToBottom();

  runReplayable_ = true;
  runMessages_ = standard::listingTexts(session.program);
  shownStep_ = 0;
  clearMarks();
  updateReplayControls();
  showRunEnd();
  emit stepLineShown(0);
}

void ExecutionWindow::showStandardList(const std::vector<std::uint16_t>& memory, std::int64_t from,
                                       bool memoryInView) {
  const standard::Session& session = state_.standard;
  listModel_.clear();
  for (const std::string& line : standard::memoryListLines(session, memory, from)) {
    listModel_.add(line);
  }
  listModel_.publish();
  // After a run the last lines it wrote and how it ended are in view; after
  // a step or an address the memory rows are.
  listFollowsEnd_ = false;
  const auto endLine = static_cast<int>(session.outputLines.size());
  if (!memoryInView) {
    outputList_->scrollTo(listModel_.index(endLine), QAbstractItemView::PositionAtBottom);
  } else {
    outputList_->scrollTo(listModel_.index(endLine + 1), QAbstractItemView::PositionAtTop);
  }
}

std::vector<std::uint16_t> ExecutionWindow::standardShownMemory() const {
  const standard::Session& session = state_.standard;
  if (shownStep_ > 0) return session.memoryAfter(static_cast<std::size_t>(shownStep_));
  if (session.hasRun) return session.cpu.memory;
  return standard::loadedCpu(session.program).memory;
}

void ExecutionWindow::showMemoryAt(const QString& addressText) {
  QString digits = addressText.trimmed();
  if (digits.startsWith(QLatin1Char('#'))) digits.remove(0, 1);
  bool ok = false;
  const uint address = digits.toUInt(&ok, 16);
  if (!ok || address >= standard::memoryWords || !state_.standard.hasRun) return;
  showStandardList(standardShownMemory(), address, true);
}

void ExecutionWindow::showStandardSlot(int slot) {
  const standard::Session& session = state_.standard;
  const auto steps = static_cast<std::size_t>(slot) + 1;
  const std::vector<std::uint16_t> memory = session.memoryAfter(steps);
  const standard::Step& step = session.record.steps[static_cast<std::size_t>(slot)];
  state_.panel = standard::panelOf(step, memory);
  shownStep_ = slot + 1;
  // The trace window shows the translation: its line of the instruction.
  trace_.select(standard::traceSelection(trace_.text(), step.pr));
  trace_.focus();
  // The memory from the row of the word the step wrote last, or the program.
  showStandardList(memory, session.lastWriteOf(steps - 1), true);
  showPanel();
  emit stepLineShown(standardLineOfSlot(slot));
  updateReplayControls();
}

int ExecutionWindow::standardLineOfSlot(int slot) const {
  return state_.standard.firstFileLineOf(static_cast<std::size_t>(slot));
}

std::string ExecutionWindow::standardRunEndText() const {
  return standard::runEndText(state_.standard.end);
}

}  // namespace casl2wb
