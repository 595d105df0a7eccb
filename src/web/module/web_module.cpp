// The browser page's module: one workbench, called with and answering JSON
// texts (embind).
#include <emscripten/bind.h>

#include "assembler/source_parts.h"
#include "base/source_file.h"
#include "web/browser_workbench.h"
#include "web/editor_support.h"

namespace {

using casl2wb::Dialect;
using casl2wb::web::BrowserWorkbench;
using casl2wb::web::Json;

class PageWorkbench {
 public:
  std::string check(const std::string& text, bool standard, const std::string& fileName) {
    return workbench_.check(text, standard ? Dialect::Standard : Dialect::Workbench, fileName)
        .dump();
  }
  std::string run(const std::string& answers, bool changedSinceCheck) {
    return workbench_.run(Json::parse(answers), changedSinceCheck).dump();
  }
  std::string stepForward() { return workbench_.stepForward().dump(); }
  std::string stepBack() { return workbench_.stepBack().dump(); }
  std::string goToStep(int step) { return workbench_.goToStep(step).dump(); }
  std::string goToBreak(bool forward, const std::string& lines) {
    return workbench_.goToBreak(forward, Json::parse(lines).get<std::vector<int>>()).dump();
  }
  std::string showMemoryAt(const std::string& address) {
    return workbench_.showMemoryAt(address).dump();
  }
  std::string lines(const std::string& which, int from, int count) {
    return workbench_.lines(which, from, count).dump();
  }
  std::string print(const std::string& kind) { return workbench_.print(kind).dump(); }

 private:
  BrowserWorkbench workbench_;
};

std::string sourceParts(const std::string& line) {
  return casl2wb::web::sourcePartsOfLine(line).dump();
}

// A file's bytes come as a Uint8Array; the text goes back as UTF-8.
std::string editorTextOfFile(const std::string& bytes) {
  return casl2wb::web::editorTextOfFile(bytes);
}

std::string savedFileText(const std::string& text) { return casl2wb::savedFileText(text); }

}  // namespace

EMSCRIPTEN_BINDINGS(casl2wb) {
  emscripten::class_<PageWorkbench>("Workbench")
      .constructor<>()
      .function("check", &PageWorkbench::check)
      .function("run", &PageWorkbench::run)
      .function("stepForward", &PageWorkbench::stepForward)
      .function("stepBack", &PageWorkbench::stepBack)
      .function("goToStep", &PageWorkbench::goToStep)
      .function("goToBreak", &PageWorkbench::goToBreak)
      .function("showMemoryAt", &PageWorkbench::showMemoryAt)
      .function("lines", &PageWorkbench::lines)
      .function("print", &PageWorkbench::print);
  emscripten::function("sourceParts", &sourceParts);
  emscripten::function("editorTextOfFile", &editorTextOfFile);
  emscripten::function("savedFileText", &savedFileText);
  emscripten::function("dropQuestion", &casl2wb::web::dropQuestion);
  emscripten::function("nextFieldColumn", &casl2wb::nextFieldColumn);
  emscripten::function("previousFieldColumn", &casl2wb::previousFieldColumn);
}
