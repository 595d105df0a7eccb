// casl2wb-cli: the text front end of the workbench.
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/check_command.h"
#include "cli/checked_output.h"
#include "cli/command.h"
#include "cli/print_command.h"
#include "cli/replay_command.h"
#include "cli/run_command.h"
#include "cli/usage.h"

namespace {

using namespace casl2wb::cli;

const std::array commands = {
    Command{"check",
            {"FILE..."},
            "check a CASL II program and print its listing and messages",
            runCheckCommand},
    Command{"trace",
            {"FILE"},
            "check and translate a program and print its program-trace text",
            runTraceCommand},
    Command{"run",
            {"FILE...", "[--input INFILE]", "[--runs N]"},
            "check, translate and run a program; print the execution list and the CPU panel",
            runRunCommand},
    Command{"replay",
            {"FILE", "[--input INFILE]", "[--presses N]"},
            "run a program once, then press \">>\" N times (default: once through the run) and "
            "print the panel, the trace selection and the list after each press",
            runReplayCommand},
    Command{"print",
            {"KIND", "FILE", "[--input INFILE]", "[--pdf OUT.pdf]"},
            "print a listing as text or into a PDF file; KIND list, program, run or cpu",
            runPrintCommand},
};

const Command* findCommand(std::string_view name) {
  for (const Command& command : commands) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

int run(const std::vector<std::string>& arguments, std::ostream& out) {
  if (arguments.empty()) return usageError(std::cerr, "no command given");
  const std::string& first = arguments[0];
  if (first == "--help" || first == "--version") {
    if (arguments.size() > 1) return usageError(std::cerr, first + " takes no further arguments");
    if (first == "--help") {
      out << helpText(commands);
    } else {
      out << programName << ' ' << CASL2WB_VERSION << '\n';
    }
    return exitSuccess;
  }
  const Command* command = findCommand(first);
  if (command == nullptr) {
    return usageError(std::cerr,
                      (first.starts_with("--") ? "unknown option " : "unknown command ") + first);
  }
  return command->run(std::vector<std::string>(arguments.begin() + 1, arguments.end()), out,
                      std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  CheckedOutputBuffer outBuffer(STDOUT_FILENO);
  std::ostream out(&outBuffer);
  const int status = run(std::vector<std::string>(argv + 1, argv + argc), out);
  out.flush();
  // A reader that quit early (EPIPE) is no failure of ours.
  if (outBuffer.error() != 0 && outBuffer.error() != EPIPE) {
    std::cerr << programName << ": standard output: " << std::strerror(outBuffer.error()) << '\n';
    return exitFailure;
  }
  return status;
}
