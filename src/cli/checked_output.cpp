#include "cli/checked_output.h"

#include <unistd.h>

#include <cerrno>

namespace casl2wb::cli {

CheckedOutputBuffer::CheckedOutputBuffer(int fd) : fd_(fd) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

CheckedOutputBuffer::~CheckedOutputBuffer() { flushBuffer(); }

bool CheckedOutputBuffer::flushBuffer() {
  const char* next = pbase();
  while (error_ == 0 && next < pptr()) {
    const ssize_t count = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
    if (count < 0) {
      if (errno != EINTR) error_ = errno;
      continue;
    }
    next += count;
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
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
