// Wall time of casl2wb-cli grade over a class of 200 copies of an example
// program against the example's test file, as a teacher runs it: the whole
// process, on one thread and on two. The target is 2 seconds, and two
// threads faster than one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "quiet_process.h"

#ifndef CASL2WB_CLI
#error "CASL2WB_CLI must name the casl2wb-cli program"
#endif
#ifndef CASL2WB_EXAMPLES
#error "CASL2WB_EXAMPLES must name the folder of the example programs"
#endif

namespace {

using casl2wb::bench::runQuietly;
namespace fs = std::filesystem;

constexpr int classSize = 200;

// A folder with the copies, made once and removed at exit.
class Classroom {
 public:
  Classroom() {
    std::string pattern = (fs::temp_directory_path() / "grade_bench.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    folder_ = pattern;
    const fs::path program = fs::path(CASL2WB_EXAMPLES) / "echo.txt";
    for (int k = 1; k <= classSize; ++k) {
      const fs::path copy = folder_ / ("student" + std::to_string(k) + ".txt");
      fs::copy_file(program, copy);
      files_.push_back(copy.string());
    }
  }
  ~Classroom() {
    if (!folder_.empty()) {
      std::error_code ignored;
      fs::remove_all(folder_, ignored);
    }
  }
  Classroom(const Classroom&) = delete;
  Classroom& operator=(const Classroom&) = delete;

  bool ready() const { return !files_.empty(); }
  const std::vector<std::string>& files() const { return files_; }

 private:
  fs::path folder_;
  std::vector<std::string> files_;
};

void gradeClass(benchmark::State& state) {
  static const Classroom classroom;
  if (!classroom.ready()) {
    state.SkipWithError("cannot make the copies");
    return;
  }
  std::vector<std::string> arguments = {CASL2WB_CLI, "grade", "--jobs",
                                        std::to_string(state.range(0)),
                                        std::string(CASL2WB_EXAMPLES) + "/echo.toml"};
  arguments.insert(arguments.end(), classroom.files().begin(), classroom.files().end());
  for (auto _ : state) {
    // Every copy passes every case: anything but 0 is a failure.
    if (runQuietly(arguments) != 0) {
      state.SkipWithError("casl2wb-cli grade did not pass every copy");
      return;
    }
  }
  state.counters["files"] = classSize;
}

BENCHMARK(gradeClass)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
