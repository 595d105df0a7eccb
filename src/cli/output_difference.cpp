#include "cli/output_difference.h"

#include <algorithm>

#include "cli/report_text.h"

namespace casl2wb::cli {

namespace {

// Above this many line pairs the lines are compared place by place: a
// program that writes thousands of lines is not worth a quadratic table.
constexpr std::size_t largestTable = 4'000'000;

std::string hunkRange(std::size_t count) {
  return (count == 0 ? "0" : "1") + (count == 1 ? std::string() : ',' + std::to_string(count));
}

}  // namespace

std::vector<std::string> outputDifference(
    const std::vector<std::string>& expected, const std::vector<std::string>& actual,
    const std::function<bool(const std::string&, const std::string&)>& same) {
  const std::size_t n = expected.size();
  const std::size_t m = actual.size();
  std::vector<std::string> lines = {"--- expected", "+++ actual",
                                    "@@ -" + hunkRange(n) + " +" + hunkRange(m) + " @@"};
  const auto shown = [](char mark, const std::string& line) { return mark + escapedText(line); };
  if (n * m > largestTable) {
    for (std::size_t k = 0; k < std::max(n, m); ++k) {
      if (k < n && k < m && same(expected[k], actual[k])) {
        lines.push_back(shown(' ', actual[k]));
        continue;
      }
      if (k < n) lines.push_back(shown('-', expected[k]));
      if (k < m) lines.push_back(shown('+', actual[k]));
    }
    return lines;
  }
  // The longest common subsequence from each pair of places to the ends.
  std::vector<std::vector<std::uint32_t>> common(n + 1, std::vector<std::uint32_t>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      common[i][j] = same(expected[i], actual[j]) ? common[i + 1][j + 1] + 1
                                                  : std::max(common[i + 1][j], common[i][j + 1]);
    }
  }
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && same(expected[i], actual[j])) {
      lines.push_back(shown(' ', actual[j]));
      ++i;
      ++j;
    } else if (j == m || (i < n && common[i + 1][j] >= common[i][j + 1])) {
      lines.push_back(shown('-', expected[i++]));
    } else {
      lines.push_back(shown('+', actual[j++]));
    }
  }
  return lines;
}

}  // namespace casl2wb::cli
