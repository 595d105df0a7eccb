// Standard output as the commands write it: buffered, with the first write
// error kept, so that a full disk or a closed output is reported instead of
// passing for success.
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

namespace casl2wb::cli {

class CheckedOutputBuffer : public std::streambuf {
 public:
  explicit CheckedOutputBuffer(int fd);
  ~CheckedOutputBuffer() override;
  CheckedOutputBuffer(const CheckedOutputBuffer&) = delete;
  CheckedOutputBuffer& operator=(const CheckedOutputBuffer&) = delete;

  // The error number of the first write that failed, or 0. Later output is
  // dropped.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  // Long texts go out at once, without a copy.
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool flushBuffer();
  bool writeAll(const char* text, std::size_t count);

  int fd_;
  int error_ = 0;
  std::array<char, 64 * 1024> buffer_{};
};

}  // namespace casl2wb::cli
