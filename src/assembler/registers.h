// Register names as operands write them.
#pragma once

#include "base/text.h"

namespace casl2wb {

// "GR0".."GR7" exactly.
bool isRegisterName(TextView text);
// "GR1".."GR7" exactly: the registers that can serve as index.
bool isIndexRegisterName(TextView text);
// The register number of "GR0".."GR7".
int registerNumber(TextView name);

}  // namespace casl2wb
