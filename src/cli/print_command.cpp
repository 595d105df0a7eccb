#include "cli/print_command.h"

#include <optional>

#include "cli/arguments.h"
#include "cli/assembled_file.h"
#include "cli/command.h"
#include "cli/dialect_choice.h"
#include "cli/execution_session.h"
#include "cli/pdf_output.h"
#include "cli/same_file.h"
#include "cli/scripted_dialogs.h"
#include "cli/standard_commands.h"
#include "documents/listings.h"
#include "documents/standard_texts.h"
#include "documents/text_printer.h"

namespace casl2wb::cli {

namespace {

enum class Kind { List, Program, Run, Cpu };

std::optional<Kind> kindNamed(const std::string& name) {
  if (name == "list") return Kind::List;
  if (name == "program") return Kind::Program;
  if (name == "run") return Kind::Run;
  if (name == "cpu") return Kind::Cpu;
  return std::nullopt;
}

bool runsTheProgram(Kind kind) { return kind == Kind::Run || kind == Kind::Cpu; }

void printDocument(Kind kind, Printer& printer, const AssembledProgram& program,
                   const Machine& machine) {
  switch (kind) {
    case Kind::List:
      printProgramAndMemory(printer, program.source, program.image);
      break;
    case Kind::Program:
      printProgramList(printer, program.source);
      break;
    case Kind::Run:
      printRunResult(printer, program.source, machine);
      break;
    case Kind::Cpu:
      printCpuTrace(printer, program.source, machine);
      break;
  }
}

}  // namespace

int runPrintCommand(const CommandArguments& parsed, std::ostream& out, std::ostream& err) {
  const std::optional<Kind> kind =
      parsed.positional.empty() ? std::nullopt : kindNamed(parsed.positional[0]);
  if (!kind) return usageError(err, "print needs a KIND first: list, program, run or cpu");
  if (parsed.positional.size() != 2) return usageError(err, "print needs exactly one FILE");

  const std::string& source = parsed.positional[1];
  const std::optional<std::string> pdfFile = parsed.option("--pdf");
  if (pdfFile && sameFile(*pdfFile, source)) {
    err << programName << ": " << *pdfFile << ": is the program file itself; nothing is written\n";
    return exitFailure;
  }

  const auto choice = readDialectChoice(parsed, "print", err);
  if (!choice) return exitFailure;

  InputSource input;
  if (!input.open(parsed.option("--input"), err)) return exitFailure;
  if (choice->dialect == Dialect::Standard) {
    std::vector<std::string> lines;
    const int status =
        standardDocumentLines(parsed.positional[0], source, *choice, input.stream(), lines, err);
    if (status == exitFailure || (status == exitErrorsFound && runsTheProgram(*kind))) {
      return status;
    }
    const auto printLines = [&](Printer& printer) { standard::printLines(printer, lines); };
    if (pdfFile) {
      if (!writePdf(*pdfFile, printLines, err)) return exitFailure;
    } else {
      TextPrinter printer(out);
      printLines(printer);
    }
    return status;
  }
  ScriptedDialogs dialogs(input.stream(), err);
  ExecutionSession session(dialogs);
  if (!assembleFile(source, session.program, err)) return exitFailure;
  if (runsTheProgram(*kind)) {
    if (reportErrors(session.program, err)) return exitErrorsFound;
    session.machine.load(session.program);
    session.simulator.run();
  }

  const auto print = [&](Printer& printer) {
    printDocument(*kind, printer, session.program, session.machine);
  };
  if (pdfFile) {
    if (!writePdf(*pdfFile, print, err)) return exitFailure;
  } else {
    TextPrinter printer(out);
    print(printer);
  }
  return session.program.errorCount == 0 ? exitSuccess : exitErrorsFound;
}

}  // namespace casl2wb::cli
