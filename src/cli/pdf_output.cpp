#include "cli/pdf_output.h"

#include <dlfcn.h>

#include <filesystem>

#include "cli/command.h"
#include "cli/pdf_module.h"

namespace casl2wb::cli {

namespace {

// Where an installation keeps the PDF module, relative to the folder of the
// program.
constexpr const char* installedPdfModule = CASL2WB_PDF_MODULE_FROM_BINDIR;

// The entry point of the PDF module, from the folder of the program (a
// build) or from its place in an installation; nullptr when this build or
// installation has no PDF module.
WritePdfEntry loadPdfModule() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return nullptr;
  const std::filesystem::path folder = program.parent_path();
  for (const std::filesystem::path& module :
       {folder / pdfModuleName, folder / installedPdfModule}) {
    void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) continue;
    if (void* entry = ::dlsym(handle, writePdfEntryName)) {
      return reinterpret_cast<WritePdfEntry>(entry);
    }
    ::dlclose(handle);
  }
  return nullptr;
}

}  // namespace

bool writePdf(const std::string& path, const std::function<void(Printer&)>& document,
              std::ostream& err) {
  const WritePdfEntry writeWithQt = loadPdfModule();
  if (writeWithQt == nullptr) {
    err << programName << ": " << path << ": PDF output is not part of this build\n";
    return false;
  }
  std::string reason;
  if (writeWithQt(path, document, reason)) return true;
  err << programName << ": " << path << ": " << reason << '\n';
  return false;
}

}  // namespace casl2wb::cli
