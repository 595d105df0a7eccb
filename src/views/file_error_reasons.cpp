#include "views/file_error_reasons.h"

#include <cerrno>
#include <system_error>

#include "base/messages.h"

namespace casl2wb {

std::string shownFileErrorReason(const std::string& reason) {
  struct Reason {
    int error;
    Message shown;
  };
  static constexpr Reason reasons[] = {
      {ENOENT, Message::ReasonNoSuchFile},        {EACCES, Message::ReasonPermissionDenied},
      {EISDIR, Message::ReasonIsFolder},          {ENOSPC, Message::ReasonDiskFull},
      {EROFS, Message::ReasonReadOnlyFileSystem},
  };
  for (const Reason& known : reasons) {
    if (reason == std::generic_category().message(known.error)) return formatMessage(known.shown);
  }
  return reason;
}

}  // namespace casl2wb
