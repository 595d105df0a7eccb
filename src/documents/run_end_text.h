// The line that tells how the last run of the workbench dialect ended, shown
// under the execution window's lists.
#pragma once

#include <string>

#include "simulator/machine.h"

namespace casl2wb {

// Empty before the first run.
std::string runEndText(const Machine& machine);

}  // namespace casl2wb
