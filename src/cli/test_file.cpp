#include "cli/test_file.h"

#include <toml++/toml.h>
#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <regex>
#include <string_view>

#include "base/source_file.h"
#include "cli/arguments.h"
#include "comet2/word.h"

namespace casl2wb::cli {

namespace {

constexpr std::array<std::pair<RunEnd, std::string_view>, 4> runEndNames = {{
    {RunEnd::Return, "RET"},
    {RunEnd::PassLimit, "pass-limit"},
    {RunEnd::AddressError, "range-error"},
    {RunEnd::BlankWord, "blank-word"},
}};

constexpr std::array<std::pair<standard::End, std::string_view>, 7> standardEndNames = {{
    {standard::End::Return, "RET"},
    {standard::End::StepLimit, "step-limit"},
    {standard::End::StackOverflow, "stack-overflow"},
    {standard::End::StackUnderflow, "stack-underflow"},
    {standard::End::AddressError, "range-error"},
    {standard::End::BadInstruction, "bad-instruction"},
    {standard::End::BadSupervisorCall, "bad-svc"},
}};

// The registers a case may name, in the order the report shows them.
constexpr std::array<std::string_view, 11> registerNames = {
    "GR0", "GR1", "GR2", "GR3", "GR4", "GR5", "GR6", "GR7", "PR", "SP", "FR"};

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// A word as a test file writes it: one to four hex digits, "#" before them
// allowed as CASL II writes hex numbers; as four upper-case digits.
std::optional<std::string> wordText(std::string_view text) {
  if (text.starts_with('#')) text.remove_prefix(1);
  if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), isHexDigit)) {
    return std::nullopt;
  }
  std::string word(4 - text.size(), '0');
  for (char c : text) word += static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
  return word;
}

// A word as a test file may also write it: an integer from -32768 to 65535.
std::optional<std::string> wordOfNode(const toml::node& node) {
  if (node.is_integer()) {
    const std::int64_t value = *node.value<std::int64_t>();
    if (value < -32768 || value > 65535) return std::nullopt;
    return hexText(static_cast<std::uint16_t>(value));
  }
  const auto text = node.is_string() ? node.value<std::string>() : std::nullopt;
  return text ? wordText(*text) : std::nullopt;
}

// A label as the check accepts it: one to eight of A-Z and 0-9.
bool isLabel(std::string_view text) {
  return !text.empty() && text.size() <= 8 && std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  });
}

// Reads the parsed document into a suite; the first problem ends it.
class SuiteReader {
 public:
  explicit SuiteReader(std::string path) : path_(std::move(path)) {}

