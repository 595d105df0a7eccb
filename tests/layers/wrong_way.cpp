// Compiled with the include roots of the assembler layer: the simulator
// lies above it, so this include must not be found.
#include "assembler/assembler.h"
#include "simulator/machine.h"
