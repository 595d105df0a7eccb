#include "web/browser_workbench.h"

#include <algorithm>

#include "assembler/listing_text.h"
#include "assembler/program_places.h"
#include "assembler/standard_assembler.h"
#include "assembler/work_file.h"
#include "base/messages.h"
#include "base/source_file.h"
#include "documents/cpu_panel_texts.h"
#include "documents/label_notes.h"
#include "documents/listings.h"
#include "documents/message_lines.h"
#include "documents/run_dumps.h"
#include "documents/run_end_text.h"
#include "documents/run_listing.h"
#include "documents/standard_texts.h"
#include "documents/step_changes.h"
#include "simulator/execution_loop.h"
#include "web/answered_input.h"
#include "web/page_printer.h"

namespace casl2wb::web {

namespace {

// The work file of a check lives in the page's own memory file system.
constexpr const char* workFolder = "/tmp";

class NoProgress : public WorkFileProgressSink {
 public:
  void report(WorkFileProgress) override {}
};

Json panelJson(const CpuPanel& panel) {
  const CpuPanelTexts texts = cpuPanelTexts(panel);
  return {{"mnemonic", texts.mnemonic},
          {"pr", texts.programRegister},
          {"sp", texts.stackPointer},
          {"fr", texts.flags},
          {"gr", Json(texts.registers)}};
}

Json refusal(Message message) { return {{"refused", formatMessage(message)}}; }

}  // namespace

Json BrowserWorkbench::check(const std::string& editorText, Dialect dialect,
                             const std::string& fileName) {
  NoProgress progress;
  const WorkFileResult read = passThroughWorkFile(editorText, workFolder, progress);
  if (read.textTooLarge) {
    return {{"message",
             formatMessage(Message::TextTooLargeToCheck, {std::to_string(maxSourceFileBytes)})}};
  }
  if (!read.ok) {
    return {{"message", formatMessage(Message::WorkFileFailed, {read.workFile, read.error})}};
  }
  dialect_ = dialect;
  Json listing = Json::array();
  Json errors = Json::array();
  int linesRead = 0;
  bool runnable = false;
  std::vector<std::string> messages;
  if (dialect == Dialect::Standard) {
    standard_ = standard::Session();
    standard_.program = standard::assemble({{fileName, read.lines}});
    const standard::Program& program = standard_.program;
    for (const standard::ListingEntry& entry : standard::listingEntries(program)) {
      listing.push_back({{"text", entry.text}, {"line", entry.place.line}});
    }
    // An error of no line belongs to the last line, as the workbench's do.
    linesRead = static_cast<int>(read.lines.size());
    for (const auto& [line, texts] : standard::errorsByLine(program, linesRead)) {
      errors.push_back({{"line", line}, {"messages", texts}});
    }
    runnable = program.runnable();
    if (runnable) traceText_ = fromUtf8(standard::codeListingText(program));
    messages = standard::listingTexts(program);
  } else {
    program_ = assembler_.assemble(read.lines, machine_.cpu().memory);
    machine_.load(program_);
    const std::vector<int> lines = messageListLines(program_);
    for (std::size_t i = 0; i < program_.listing.size(); ++i) {
      listing.push_back({{"text", listingText(program_.listing[i])}, {"line", lines[i]}});
    }
    for (const auto& [line, texts] : messagesByLine(program_)) {
      errors.push_back({{"line", line}, {"messages", texts}});
    }
    linesRead = program_.linesRead;
    runnable = program_.runnable();
    // A check that finds errors translates nothing and leaves the trace text.
    if (program_.traceText) traceText_ = fromUtf8(*program_.traceText);
    messages = listingTexts(program_.listing);
  }
  traceSelection_ = {};
  // The last run was made by another program: its steps are no longer the
  // steps of the program the trace shows.
  if (runReplayable_ && (runDialect_ != dialect_ || !runnable || messages != runMessages_)) {
    runReplayable_ = false;
    runMessages_.clear();
    shownStep_ = 0;
    replay_.reset();
  }
  return {{"listing", listing},          {"errors", errors},     {"linesRead", linesRead},
          {"trace", toUtf8(traceText_)}, {"runnable", runnable}, {"state", windowState()}};
}

Json BrowserWorkbench::run(const Json& answers, bool changedSinceCheck) {
  const bool standard = dialect_ == Dialect::Standard;
  const bool runnable = standard ? standard_.program.runnable() : program_.runnable();
  if (!runnable) {
    const bool errors = standard ? !standard_.program.diagnostics.empty() : program_.errorCount > 0;
    return refusal(errors ? Message::RunAfterErrors : Message::RunWithoutProgram);
  }
  // A text edited since its check would run as the older program.
  if (changedSinceCheck) return refusal(Message::ProgramChangedSinceCheck);
  return standard ? runStandard(answers) : runWorkbench(answers);
}

Json BrowserWorkbench::runWorkbench(const Json& answers) {
  // The run is made on copies: a run that asks for an answer the page has
  // not got yet leaves everything as it was, and is made again with it.
  Machine machine = machine_;
  VectorMessageList list = list_;
  std::vector<std::string> output = outputLines_;
  output.push_back(formatMessage(Message::RunHeading, {std::to_string(runCount_ + 1)}));
  AnsweredDialogs dialogs(answers, output);
  RunListing listing(list);
  try {
    Simulator(machine, listing, dialogs).run();
  } catch (const QuestionAsked& asked) {
    return {{"needsInput", asked.question}};
  }

  runStartMemory_ = currentMemoryRow(machine_);
  machine_ = std::move(machine);
  list_ = std::move(list);
  outputLines_ = std::move(output);
  notices_ = dialogs.notices();
  ++runCount_;
  panel_ = panelOf(machine_.cpu());
  hasRun_ = true;
  runDialect_ = Dialect::Workbench;
  // A replay under way goes on with the second step of the new run's
  // history; otherwise the next ">>" starts at its first step.
  runReplayable_ = true;
  runMessages_ = listingTexts(program_.listing);
  runLabels_ = labelsByAddress(program_.source);
  shownStep_ = 0;
  return windowState();
}

Json BrowserWorkbench::runStandard(const Json& answers) {
  standard::Session session;
  session.program = standard_.program;
  std::vector<std::string> output = outputLines_;
  output.push_back(formatMessage(Message::RunHeading, {std::to_string(runCount_ + 1)}));
  AnsweredTerminal terminal(answers, output);
  try {
    session.run(terminal, standard::defaultStepLimit);
  } catch (const QuestionAsked& asked) {
    return {{"needsInput", asked.question}};
  }

  standard_ = std::move(session);
  outputLines_ = std::move(output);
  notices_.clear();
  ++runCount_;
  panel_ = standard::panelOf(standard_.cpu);
  hasRun_ = true;
  runDialect_ = Dialect::Standard;
  runReplayable_ = true;
  runMessages_ = standard::listingTexts(standard_.program);
  shownStep_ = 0;
  showStandardList(standard_.cpu.memory, 0);
  return windowState();
}

void BrowserWorkbench::showStandardList(const std::vector<std::uint16_t>& memory,
                                        std::int64_t from) {
  list_.items = standard::memoryListLines(standard_, memory, from);
}

int BrowserWorkbench::recordedSteps() const {
  if (runDialect_ == Dialect::Standard) return static_cast<int>(standard_.record.steps.size());
  return machine_.record().recordedSteps();
}

int BrowserWorkbench::lineOfSlot(int slot) const {
  if (runDialect_ == Dialect::Standard) {
    return standard_.firstFileLineOf(static_cast<std::size_t>(slot));
  }
  return lineAtAddress(program_.wordOrigins, machine_.record().slot(slot).pr);
}

Json BrowserWorkbench::stepForward() {
  if (!canReplay()) return windowState();
  if (runDialect_ == Dialect::Standard) {
    return shownStep_ < recordedSteps() ? showSlot(shownStep_) : windowState();
  }
  const auto step = replay_.forward(traceText_, traceSelection_);
  if (!step) return windowState();
  panel_ = step->panel;
  traceSelection_ = step->traceSelection;
  showStepMemory(machine_, step->slot + 1, list_);
  shownStep_ = step->slot + 1;
  return windowState();
}

Json BrowserWorkbench::stepBack() {
  if (!canReplay() || shownStep_ <= 1) return windowState();
  return showSlot(shownStep_ - 2);
}

Json BrowserWorkbench::goToStep(int step) {
  if (!canReplay()) return windowState();
  return showSlot(std::clamp(step, 1, recordedSteps()) - 1);
}

Json BrowserWorkbench::goToBreak(bool forward, const std::vector<int>& breakpointLines) {
  if (!canReplay()) return windowState();
  if (breakpointLines.empty()) return {{"status", formatMessage(Message::NoBreakpoints)}};
  std::vector<int> lines = breakpointLines;
  std::sort(lines.begin(), lines.end());
  if (const auto slot = slotAtBreakpoint(shownStep_ - 1, forward, recordedSteps(), lines,
                                         [this](int s) { return lineOfSlot(s); })) {
    return showSlot(*slot);
  }
  return {{"status", formatMessage(forward ? Message::NoBreakAfter : Message::NoBreakBefore)}};
}

Json BrowserWorkbench::showSlot(int slot) {
  shownStep_ = slot + 1;
  if (runDialect_ == Dialect::Standard) {
    const auto steps = static_cast<std::size_t>(slot) + 1;
    const std::vector<std::uint16_t> memory = standard_.memoryAfter(steps);
    const standard::Step& step = standard_.record.steps[steps - 1];
    panel_ = standard::panelOf(step, memory);
    traceSelection_ = standard::traceSelection(traceText_, step.pr);
    // The memory from the row of the word the step wrote last, or the program.
    showStandardList(memory, standard_.lastWriteOf(steps - 1));
    return windowState();
  }
  const ReplayStep step = replay_.show(slot, traceText_, traceSelection_);
  panel_ = step.panel;
  traceSelection_ = step.traceSelection;
  showStepMemory(machine_, step.slot + 1, list_);
  return windowState();
}

Json BrowserWorkbench::showMemoryAt(const std::string& addressText) {
  std::string digits = addressText;
  digits.erase(0, digits.find_first_not_of(' '));
  digits.erase(digits.find_last_not_of(' ') + 1);
  if (!digits.empty() && digits.front() == '#') digits.erase(0, 1);
  if (digits.empty() || digits.size() > 8 ||
      digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos ||
      runDialect_ != Dialect::Standard || !standard_.hasRun) {
    return windowState();
  }
  const std::int64_t address = std::stoll(digits, nullptr, 16);
  if (address >= standard::memoryWords) return windowState();
  const std::vector<std::uint16_t> memory =
      shownStep_ > 0 ? standard_.memoryAfter(static_cast<std::size_t>(shownStep_))
                     : standard_.cpu.memory;
  showStandardList(memory, address);
  return windowState();
}

Json BrowserWorkbench::windowState() const {
  Json state = {
      {"listSize", list_.items.size()},
      {"outputSize", outputLines_.size()},
      {"notices", notices_},
      {"runCount", runCount_},
      {"shownStep", shownStep_},
      {"steps", canReplay() ? recordedSteps() : 0},
      {"traceSelection", {{"start", traceSelection_.start}, {"length", traceSelection_.length}}},
      {"standard", runDialect_ == Dialect::Standard}};
  state["panel"] = panel_ ? panelJson(*panel_) : Json(nullptr);
  state["runEnd"] = !hasRun_                           ? std::string()
                    : runDialect_ == Dialect::Standard ? standard::runEndText(standard_.end)
                                                       : runEndText(machine_);
  state["stepCounter"] = formatMessage(
      Message::ReplayStep,
      {std::to_string(shownStep_), std::to_string(canReplay() ? recordedSteps() : 0)});
  state["stepLine"] = shownStep_ > 0 && canReplay() ? lineOfSlot(shownStep_ - 1) : 0;
  // What the step shown changed: marked in the panel and the memory list.
  Json changes = {
      {"registers", Json::array()}, {"flags", false}, {"sp", false}, {"cells", Json::array()}};
  if (shownStep_ > 0 && canReplay() && runDialect_ == Dialect::Workbench) {
    const StepChanges found = changesOfStep(machine_, shownStep_ - 1, runStartMemory_);
    changes["registers"] = found.registers;
    changes["flags"] = found.flags;
    changes["sp"] = found.stackPointer;
    for (const int address : found.addresses) {
      changes["cells"].push_back({memoryListItemOf(address), memoryListEntryOf(address)});
    }
  }
  state["changes"] = changes;
  // The labels after the rows of the last memory dump of the list.
  Json notes = Json::array();
  if (hasRun_ && runDialect_ == Dialect::Workbench) {
    const std::string heading = memoryDumpHeading();
    const auto rows = static_cast<int>(list_.items.size());
    for (int row = rows - 1; row >= 0; --row) {
      if (list_.items[static_cast<std::size_t>(row)] != heading) continue;
      for (const auto& [at, note] :
           labelNotes(runLabels_, row + 1, rows, machine_.cpu().highestAddress())) {
        notes.push_back({at, note});
      }
      break;
    }
  }
  state["labelNotes"] = notes;
  return state;
}

Json BrowserWorkbench::lines(const std::string& which, int from, int count) const {
  const std::vector<std::string>& all = which == "output" ? outputLines_ : list_.items;
  const auto first = static_cast<std::size_t>(std::clamp<std::int64_t>(from, 0, all.size()));
  const auto last = static_cast<std::size_t>(std::clamp<std::int64_t>(
      static_cast<std::int64_t>(first) + std::max(count, 0), 0, all.size()));
  return Json(std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(first),
                                       all.begin() + static_cast<std::ptrdiff_t>(last)));
}

Json BrowserWorkbench::print(const std::string& kind) const {
  const bool runs = kind == "run" || kind == "cpu";
  if (runs && !hasRun_) return refusal(Message::NothingToPrint);
  PagePrinter printer;
  if (runDialect_ == Dialect::Standard && runs) {
    standard::printLines(
        printer, kind == "run"
                     ? standard::runDocumentLines(standard_.program, standard_.outputLines,
                                                  standard_.end, standard_.cpu)
                     : standard::cpuTraceLines(standard_.program, standard_.record, standard_.end));
  } else if (dialect_ == Dialect::Standard && !runs) {
    standard::printLines(printer, kind == "list" ? standard::listingTexts(standard_.program)
                                                 : standard::codeListingTexts(standard_.program));
  } else if (kind == "list") {
    printProgramAndMemory(printer, program_.source, program_.image);
  } else if (kind == "program") {
    printProgramList(printer, program_.source);
  } else if (kind == "run") {
    printRunResult(printer, program_.source, machine_);
  } else if (kind == "cpu") {
    printCpuTrace(printer, program_.source, machine_);
  } else {
    return {{"refused", "unknown document " + kind}};
  }
  return printer.document();
}

}  // namespace casl2wb::web
