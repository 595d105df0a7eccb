// No two files of the sources need each other: a file (its header and its
// source taken together) never reaches itself through the includes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Graph = std::map<std::string, std::set<std::string>>;

// "views/editor_window" for src/views/editor_window.cpp and .h.
Graph includeGraph(const fs::path& sources) {
  static const std::regex include(R"re(^\s*#\s*include\s+"([a-z_0-9]+/[a-z_0-9]+)\.h")re");
  Graph graph;
  for (const auto& entry : fs::recursive_directory_iterator(sources)) {
    const fs::path& path = entry.path();
    if (path.extension() != ".h" && path.extension() != ".cpp") continue;
    const std::string unit = fs::relative(path, sources).replace_extension().generic_string();
    std::set<std::string>& edges = graph[unit];
    std::ifstream file(path);
    std::smatch match;
    for (std::string line; std::getline(file, line);) {
      if (std::regex_search(line, match, include) && match[1] != unit) edges.insert(match[1]);
    }
  }
  return graph;
}

// A path of units from `unit` back to a unit on `path`, if there is one.
bool findCycle(const Graph& graph, const std::string& unit, std::vector<std::string>& path,
               std::set<std::string>& done) {
  if (std::find(path.begin(), path.end(), unit) != path.end()) {
    path.push_back(unit);
    return true;
  }
  if (done.contains(unit)) return false;
  path.push_back(unit);
  if (const auto edges = graph.find(unit); edges != graph.end()) {
    for (const std::string& next : edges->second) {
      if (findCycle(graph, next, path, done)) return true;
    }
  }
  path.pop_back();
  done.insert(unit);
  return false;
}

TEST(IncludeCycles, NoFileReachesItselfThroughItsIncludes) {
  const Graph graph = includeGraph(CASL2WB_SOURCES);
  ASSERT_GT(graph.size(), 50u);
  std::set<std::string> done;
  for (const auto& [unit, edges] : graph) {
    std::vector<std::string> path;
    if (findCycle(graph, unit, path, done)) {
      std::string cycle;
      for (const std::string& step : path) cycle += step + " -> ";
      ADD_FAILURE() << "include cycle: " << cycle.substr(0, cycle.size() - 4);
    }
  }
}

// The search finds a cycle of two units and keeps apart what only converges.
TEST(IncludeCycles, TheSearchFindsACycleAndNotADiamond) {
  const Graph cycle = {{"a/x", {"a/y"}}, {"a/y", {"a/x"}}};
  const Graph diamond = {{"a/x", {"a/y", "a/z"}}, {"a/y", {"a/w"}}, {"a/z", {"a/w"}}};
  std::vector<std::string> path;
  std::set<std::string> done;
  EXPECT_TRUE(findCycle(cycle, "a/x", path, done));
  EXPECT_EQ(path, (std::vector<std::string>{"a/x", "a/y", "a/x"}));
  path.clear();
  done.clear();
  EXPECT_FALSE(findCycle(diamond, "a/x", path, done));
}

}  // namespace
