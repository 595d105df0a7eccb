#include "cli/dialect_choice.h"

#include "assembler/standard_assembler.h"
#include "base/source_file.h"
#include "cli/front_end.h"
#include "simulator/standard_machine.h"

namespace casl2wb::cli {

std::optional<DialectChoice> readDialectChoice(const CommandArguments& arguments,
                                               std::string_view command, std::ostream& err) {
  DialectChoice choice;
  choice.stepLimit = standard::defaultStepLimit;
  const std::string name(command);
  if (const auto dialect = arguments.option("--dialect")) {
    if (*dialect == "standard") {
      choice.dialect = Dialect::Standard;
    } else if (*dialect != "workbench") {
      usageError(err, name + ": --dialect takes standard or workbench");
      return std::nullopt;
    }
  }
  choice.links = arguments.values("--link");
  const auto steps = arguments.option("--steps");
  if (choice.dialect == Dialect::Workbench && (!choice.links.empty() || steps)) {
    usageError(err, name + ": " + (steps ? "--steps" : "--link") + " needs --dialect standard");
    return std::nullopt;
  }
  if (steps) {
    const auto limit = positiveNumber(*steps, 2000000000);
    if (!limit) {
      usageError(err, name + ": --steps takes a whole number from 1 to 2000000000");
      return std::nullopt;
    }
    choice.stepLimit = *limit;
  }
  return choice;
}

bool assembleStandardFiles(const std::string& path, const std::vector<std::string>& links,
                           standard::Program& program, std::ostream& err) {
  std::vector<std::string> paths{path};
  paths.insert(paths.end(), links.begin(), links.end());
  return assembleStandardFiles(paths, program, err);
}

bool assembleStandardFiles(const std::vector<std::string>& paths, standard::Program& program,
                           std::ostream& err) {
  std::vector<standard::SourceFile> files;
  for (const std::string& file : paths) {
    SourceReadResult source = readSourceFile(file);
    if (!source.ok) {
      err << programName << ": " << file << ": " << source.error << '\n';
      return false;
    }
    files.push_back({file, std::move(source.lines)});
  }
  program = standard::assemble(std::move(files));
  return true;
}

}  // namespace casl2wb::cli
