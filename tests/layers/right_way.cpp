// Compiled with the include roots of the assembler layer: its own headers
// and those of the layers below are found.
#include "assembler/assembler.h"
#include "comet2/instruction_set.h"
