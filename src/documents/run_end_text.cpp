#include "documents/run_end_text.h"

#include "base/messages.h"

namespace casl2wb {

std::string runEndText(const Machine& machine) {
  const RunOutcome& outcome = machine.outcome();
  switch (outcome.end) {
    case RunEnd::Return:
      return formatMessage(Message::RunEndedAtReturn);
    case RunEnd::PassLimit:
      return formatMessage(Message::RunEndedAtPassLimit, {std::to_string(outcome.passLimit)});
    case RunEnd::AddressError:
      return formatMessage(Message::RunEndedAtAddressError);
    case RunEnd::BlankWord:
      return formatMessage(Message::RunEndedAtBlankWord, {Word::of(machine.cpu().pr).text()});
    case RunEnd::None:
      break;
  }
  return {};
}

}  // namespace casl2wb
