// Where the work-file steps show their progress: the file window's caption.
#pragma once

#include <string>

namespace casl2wb {

class CaptionSink {
 public:
  virtual ~CaptionSink() = default;
  virtual void setCaption(const std::string& caption) = 0;
};

}  // namespace casl2wb
