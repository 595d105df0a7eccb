// Writing a document into a PDF file from the text front end, on the
// offscreen platform unless QT_QPA_PLATFORM names another one.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "documents/printer.h"

namespace casl2wb::cli {

// Prints the document on a PDF printer writing to `path`; false, with a
// message on err, when the file cannot be written.
bool writePdf(const std::string& path, const std::function<void(Printer&)>& document,
              std::ostream& err);

}  // namespace casl2wb::cli
