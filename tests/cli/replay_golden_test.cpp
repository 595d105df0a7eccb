// The step replay through the text front end: for every press of ">>" the
// CPU panel, the trace window's selection and the execution window's list,
// compared with their expected output.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process.h"

namespace casl2wb {
namespace {

using testing::ProcessResult;
using testing::readFile;
using testing::runProcess;

const std::string golden = std::string(CASL2WB_TEST_DATA) + "/golden/";
const std::string examples = std::string(CASL2WB_EXAMPLES) + "/";

struct ReplayCase {
  const char* name;
  std::string program;
  std::string input;
  std::vector<std::string> options;
  std::string expected;  // golden file
  std::string from;      // compare the output from this line on ("" for all of it)
  std::string notice;    // expected on standard error
};

const std::string traceNotice =
    "実行回数が９９９回を越えていますのでメモリの変化のトレースは９９９回までとします。\n";

TEST(ReplayGolden, EveryPressShowsPanelSelectionAndMemory) {
  const std::vector<ReplayCase> cases = {
      // IN, PUSH, POP, CALL, the subroutine, RPUSH and RPOP (whose step lies
      // on no line of the trace text, so nothing is selected).
      {"stack",
       golden + "replay_stack.txt",
       golden + "replay_stack.input",
       {},
       "replay_stack.replay.out",
       "",
       ""},
      {"IN and OUT", examples + "echo.txt", golden + "echo.input", {}, "echo.replay.out", "", ""},
      {"extended memory",
       golden + "print_mex.txt",
       "/dev/null",
       {},
       "print_mex.replay.out",
       "",
       ""},
      // The loop back to L finds its line only after the search wraps.
      {"search wraps",
       golden + "replay_wrap.txt",
       "/dev/null",
       {},
       "replay_wrap.replay.out",
       "",
       ""},
      // 999 recorded steps, then the replay starts again at the first one.
      {"past the history",
       golden + "in_loop.txt",
       golden + "one_line.input",
       {"--presses", "1002"},
       "in_loop.replay_tail.out",
       ">> 998\n",
       traceNotice},
  };
  for (const ReplayCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> arguments = {"replay", c.program, "--input", c.input};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    const ProcessResult result = runProcess(CASL2WB_CLI, arguments);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, c.notice);
    const std::size_t from = c.from.empty() ? 0 : result.out.find(c.from);
    ASSERT_NE(from, std::string::npos);
    EXPECT_EQ(result.out.substr(from), readFile(golden + c.expected));
  }
}

TEST(ReplayGolden, MorePressesThanStepsStartAgainAndAProgramWithoutStepsShowsItsRunList) {
  ProcessResult result =
      runProcess(CASL2WB_CLI, {"replay", golden + "replay_wrap.txt", "--presses", "8"});
  EXPECT_EQ(result.exitStatus, 0);
  const std::string once = readFile(golden + "replay_wrap.replay.out");
  ASSERT_EQ(result.out.rfind(once, 0), 0u);
  // The eighth press shows the first step again.
  const std::string eighth = result.out.substr(once.size());
  const std::string first = once.substr(0, once.find(">> 2\n"));
  EXPECT_EQ(eighth, ">> 8" + first.substr(4));

  // A program whose first word is blank records nothing: no press by
  // default, and a press changes nothing of what the run left.
  result = runProcess(CASL2WB_CLI, {"replay", golden + "empty_program.txt"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "");
  result = runProcess(CASL2WB_CLI, {"replay", golden + "empty_program.txt", "--presses", "1"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out.rfind(">> 1\n命令語：\nPR：1\nFR：000\nSP：0100\n", 0), 0u) << result.out;
  EXPECT_NE(result.out.find("選択：1,1,0\nｱﾄﾞﾚｽ( ﾒﾓﾘ)"), std::string::npos);
  EXPECT_NE(result.out.find("\n  PR| GR0| GR1| GR2| GR3| GR4| GR5| GR6| GR7| FR|  SP|\n"),
            std::string::npos);  // the run's register trace, still in the list
}

}  // namespace
}  // namespace casl2wb
