// The workbench the browser page drives: a run asks for each IN answer it
// has not got and changes nothing until it has them all; then the window is
// the text front end's run (golden files); the replay, the breakpoints and
// the refusals.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "web/browser_workbench.h"
#include "web/editor_support.h"

namespace casl2wb::web {
namespace {

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return editorTextOfFile(bytes.str());
}

std::string listText(const BrowserWorkbench& workbench, const Json& state) {
  std::string text;
  for (const auto& line : workbench.lines("list", 0, state["listSize"].get<int>())) {
    text += line.get<std::string>() + "\n";
  }
  return text;
}

const std::string echo = fileText(CASL2WB_EXAMPLES "/echo.txt");

TEST(BrowserWorkbench, ARunAsksForEachAnswerAndIsTheTextFrontEndsRun) {
  BrowserWorkbench workbench;
  ASSERT_TRUE(workbench.check(echo, Dialect::Workbench, "echo.txt")["runnable"]);
  const Json asked = workbench.run(Json::array(), false);
  EXPECT_EQ(asked["needsInput"]["title"], "IN");
  // Nothing ran: the next ">>" has no steps.
  EXPECT_EQ(workbench.stepForward()["steps"], 0);

  const Json state = workbench.run(Json::array({"COMET"}), false);
  EXPECT_EQ(state["runCount"], 1);
  std::ifstream golden(CASL2WB_TEST_DATA "/golden/echo.run.out");
  std::stringstream expected;
  expected << golden.rdbuf();
  // The golden file ends with the twelve lines of the panel.
  const std::string list = listText(workbench, state);
  EXPECT_EQ(expected.str().substr(0, list.size()), list);
  EXPECT_EQ(state["panel"]["mnemonic"], "RET");
  // The labels after the rows of the last dump (DMP's: row 3 is its
  // heading), as the desktop notes them.
  EXPECT_EQ(state["labelNotes"][0], Json::array({4, "ECHO=0000 MAIN=0000"}));
  EXPECT_EQ(workbench.lines("output", 0, 9), Json::array({"── 実行 1 ──", "COMET"}));
}

TEST(BrowserWorkbench, StandardRunsTakeACancelledBoxAsTheEndOfInput) {
  BrowserWorkbench workbench;
  const std::string program =
      "MAIN START\n IN BUF,LEN\n LD GR1,LEN\n RET\nBUF DS 8\nLEN DS 1\n END\n";
  ASSERT_TRUE(workbench.check(program, Dialect::Standard, "")["runnable"]);
  EXPECT_EQ(workbench.run(Json::array(), false)["needsInput"]["defaultText"], "");
  const Json state = workbench.run(Json::array({nullptr}), false);
  EXPECT_EQ(state["panel"]["gr"][1], "FFFF");
  EXPECT_EQ(state["steps"], 8);  // IN is seven instructions; the last RET ends the run
  // A step's memory list starts at the row of the word it wrote last (the
  // first PUSH: the stack's top), or at 0; its line is IN's.
  const auto firstRow = [&] { return workbench.lines("list", 1, 1)[0].get<std::string>(); };
  EXPECT_EQ(workbench.goToStep(1)["stepLine"], 2);
  EXPECT_EQ(firstRow().substr(0, 5), "FFF8:");
  workbench.goToStep(3);
  EXPECT_EQ(firstRow().substr(0, 5), "0000:");
}

TEST(BrowserWorkbench, ReplayGoesForwardBackAndFromBreakpointToBreakpoint) {
  BrowserWorkbench workbench;
  workbench.check(echo, Dialect::Workbench, "echo.txt");
  workbench.run(Json::array({"COMET"}), false);
  EXPECT_EQ(workbench.stepForward()["stepLine"], 3);  // MAIN IN
  EXPECT_EQ(workbench.stepForward()["stepLine"], 4);
  EXPECT_EQ(workbench.stepBack()["shownStep"], 1);
  const Json atCall = workbench.goToBreak(true, {5, 12});
  EXPECT_EQ(atCall["stepLine"], 5);
  EXPECT_EQ(workbench.goToBreak(true, {5, 12})["stepLine"], 12);
  EXPECT_TRUE(workbench.goToBreak(true, {5})["status"].is_string());
  EXPECT_TRUE(workbench.goToBreak(true, {})["status"].is_string());
  EXPECT_EQ(workbench.goToStep(99)["shownStep"], workbench.goToStep(1)["steps"]);
}

TEST(BrowserWorkbench, RunsAreRefusedAsOnTheDesktop) {
  BrowserWorkbench workbench;
  EXPECT_TRUE(workbench.run(Json::array(), false)["refused"].is_string());
  workbench.check(" START\n LD GR9,X\n END\n", Dialect::Workbench, "");
  EXPECT_TRUE(workbench.run(Json::array(), false)["refused"].is_string());
  workbench.check(echo, Dialect::Workbench, "");
  EXPECT_TRUE(workbench.run(Json::array(), true)["refused"].is_string());
  EXPECT_TRUE(workbench.print("run")["refused"].is_string());
  const Json printed = workbench.print("program");
  // The text front end's print, line by line, each with its font size.
  EXPECT_EQ(printed["lines"][1]["text"], "              ECHO      START          MAIN");
  EXPECT_GT(printed["lines"][1]["size"], 0);
}

}  // namespace
}  // namespace casl2wb::web
