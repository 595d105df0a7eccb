// The whole difference of the lines OUT wrote from the expected ones, as
// `diff -u` shows it: "--- expected", "+++ actual", one hunk of every line
// ("@@ -1,N +1,M @@"), each line after " " (in both), "-" (expected only)
// or "+" (written only). Lines that match by the case's rule count as the
// same (the written line is shown).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace casl2wb::cli {

std::vector<std::string> outputDifference(
    const std::vector<std::string>& expected, const std::vector<std::string>& actual,
    const std::function<bool(const std::string&, const std::string&)>& same);

}  // namespace casl2wb::cli
