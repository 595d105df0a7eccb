// The PDF module of the text front end (casl2wb-pdf.so): PDF output through
// Qt, in a module of its own that only a command writing a PDF file loads,
// so that every other command starts without Qt.
#pragma once

#include <functional>
#include <string>

#include "documents/printer.h"

namespace casl2wb::cli {

// The module's file name.
inline constexpr const char* pdfModuleName = "casl2wb-pdf.so";

// The module's one entry point: prints the document on a PDF printer
// writing to `path`; false, with the reason in `error`, when the file cannot
// be written.
using WritePdfEntry = bool (*)(const std::string& path,
                               const std::function<void(Printer&)>& document, std::string& error);
inline constexpr const char* writePdfEntryName = "casl2wb_write_pdf";

}  // namespace casl2wb::cli
