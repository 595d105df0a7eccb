// Runs a fuzz target once on each file named on the command line, without
// libFuzzer: the ordinary build compiles the targets with it and the test
// suite feeds them the seed programs, so a target that no longer builds or
// fails on a seed is found before a fuzzing run.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    if (!file) {
      std::cerr << argv[i] << ": cannot be read\n";
      return 1;
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  return 0;
}
