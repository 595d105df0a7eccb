// casl2wb-cli: the text front end of the workbench.
#include <array>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/check_command.h"
#include "cli/command.h"
#include "cli/print_command.h"
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

int run(const std::vector<std::string>& arguments) {
  if (arguments.size() == 1 && arguments[0] == "--help") {
    std::cout << helpText(commands);
    return exitSuccess;
  }
  if (arguments.size() == 1 && arguments[0] == "--version") {
    std::cout << programName << ' ' << CASL2WB_VERSION << '\n';
    return exitSuccess;
  }
  const Command* command = arguments.empty() ? nullptr : findCommand(arguments[0]);
  const std::vector<std::string> commandArguments(
      arguments.empty() ? arguments.end() : arguments.begin() + 1, arguments.end());
  const int status =
      command == nullptr ? exitUsage : command->run(commandArguments, std::cout, std::cerr);
  if (status == exitUsage) {
    std::cerr << usageText(commands);
    return exitFailure;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return run(std::vector<std::string>(argv + 1, argv + argc));
}
