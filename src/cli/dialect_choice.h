// The dialect a command reads its program in (--dialect), the further
// source files of a standard program (--link) and the step limit of its
// runs (--steps); and a standard program read from its files.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "assembler/dialect.h"
#include "assembler/standard_program.h"
#include "cli/arguments.h"
#include "cli/command.h"

namespace casl2wb::cli {

inline constexpr CommandOption dialectOption{
    "--dialect", "NAME",
    "read the program as standard CASL II (standard) or in the workbench's own dialect "
    "(workbench, the default)"};
inline constexpr CommandOption linkOption{
    "--link", "FILE",
    "standard dialect: add the units of FILE to the program, after those of the program's "
    "own file (may be given more than once)",
    true};
inline constexpr CommandOption stepsOption{
    "--steps", "N", "standard dialect: end a run after N steps (default 10000000)"};

struct DialectChoice {
  Dialect dialect = Dialect::Workbench;
  std::vector<std::string> links;
  std::int64_t stepLimit = 0;
};

// Reads the options; none, after a usage error on err, when they are wrong
// (an unknown dialect, or --link or --steps without the standard dialect).
std::optional<DialectChoice> readDialectChoice(const CommandArguments& arguments,
                                               std::string_view command, std::ostream& err);

// Reads the file and the linked files into a standard program and assembles
// it; false, with the reason on err, when a file cannot be read.
bool assembleStandardFiles(const std::string& path, const std::vector<std::string>& links,
                           standard::Program& program, std::ostream& err);
// The same for the files in the order given.
bool assembleStandardFiles(const std::vector<std::string>& paths, standard::Program& program,
                           std::ostream& err);

}  // namespace casl2wb::cli
