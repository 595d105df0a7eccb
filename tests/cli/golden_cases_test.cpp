// Every expected output in the data folders golden/, grade/ and standard/, NAME.out,
// compared with what the text front end prints for the case NAME.cmd beside
// it. A case file holds comment lines (#), the arguments of casl2wb-cli on
// one line, separated by spaces ($examples stands for the examples folder),
// and optional lines "KEY: VALUE":
//   status: the exit status (default 0)
//   stderr: the one line expected on standard error (default nothing)
//   from:   compare standard output from the first line that is VALUE on
//   in:     the working folder (default the data folder of the case)
// Relative paths are read from the working folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "process.h"

namespace casl2wb {
namespace {

using testing::ProcessResult;
using testing::readFile;
using testing::runCli;

struct GoldenCase {
  std::string name;                // FOLDER_NAME, with '.' as '_'
  std::filesystem::path expected;  // FOLDER/NAME.out
};

void PrintTo(const GoldenCase& c, std::ostream* out) { *out << c.expected; }

std::vector<GoldenCase> goldenCases() {
  std::vector<GoldenCase> cases;
  for (const char* folder : {"golden", "grade", "standard"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(CASL2WB_TEST_DATA) / folder)) {
      if (entry.path().extension() != ".out") continue;
      std::string name = std::string(folder) + "_" + entry.path().stem().string();
      std::replace(name.begin(), name.end(), '.', '_');
      cases.push_back({name, entry.path()});
    }
  }
  std::sort(cases.begin(), cases.end(),
            [](const GoldenCase& a, const GoldenCase& b) { return a.name < b.name; });
  return cases;
}

std::string expanded(std::string text) {
  const std::string examples = "$examples";
  for (std::size_t at; (at = text.find(examples)) != std::string::npos;) {
    text.replace(at, examples.size(), CASL2WB_EXAMPLES);
  }
  return text;
}

class GoldenCases : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenCases, OutputMatches) {
  const GoldenCase& c = GetParam();
  std::filesystem::path caseFile = c.expected;
  caseFile.replace_extension(".cmd");
  std::ifstream in(caseFile);
  ASSERT_TRUE(in) << caseFile << " is missing: every expected output needs its case";

  std::vector<std::string> arguments;
  int status = 0;
  std::string err;
  std::string from;
  std::string folder = c.expected.parent_path().string();
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line.starts_with("#")) continue;
    const std::size_t colon = line.find(": ");
    if (!arguments.empty() && colon != std::string::npos) {
      const std::string key = line.substr(0, colon);
      const std::string value = expanded(line.substr(colon + 2));
      if (key == "status") {
        status = std::stoi(value);
      } else if (key == "stderr") {
        err = value + "\n";
      } else if (key == "from") {
        from = value + "\n";
      } else if (key == "in") {
        folder = value;
      } else {
        FAIL() << caseFile << ": unknown key " << key;
      }
      continue;
    }
    ASSERT_TRUE(arguments.empty()) << caseFile << ": two lines of arguments";
    for (std::size_t at = 0; at < line.size();) {
      const std::size_t end = std::min(line.find(' ', at), line.size());
      if (end > at) arguments.push_back(expanded(line.substr(at, end - at)));
      at = end + 1;
    }
  }
  ASSERT_FALSE(arguments.empty()) << caseFile << " names no command";

  const ProcessResult result = runCli(arguments, {}, folder);
  EXPECT_EQ(result.exitStatus, status);
  EXPECT_EQ(result.err, err);
  std::size_t start = 0;
  if (!from.empty() && !result.out.starts_with(from)) {
    start = result.out.find("\n" + from);
    ASSERT_NE(start, std::string::npos) << "no line " << from;
    ++start;
  }
  EXPECT_EQ(result.out.substr(start), readFile(c.expected.string()));
}

INSTANTIATE_TEST_SUITE_P(Data, GoldenCases, ::testing::ValuesIn(goldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) {
                           return param.param.name;
                         });

}  // namespace
}  // namespace casl2wb
