#include "cli/run_summary.h"

#include "cli/report_text.h"
#include "cli/test_file.h"
#include "comet2/word.h"

namespace casl2wb::cli {

std::string RunSummary::text() const {
  std::string text = end;
  if (!detail.empty()) text += ' ' + detail;
  return text + " after " + std::to_string(steps) + (steps == 1 ? " step" : " steps");
}

void printRunStatus(const std::string& path, const RunSummary& summary, std::ostream& err) {
  err << shownFileName(path) << ": ended: " << summary.text() << '\n';
}

RunSummary summaryOf(const Machine& machine) {
  const RunOutcome& outcome = machine.outcome();
  RunSummary summary{runEndName(outcome.end), "",
                     static_cast<std::int64_t>(machine.record().recordCount())};
  switch (outcome.end) {
    case RunEnd::PassLimit:
      summary.detail = std::to_string(outcome.passLimit);
      break;
    case RunEnd::AddressError:
    case RunEnd::BlankWord:
      summary.detail = "at " + Word::of(machine.cpu().pr).text();
      break;
    case RunEnd::Return:
    case RunEnd::None:
      break;
  }
  return summary;
}

RunSummary summaryOf(const standard::RunEnd& end) {
  RunSummary summary{standardEndName(end.end), "", end.steps};
  const std::string at = "at " + hexText(end.pr);
  switch (end.end) {
    case standard::End::StepLimit:
      summary.detail = std::to_string(end.steps);
      break;
    case standard::End::BadInstruction:
      summary.detail = hexText(end.detail) + ' ' + at;
      break;
    case standard::End::BadSupervisorCall:
      summary.detail = std::to_string(end.detail) + ' ' + at;
      break;
    case standard::End::StackOverflow:
    case standard::End::StackUnderflow:
    case standard::End::AddressError:
      summary.detail = at;
      break;
    case standard::End::Return:
    case standard::End::None:
      break;
  }
  return summary;
}

}  // namespace casl2wb::cli
