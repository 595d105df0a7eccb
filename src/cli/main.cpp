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
#include "cli/command_line.h"
#include "cli/dialect_choice.h"
#include "cli/grade_command.h"
#include "cli/print_command.h"
#include "cli/replay_command.h"
#include "cli/run_command.h"
#include "cli/usage.h"

namespace {

using namespace casl2wb::cli;

constexpr CommandOption inputOption{
    "--input", "INFILE",
    "each IN takes the next line of INFILE (default: standard input); at its end the input box "
    "counts as cancelled"};

const std::array commands = {
    Command{"check",
            {"FILE...", "[--diagnostics]"},
            "check a CASL II program and print its listing and messages",
            {{"--diagnostics", "", "print only the errors as FILE:LINE:COLUMN: エラー: MESSAGE"},
             dialectOption,
             linkOption},
            {},
            runCheckCommand},
    Command{"trace",
            {"FILE"},
            "check and translate a program and print its program-trace text",
            {dialectOption, linkOption},
            {},
            runTraceCommand},
    Command{"run",
            {"FILE...", "[--input INFILE]", "[--runs N]", "[--status]"},
            "check, translate and run a program; print the execution list and the CPU panel",
            {inputOption,
             {"--runs", "N",
              "run N times in a row (1 to 999999, default 1), each run on the memory the one "
              "before left"},
             {"--status", "",
              "after the runs of each FILE write how the last run ended and "
              "after how many steps on standard error"},
             dialectOption,
             linkOption,
             stepsOption},
            {},
            runRunCommand},
    Command{"replay",
            {"FILE", "[--input INFILE]", "[--presses N]"},
            "run a program once, then press \">>\" N times (default: once through the run) and "
            "print the panel, the trace selection and the list after each press",
            {inputOption,
             {"--presses", "N", "press \">>\" N times (default: once per step)"},
             dialectOption,
             linkOption,
             stepsOption},
            {},
            runReplayCommand},
    Command{"print",
            {"KIND", "FILE", "[--input INFILE]", "[--pdf OUT.pdf]"},
            "print a listing as text or into a PDF file; KIND list, program, run or cpu",
            {inputOption,
             {"--pdf", "OUT.pdf", "write an A4 PDF file instead of text"},
             dialectOption,
             linkOption,
             stepsOption},
            {},
            runPrintCommand},
    Command{
        "grade",
        {"TESTS", "FILE...", "[--csv OUT.csv]", "[--json OUT.json]", "[--junit OUT.xml]",
         "[--reports DIR]", "[--jobs N]"},
        "run every FILE against every case of the test file TESTS (TOML) and report which "
        "pass",
        {{"--csv", "OUT.csv", "also write the results as CSV (UTF-8) for spreadsheets"},
         {"--json", "OUT.json", "also write the results as JSON"},
         {"--junit", "OUT.xml", "also write the results as JUnit XML"},
         {"--reports", "DIR",
          "also write one UTF-8 text report per graded file into DIR, for handing back (hidden "
          "cases show only whether they passed)"},
         {"--jobs", "N", "grade N files at a time (default: one per core)"},
         dialectOption,
         linkOption},
        "0 every case of every file passed, 1 a case failed, 2 wrong arguments, a bad test file, "
        "or a file that cannot be read or written.",
        runGradeCommand},
};

int run(const std::vector<std::string>& arguments, std::ostream& out) {
  const CommandLine line = readCommandLine(commands, arguments);
  switch (line.kind) {
    case CommandLine::Kind::Help:
      out << helpText(commands);
      return exitSuccess;
    case CommandLine::Kind::CommandHelp:
      out << (line.command != nullptr ? commandHelpText(*line.command) : helpText(commands));
      return exitSuccess;
    case CommandLine::Kind::Version:
      out << programName << ' ' << CASL2WB_VERSION << '\n';
      return exitSuccess;
    case CommandLine::Kind::Wrong:
      return usageError(std::cerr, line.problem);
    case CommandLine::Kind::Run:
      break;
  }
  return line.command->run(line.arguments, out, std::cerr);
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
