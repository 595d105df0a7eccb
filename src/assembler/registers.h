// Register names and the operand rules of the instruction groups.
#pragma once

#include <optional>

#include "base/text.h"
#include "comet2/instruction_set.h"

namespace casl2wb {

// "GR0".."GR7" exactly.
bool isRegisterName(TextView text);
// "GR1".."GR7" exactly: the registers that can serve as index.
bool isIndexRegisterName(TextView text);
// The register number of "GR0".."GR7".
int registerNumber(TextView name);

// The operand rules of an operation that the instruction set knows.
std::optional<Syntax> syntaxOf(TextView operation);

}  // namespace casl2wb
