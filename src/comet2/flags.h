// The flag register FR: overflow, sign and zero.
#pragma once

#include <string>

namespace casl2wb {

struct Flags {
  bool overflow = false;
  bool sign = false;
  bool zero = false;

  // "0"/"1" for OF, SF and ZF in this order, as FR is shown ("010": SF set).
  std::string text() const { return {overflow ? '1' : '0', sign ? '1' : '0', zero ? '1' : '0'}; }
  bool operator==(const Flags&) const = default;
};

}  // namespace casl2wb