  bool read(const toml::table& document, TestSuite& suite) {
    // The dialect first: what the other keys may hold depends on it.
    if (const toml::node* node = document.get("dialect")) {
      const auto text = node->value<std::string>();
      if (!node->is_string() || !text || (*text != "standard" && *text != "workbench")) {
        return fail(*node, "dialect takes \"standard\" or \"workbench\"");
      }
      suite.dialect = *text == "standard" ? Dialect::Standard : Dialect::Workbench;
    }
    standard_ = suite.dialect == Dialect::Standard;
    // [defaults] before the cases, which the keys come before in the
    // order they are read in.
    const toml::table* defaults = nullptr;
    if (const toml::node* node = document.get("defaults")) {
      defaults = node->as_table();
      if (defaults == nullptr) return fail(*node, "defaults must be written as a [defaults] table");
      if (const toml::node* name = defaults->get("name")) {
        return fail(*name, "defaults: name belongs to each case");
      }
    }
    for (const auto& [key, node] : document) {
      if (key.str() == "passes") {
        const std::int64_t largest = standard_ ? 2000000000 : 99999;
        const auto passes = node.value<std::int64_t>();
        if (!node.is_integer() || !passes || *passes < 1 || *passes > largest) {
          return fail(node, "passes takes a whole number from 1 to " + std::to_string(largest));
        }
        suite.passLimit = *passes;
      } else if (key.str() == "dialect" || key.str() == "defaults") {
        continue;
      } else if (key.str() == "link") {
        if (!standard_) return fail(node, "link needs dialect = \"standard\"");
        if (!readLines(node, "link", suite.links)) return false;
      } else if (key.str() == "driver") {
        // A main program and a graded subroutine need units of their own.
        if (!standard_) {
          return fail(node,
                      "driver needs dialect = \"standard\": the workbench dialect has one "
                      "program a file");
        }
        const auto text = node.is_string() ? node.value<std::string>() : std::nullopt;
        if (!text || text->empty()) return fail(node, "driver takes the name of a source file");
        suite.driver = *text;
      } else if (key.str() == "case") {
        const toml::array* cases = node.as_array();
        if (cases == nullptr) return fail(node, "case must be written as [[case]] tables");
        for (const toml::node& item : *cases) {
          const toml::table* table = item.as_table();
          if (table == nullptr) return fail(item, "case must be written as [[case]] tables");
          TestCase testCase;
          if (!readCase(*table, defaults, testCase, suite)) return false;
          suite.cases.push_back(std::move(testCase));
        }
      } else {
        return fail(key.source(),
                    "unknown key \"" + std::string(key.str()) +
                        "\" (a test file holds dialect, link, driver, passes, [defaults] and "
                        "[[case]] tables)");
      }
    }
    if (suite.cases.empty()) return fail(1, "no [[case]] in the test file");
    return true;
  }

  const std::string& problem() const { return problem_; }

 private:
  bool fail(int line, const std::string& text) {
    problem_ = path_ + ':' + std::to_string(line) + ": " + text;
    return false;
  }
  bool fail(const toml::source_region& source, const std::string& text) {
    return fail(static_cast<int>(std::max<toml::source_index>(source.begin.line, 1)), text);
  }
  bool fail(const toml::node& node, const std::string& text) { return fail(node.source(), text); }

  bool readLines(const toml::node& node, std::string_view key, std::vector<std::string>& lines) {
    const toml::array* array = node.as_array();
    if (array == nullptr) return fail(node, std::string(key) + " takes a list of strings");
    for (const toml::node& item : *array) {
      const auto text = item.value<std::string>();
      if (!item.is_string() || !text) {
        return fail(item, std::string(key) + " takes a list of strings");
      }
      lines.push_back(*text);
    }
    return true;
  }

  bool readRegisters(const toml::node& node, TestCase& testCase) {
    const toml::table* table = node.as_table();
    if (table == nullptr) return fail(node, "registers takes a table such as { GR1 = \"000A\" }");
    std::vector<std::pair<std::string, std::string>> found;
    for (const auto& [key, value] : *table) {
      const std::string name(key.str());
      if (std::find(registerNames.begin(), registerNames.end(), name) == registerNames.end()) {
        return fail(key.source(),
                    "registers: " + name + " is no register (GR0 to GR7, PR, SP and FR)");
      }
      const auto text = value.is_string() ? value.value<std::string>() : std::nullopt;
      if (name == "FR") {
        if (!text || text->size() != 3 || text->find_first_not_of("01") != std::string::npos) {
          return fail(value,
                      "registers: FR takes three binary digits (OF, SF, ZF) in quotes, such as "
                      "\"010\"");
        }
        found.emplace_back(name, *text);
      } else {
        const auto word = wordOfNode(value);
        if (!word) {
          return fail(value, "registers: " + name +
                                 " takes a word of hex digits in quotes, such as \"000A\", or "
                                 "a whole number from -32768 to 65535");
        }
        found.emplace_back(name, *word);
      }
    }
    for (std::string_view name : registerNames) {
      for (const auto& entry : found) {
        if (entry.first == name) testCase.registers.push_back(entry);
      }
    }
    return true;
  }

