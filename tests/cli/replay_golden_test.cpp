// The step replay through the text front end beyond the data cases
// (golden_cases_test.cpp): more presses than steps, and a program without
// steps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process.h"

namespace casl2wb {
namespace {

using testing::ProcessResult;
using testing::readFile;
using testing::runCli;

const std::string golden = std::string(CASL2WB_TEST_DATA) + "/golden/";

TEST(ReplayGolden, MorePressesThanStepsStartAgainAndAProgramWithoutStepsShowsItsRunList) {
  ProcessResult result = runCli({"replay", golden + "replay_wrap.txt", "--presses", "8"});
  EXPECT_EQ(result.exitStatus, 0);
  const std::string once = readFile(golden + "replay_wrap.replay.out");
  ASSERT_EQ(result.out.rfind(once, 0), 0u);
  // The eighth press shows the first step again.
  const std::string eighth = result.out.substr(once.size());
  const std::string first = once.substr(0, once.find(">> 2\n"));
  EXPECT_EQ(eighth, ">> 8" + first.substr(4));

  // A program whose first word is blank records nothing: no press by
  // default, and a press changes nothing of what the run left.
  result = runCli({"replay", golden + "empty_program.txt"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, "");
  result = runCli({"replay", golden + "empty_program.txt", "--presses", "1"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out.rfind(">> 1\n命令語：\nPR：1\nFR：000\nSP：0100\n", 0), 0u) << result.out;
  EXPECT_NE(result.out.find("選択：1,1,0\nｱﾄﾞﾚｽ( ﾒﾓﾘ)"), std::string::npos);
  EXPECT_NE(result.out.find("\n  PR| GR0| GR1| GR2| GR3| GR4| GR5| GR6| GR7| FR|  SP|\n"),
            std::string::npos);  // the run's register trace, still in the list
}

}  // namespace
}  // namespace casl2wb
