#include "cli/run_command.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>

#include "cli/assembled_file.h"
#include "cli/command.h"
#include "cli/file_batch.h"
#include "cli/scripted_dialogs.h"
#include "machine/execution_loop.h"

namespace casl2wb::cli {

namespace {

struct RunOptions {
  std::vector<std::string> files;
  std::optional<std::string> inputFile;
  long runs = 1;
};

std::optional<RunOptions> parseRunOptions(const std::vector<std::string>& arguments) {
  RunOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == "--input" && hasValue) {
      options.inputFile = arguments[++i];
    } else if (argument == "--runs" && hasValue) {
      const std::string& value = arguments[++i];
      if (value.empty() || value.size() > 6 ||
          value.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
      }
      options.runs = std::stol(value);
      if (options.runs < 1) return std::nullopt;
    } else if (!argument.starts_with("--")) {
      options.files.push_back(argument);
    } else {
      return std::nullopt;
    }
  }
  if (options.files.empty()) return std::nullopt;
  return options;
}

void printPanel(const RegisterPanel& panel, std::ostream& out) {
  out << "命令語：" << panel.comand << '\n';
  out << "PR：" << panel.pr << '\n';
  out << "FR：" << panel.fr << '\n';
  out << "SP：" << panel.sp << '\n';
  for (int n = 0; n < 8; ++n) out << "GR" << n << "：" << panel.gr[n] << '\n';
}

// Checks, translates and runs one file `runs` times; prints the execution
// list and the panel, or the check's message list on err.
int runFile(const std::string& path, long runs, RunDialogs& dialogs, std::ostream& out,
            std::ostream& err) {
  AssembledFile file;
  if (!assembleFile(path, file, err)) return exitFailure;
  if (!file.translated) {
    for (const std::string& item : file.messages.items) err << item << '\n';
    return exitErrorsFound;
  }
  MachineState machine(file.memory);
  VectorMessageList list;
  RegisterPanel panel;
  ExecutionLoop loop(machine, file.table, list, dialogs, panel);
  for (long run = 0; run < runs; ++run) loop.jikoum_Click();

  for (const std::string& item : list.items) out << item << '\n';
  printPanel(panel, out);
  out.flush();
  return exitSuccess;
}

}  // namespace

int runRunCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const std::optional<RunOptions> options = parseRunOptions(arguments);
  if (!options) return exitUsage;

  InputSource input;
  if (!input.open(options->inputFile, err)) return exitFailure;
  ScriptedDialogs dialogs(input.stream(), err);
  return forEachFile(options->files, out, [&](const std::string& path) {
    return runFile(path, options->runs, dialogs, out, err);
  });
}

}  // namespace casl2wb::cli
