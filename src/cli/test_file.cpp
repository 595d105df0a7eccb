#include "cli/test_file.h"

#include <toml++/toml.h>
#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "base/source_file.h"

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
    for (const auto& [key, node] : document) {
      if (key.str() == "passes") {
        const std::int64_t largest = standard_ ? 2000000000 : 99999;
        const auto passes = node.value<std::int64_t>();
        if (!node.is_integer() || !passes || *passes < 1 || *passes > largest) {
          return fail(node, "passes takes a whole number from 1 to " + std::to_string(largest));
        }
        suite.passLimit = *passes;
      } else if (key.str() == "dialect") {
        continue;
      } else if (key.str() == "link") {
        if (!standard_) return fail(node, "link needs dialect = \"standard\"");
        if (!readLines(node, "link", suite.links)) return false;
      } else if (key.str() == "case") {
        const toml::array* cases = node.as_array();
        if (cases == nullptr) return fail(node, "case must be written as [[case]] tables");
        for (const toml::node& item : *cases) {
          const toml::table* table = item.as_table();
          if (table == nullptr) return fail(item, "case must be written as [[case]] tables");
          TestCase testCase;
          if (!readCase(*table, testCase, suite)) return false;
          suite.cases.push_back(std::move(testCase));
        }
      } else {
        return fail(key.source(), "unknown key \"" + std::string(key.str()) +
                                      "\" (a test file holds passes and [[case]] tables)");
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
        const auto word = text ? wordText(*text) : std::nullopt;
        if (!word) {
          return fail(value, "registers: " + name +
                                 " takes a word of hex digits in quotes, such as \"000A\"");
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
      const std::string label(key.str());
      if (!isLabel(label)) {
        return fail(key.source(), "memory: \"" + label + "\" is no label (1 to 8 of A-Z and 0-9)");
      }
      const auto text = value.value<std::string>();
      const auto word = text && value.is_string() ? wordText(*text) : std::nullopt;
      if (!word) {
        return fail(value,
                    "memory: " + label + " takes a word of hex digits in quotes, such as \"0005\"");
      }
      testCase.memory.emplace_back(label, *word);
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

  bool readCase(const toml::table& table, TestCase& testCase, const TestSuite& suite) {
    bool named = false;
    for (const auto& [key, node] : table) {
      const std::string_view name = key.str();
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
      } else {
        return fail(key.source(),
                    "unknown key \"" + std::string(name) +
                        "\" in a case (name, input, output, registers, memory, ends)");
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
  for (std::string& link : result.suite.links) {
    if (std::filesystem::path(link).is_relative()) link = (folder / link).string();
  }
  return result;
}

}  // namespace casl2wb::cli
