#include "cli/print_command.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>

#include "cli/assembled_file.h"
#include "cli/command.h"
#include "cli/pdf_output.h"
#include "cli/scripted_dialogs.h"
#include "machine/execution_loop.h"
#include "printing/listings.h"
#include "printing/text_printer.h"

namespace casl2wb::cli {

namespace {

enum class Kind { List, Program, Run, Cpu };

struct PrintOptions {
  Kind kind = Kind::List;
  std::string file;
  std::optional<std::string> inputFile;
  std::optional<std::string> pdfFile;
};

std::optional<Kind> kindNamed(const std::string& name) {
  if (name == "list") return Kind::List;
  if (name == "program") return Kind::Program;
  if (name == "run") return Kind::Run;
  if (name == "cpu") return Kind::Cpu;
  return std::nullopt;
}

std::optional<PrintOptions> parsePrintOptions(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return std::nullopt;
  const std::optional<Kind> kind = kindNamed(arguments[0]);
  if (!kind) return std::nullopt;
  PrintOptions options;
  options.kind = *kind;
  bool haveFile = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == "--input" && hasValue && !options.inputFile) {
      options.inputFile = arguments[++i];
    } else if (argument == "--pdf" && hasValue && !options.pdfFile) {
      options.pdfFile = arguments[++i];
    } else if (!haveFile && !argument.starts_with("--")) {
      options.file = argument;
      haveFile = true;
    } else {
      return std::nullopt;
    }
  }
  if (!haveFile) return std::nullopt;
  return options;
}

bool runsTheProgram(Kind kind) { return kind == Kind::Run || kind == Kind::Cpu; }

void printDocument(Kind kind, Printer& printer, const AssembledFile& file,
                   const MachineState& machine) {
  switch (kind) {
    case Kind::List:
      printl(printer, file.table, file.memory);
      break;
    case Kind::Program:
      printList(printer, file.table);
      break;
    case Kind::Run:
      printi(printer, file.table, machine);
      break;
    case Kind::Cpu:
      printcpu(printer, file.table, machine);
      break;
  }
}

}  // namespace

int runPrintCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  const std::optional<PrintOptions> options = parsePrintOptions(arguments);
  if (!options) return exitUsage;

  InputSource input;
  if (!input.open(options->inputFile, err)) return exitFailure;
  AssembledFile file;
  if (!assembleFile(options->file, file, err)) return exitFailure;

  MachineState machine(file.memory);
  if (runsTheProgram(options->kind)) {
    if (!file.translated) {
      for (const std::string& item : file.messages.items) err << item << '\n';
      return exitErrorsFound;
    }
    ScriptedDialogs dialogs(input.stream(), err);
    VectorMessageList list;
    RegisterPanel panel;
    ExecutionLoop(machine, file.table, list, dialogs, panel).jikoum_Click();
  }

  const auto print = [&](Printer& printer) {
    printDocument(options->kind, printer, file, machine);
  };
  if (options->pdfFile) {
    if (!writePdf(*options->pdfFile, print, err)) return exitFailure;
  } else {
    TextPrinter printer(out);
    print(printer);
  }
  if (!runsTheProgram(options->kind) && file.table.errorCount != 0) return exitErrorsFound;
  return exitSuccess;
}

}  // namespace casl2wb::cli
