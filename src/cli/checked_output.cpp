#include "cli/checked_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace casl2wb::cli {

CheckedOutputBuffer::CheckedOutputBuffer(int fd) : fd_(fd) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

CheckedOutputBuffer::~CheckedOutputBuffer() { flushBuffer(); }

bool CheckedOutputBuffer::writeAll(const char* text, std::size_t count) {
  const char* next = text;
  const char* end = text + count;
  while (error_ == 0 && next < end) {
    const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(end - next));
    if (written < 0) {
      if (errno != EINTR) error_ = errno;
      continue;
    }
    next += written;
  }
  return error_ == 0;
}

bool CheckedOutputBuffer::flushBuffer() {
  writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

std::streamsize CheckedOutputBuffer::xsputn(const char* text, std::streamsize count) {
  // Half a buffer or more is not worth a copy.
  const auto large = static_cast<std::streamsize>(buffer_.size() / 2);
  if (count > epptr() - pptr() || count >= large) {
    if (!flushBuffer()) return 0;
    if (count >= large) return writeAll(text, static_cast<std::size_t>(count)) ? count : 0;
  }
  std::memcpy(pptr(), text, static_cast<std::size_t>(count));
  pbump(static_cast<int>(count));
  return count;
}

CheckedOutputBuffer::int_type CheckedOutputBuffer::overflow(int_type c) {
  if (!flushBuffer()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int CheckedOutputBuffer::sync() { return flushBuffer() ? 0 : -1; }

}  // namespace casl2wb::cli