  bool readMemory(const toml::node& node, TestCase& testCase) {
    const toml::table* table = node.as_table();
    if (table == nullptr) return fail(node, "memory takes a table such as { ANS = \"0005\" }");
    for (const auto& [key, value] : *table) {
      // LABEL, or LABEL+N for the word N cells after it.
      const std::string name(key.str());
      const std::size_t plus = name.find('+');
      const std::string label = name.substr(0, plus);
      std::optional<long> offset = 0;
      if (plus != std::string::npos) {
        offset = name.size() > plus + 1 && name[plus + 1] != '0'
                     ? positiveNumber(std::string_view(name).substr(plus + 1), 65535)
                     : std::nullopt;
      }
      if (!isLabel(label) || !offset) {
        return fail(key.source(),
                    "memory: \"" + name + "\" is no label (1 to 8 of A-Z and 0-9), nor LABEL+N");
      }
      const auto problem = [&](const toml::node& at) {
        return fail(at, "memory: " + name +
                            " takes a word of hex digits in quotes, such as \"0005\", a whole "
                            "number from -32768 to 65535, or a list of them");
      };
      std::vector<const toml::node*> words;
      if (const toml::array* list = value.as_array()) {
        if (list->empty()) return problem(value);
        for (const toml::node& item : *list) words.push_back(&item);
      } else {
        words.push_back(&value);
      }
      for (std::size_t k = 0; k < words.size(); ++k) {
        const auto word = wordOfNode(*words[k]);
        if (!word) return problem(*words[k]);
        const int cell = static_cast<int>(*offset + static_cast<long>(k));
        testCase.memory.push_back(
            {cell == 0 ? label : label + '+' + std::to_string(cell), label, cell, *word});
      }
    }
    return true;
  }

  static bool knownEnd(const std::string& text, bool standard) {
    const auto named = [&](const auto& names) {
      return std::any_of(names.begin(), names.end(),
                         [&](const auto& entry) { return entry.second == text; });
    };
    return standard ? named(standardEndNames) : named(runEndNames);
  }

  bool readEnd(const toml::node& node, TestCase& testCase) {
    const auto text = node.value<std::string>();
    if (!node.is_string() || !text || !knownEnd(*text, standard_)) {
      return fail(node, standard_ ? "ends takes \"RET\", \"step-limit\", \"stack-overflow\", "
                                    "\"stack-underflow\", \"range-error\", \"bad-instruction\" "
                                    "or \"bad-svc\""
                                  : "ends takes \"RET\", \"pass-limit\", \"range-error\" or "
                                    "\"blank-word\"");
    }
    testCase.ends = *text;
    return true;
  }

  std::int64_t largestPasses() const { return standard_ ? 2000000000 : 99999; }

