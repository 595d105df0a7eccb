// A file system of 64 KiB mounted for one test and filled to its last byte,
// to see what writes do when the disk is full. Needs the right to mount
// (the superuser); tests skip without it.
#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <string>

#include "support/temp_dir.h"

namespace casl2wb::testing {

class SmallFileSystem {
 public:
  SmallFileSystem() {
    mounted_ = ::geteuid() == 0 &&
               ::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, "size=64k,mode=0755") == 0;
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;
  ~SmallFileSystem() {
    if (mounted_) ::umount(dir_.path().c_str());
  }

  bool mounted() const { return mounted_; }
  std::string file(std::string_view name) const { return dir_.file(name); }
  const std::filesystem::path& path() const { return dir_.path(); }

  // Takes every free byte with one hidden file.
  void fill() const {
    const int fd = ::open(dir_.file(".filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    const std::string block(4096, 'F');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, "F", 1) == 1) {
    }
    ::close(fd);
  }

 private:
  TempDir dir_;
  bool mounted_ = false;
};

}  // namespace casl2wb::testing
