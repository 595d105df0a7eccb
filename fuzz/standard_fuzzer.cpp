// Fuzz target: arbitrary bytes as standard CASL II source, cut into two files
// at the first form feed, checked, translated, run with scripted IN lines
// and a small step limit, with every text made of the program and the run.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "assembler/standard_assembler.h"
#include "base/source_file.h"
#include "documents/standard_texts.h"
#include "simulator/standard_session.h"

namespace {

using namespace casl2wb;

class ScriptedLines : public standard::Terminal {
 public:
  std::optional<std::string> readLine() override {
    static const std::string answers[] = {"ABC", "", std::string(300, 'Z'), "あｱ\t"};
    if (next_ == 4) return std::nullopt;
    return answers[next_++];
  }
  void writeLine(const std::string&) override {}

 private:
  int next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = std::min(bytes.find('\f'), bytes.size());
  std::vector<standard::SourceFile> files{
      {"a.cas", splitSourceLines(decodeSourceBytes(bytes.substr(0, cut)))}};
  if (cut < bytes.size()) {
    files.push_back({"b.cas", splitSourceLines(decodeSourceBytes(bytes.substr(cut + 1)))});
  }
  standard::Session session;
  session.program = standard::assemble(std::move(files));
  std::size_t made = standard::listingTexts(session.program).size() +
                     standard::locatedErrors(session.program).size();
  if (!session.program.runnable()) return made > 0 ? 0 : 1;
  made += standard::codeListingTexts(session.program).size();
  ScriptedLines lines;
  session.record.limit = 200;
  session.run(lines, 2000);
  made += standard::runDocumentLines(session.program, session.outputLines, session.end, session.cpu)
              .size();
  made += standard::cpuTraceLines(session.program, session.record, session.end).size();
  for (std::size_t step = 0; step <= session.record.steps.size(); step += 7) {
    made += standard::memoryRowTexts(session.memoryAfter(step), 0xFFF0, 4).size();
  }
  return made > 0 ? 0 : 1;
}