  // A case: its own keys over those of [defaults]; `table` is where the
  // case stands in the file.
  bool readCase(const toml::table& table, const toml::table* defaults, TestCase& testCase,
                const TestSuite& suite) {
    // The keys in the order of their names, each where it is written, so
    // that a problem names its own line.
    std::map<std::string_view, std::pair<const toml::key*, const toml::node*>> keys;
    if (defaults != nullptr) {
      for (const auto& [key, node] : *defaults) keys[key.str()] = {&key, &node};
    }
    for (const auto& [key, node] : table) keys[key.str()] = {&key, &node};
    bool named = false;
    for (const auto& [name, where] : keys) {
      const toml::key& key = *where.first;
      const toml::node& node = *where.second;
      bool ok = true;
      if (name == "name") {
        const auto text = node.value<std::string>();
        if (!node.is_string() || !text || text->empty()) {
          return fail(node, "name takes a text that is not empty");
        }
        testCase.name = *text;
        named = true;
      } else if (name == "input") {
        ok = readLines(node, name, testCase.input);
      } else if (name == "output") {
        ok = readLines(node, name, testCase.output.emplace());
      } else if (name == "registers") {
        ok = readRegisters(node, testCase);
      } else if (name == "memory") {
        ok = readMemory(node, testCase);
      } else if (name == "ends") {
        ok = readEnd(node, testCase);
      } else if (name == "passes") {
        const auto passes = node.is_integer() ? node.value<std::int64_t>() : std::nullopt;
        if (!passes || *passes < 1 || *passes > largestPasses()) {
          return fail(node,
                      "passes takes a whole number from 1 to " + std::to_string(largestPasses()));
        }
        testCase.passLimit = *passes;
      } else if (name == "points") {
        const auto points = node.is_integer() ? node.value<std::int64_t>() : std::nullopt;
        if (!points || *points < 0 || *points > 10000) {
          return fail(node, "points takes a whole number from 0 to 10000");
        }
        testCase.points = static_cast<int>(*points);
      } else if (name == "hidden") {
        if (!node.is_boolean()) return fail(node, "hidden takes true or false");
        testCase.hidden = *node.value<bool>();
      } else if (name == "output_match") {
        const auto text = node.is_string() ? node.value<std::string>() : std::nullopt;
        if (text == "exact") {
          testCase.outputMatch = OutputMatch::Exact;
        } else if (text == "trim") {
          testCase.outputMatch = OutputMatch::Trim;
        } else if (text == "regex") {
          testCase.outputMatch = OutputMatch::Regex;
        } else {
          return fail(node, "output_match takes \"exact\", \"trim\" or \"regex\"");
        }
      } else {
        return fail(key.source(), "unknown key \"" + std::string(name) +
                                      "\" in a case (name, input, output, output_match, "
                                      "registers, memory, ends, passes, points, hidden)");
      }
      if (!ok) return false;
    }
    if (!named) return fail(table, "a case needs a name");
    for (const TestCase& other : suite.cases) {
      if (other.name == testCase.name) {
        return fail(table, "two cases are named \"" + testCase.name + "\"");
      }
    }
    if (!testCase.output && testCase.registers.empty() && testCase.memory.empty() &&
        !testCase.ends) {
      return fail(table, "case \"" + testCase.name +
                             "\" checks nothing (give output, registers, memory or ends)");
    }
    if (testCase.outputMatch == OutputMatch::Regex && testCase.output) {
      for (const std::string& line : *testCase.output) {
        try {
          std::regex expression(line, std::regex::ECMAScript);
        } catch (const std::regex_error&) {
          return fail(table, "case \"" + testCase.name + "\": output line \"" + line +
                                 "\" is no regular expression");
        }
      }
    }
    return true;
  }

  std::string path_;
  std::string problem_;
  bool standard_ = false;  // the test file is of the standard dialect
};

}  // namespace

std::string runEndName(RunEnd end) {
  for (const auto& [known, name] : runEndNames) {
    if (known == end) return std::string(name);
  }
  return "none";
}

std::string standardEndName(standard::End end) {
  for (const auto& [known, name] : standardEndNames) {
    if (known == end) return std::string(name);
  }
  return "none";
}

TestFileResult readTestFile(const std::string& path) {
  TestFileResult result;
  const SourceReadResult source = readSourceFile(path);
  if (!source.ok) {
    result.problem = path + ": " + source.error;
    return result;
  }
  std::string text;
  for (const Text& line : source.lines) {
    text += toUtf8(line);
    text += '\n';
  }
  toml::table document;
  try {
    document = toml::parse(text, path);
  } catch (const toml::parse_error& error) {
    result.problem = path + ':' +
                     std::to_string(std::max<toml::source_index>(error.source().begin.line, 1)) +
                     ": " + std::string(error.description());
    return result;
  }
  SuiteReader reader(path);
  result.ok = reader.read(document, result.suite);
  result.problem = reader.problem();
  // Linked files are named relative to the test file.
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  const auto fromTestFile = [&folder](std::string& name) {
    if (std::filesystem::path(name).is_relative()) name = (folder / name).string();
  };
  for (std::string& link : result.suite.links) fromTestFile(link);
  if (result.suite.driver) fromTestFile(*result.suite.driver);
  return result;
}

}  // namespace casl2wb::cli
