// The bash completion of casl2wb-cli, run in bash as completion runs it, and
// the manual page: both know every command and option that the program's
// help names.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "process.h"
#include "support/temp_dir.h"

namespace casl2wb {
namespace {

using testing::ProcessResult;
using testing::readFile;
using testing::runCli;
using testing::runProcess;
using testing::TempDir;
using testing::writeBytes;

const std::string completion = std::string(CASL2WB_PACKAGING) + "/casl2wb-cli.bash-completion";
const std::string manualPage = std::string(CASL2WB_DOCS) + "/casl2wb-cli.1.in";

// The sorted completions of the last word of `words` (the command line up
// to the cursor), completed in `folder`.
std::vector<std::string> complete(const std::vector<std::string>& words,
                                  const std::string& folder) {
  std::vector<std::string> arguments = {
      "--norc", "--noprofile", "-c",
      "source \"$0\"; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); _casl2wb_cli; "
      "printf '%s\\n' \"${COMPREPLY[@]}\"",
      completion};
  arguments.insert(arguments.end(), words.begin(), words.end());
  const ProcessResult result = runProcess("/bin/bash", arguments, {}, folder);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  std::vector<std::string> lines;
  std::istringstream in(result.out);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

TEST(Completion, CommandsOptionsKindsAndFiles) {
  struct Case {
    std::vector<std::string> words;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {{"casl2wb-cli", ""},
       {"--help", "--version", "check", "grade", "print", "replay", "run", "trace"}},
      {{"casl2wb-cli", "gr"}, {"grade"}},
      {{"casl2wb-cli", "--"}, {"--help", "--version"}},
      {{"casl2wb-cli", "check", "--"}, {"--diagnostics", "--dialect", "--help", "--link"}},
      {{"casl2wb-cli", "check", "--dialect", ""}, {"standard", "workbench"}},
      {{"casl2wb-cli", "run", "a.txt", "--"},
       {"--dialect", "--help", "--input", "--link", "--runs", "--status", "--steps"}},
      {{"casl2wb-cli", "replay", "--p"}, {"--presses"}},
      {{"casl2wb-cli", "grade", "--"},
       {"--csv", "--dialect", "--help", "--jobs", "--json", "--junit", "--link", "--reports"}},
      // --option=VALUE, cut at "=" as bash does, or whole.
      {{"casl2wb-cli", "print", "list", "a.txt", "--pdf", "=", ""}, {"c.pdf", "sub"}},
      {{"casl2wb-cli", "grade", "--csv", "=", "x.csv", "b.toml", ""},
       {"a.txt", "b.toml", "c.pdf", "sub"}},
      {{"casl2wb-cli", "print", "list", "a.txt", "--pdf=c"}, {"--pdf=c.pdf"}},
      {{"casl2wb-cli", "grade", "--reports", ""}, {"sub"}},
      {{"casl2wb-cli", "print", ""}, {"cpu", "list", "program", "run"}},
      {{"casl2wb-cli", "print", "--input", "a.txt", "l"}, {"list"}},
      {{"casl2wb-cli", "print", "list", ""}, {"a.txt", "b.toml", "c.pdf", "sub"}},
      {{"casl2wb-cli", "print", "list", "a.txt", "--pdf", ""}, {"c.pdf", "sub"}},
      {{"casl2wb-cli", "grade", ""}, {"b.toml", "sub"}},
      {{"casl2wb-cli", "grade", "b.toml", ""}, {"a.txt", "b.toml", "c.pdf", "sub"}},
      {{"casl2wb-cli", "grade", "b.toml", "a.txt", "--jobs", ""}, {}},
      {{"casl2wb-cli", "run", "a.txt", "--runs", ""}, {}},
      {{"casl2wb-cli", "run", "--input", ""}, {"a.txt", "b.toml", "c.pdf", "sub"}},
  };
  TempDir dir;
  for (const char* name : {"a.txt", "b.toml", "c.pdf"}) writeBytes(dir.file(name), "");
  std::filesystem::create_directory(dir.file("sub"));
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.words));
    EXPECT_EQ(complete(c.words, dir.path().string()), c.expected);
  }
}

// Every command and option that the help of the program and of its
// commands names is known to the completion and described in the manual
// page.
TEST(Completion, CompletionAndManualPageKnowEveryCommandAndOption) {
  const ProcessResult help = runCli({"--help"});
  std::set<std::string> words = {"--help", "--version"};
  std::istringstream lines(help.out);
  // The synopsis lines, up to the first empty line.
  for (std::string line; std::getline(lines, line) && !line.empty();) {
    const std::string prefix = "casl2wb-cli ";
    const std::size_t at = line.find(prefix);
    if (at == std::string::npos || line.find(" --help |") != std::string::npos) continue;
    const std::string command =
        line.substr(at + prefix.size(), line.find(' ', at + prefix.size()) - at - prefix.size());
    words.insert(command);
    const std::string commandHelp = runCli({command, "--help"}).out;
    for (std::size_t option = commandHelp.find("\n  --"); option != std::string::npos;
         option = commandHelp.find("\n  --", option + 1)) {
      words.insert(commandHelp.substr(option + 3, commandHelp.find(' ', option + 3) - option - 3));
    }
  }
  ASSERT_TRUE(words.contains("grade")) << help.out;
  ASSERT_TRUE(words.contains("--diagnostics")) << help.out;
  const std::string script = readFile(completion);
  const std::string page = readFile(manualPage);
  for (const std::string& word : words) {
    SCOPED_TRACE(word);
    EXPECT_NE(script.find(word), std::string::npos);
    // The manual page writes a hyphen of an option as "\-".
    std::string roff;
    for (char c : word) roff += c == '-' ? std::string("\\-") : std::string(1, c);
    EXPECT_NE(page.find(roff), std::string::npos);
  }
}

}  // namespace
}  // namespace casl2wb
