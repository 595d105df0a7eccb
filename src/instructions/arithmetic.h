// ADDA, SUBA (signed) and ADDL, SUBL (unsigned), in the forms r,adr,x
// (second operand: the word at eff) and r1,r2 (second operand: GRr2, named
// by xDigit). The register gets the result word; accum keeps the true result
// and FR is set from it by frsub.
#pragma once

#include "machine/machine_state.h"

namespace casl2wb {

void adda2(MachineState& m);  // ADDA r,adr,x  "20"
void SUBA2(MachineState& m);  // SUBA r,adr,x  "21"
void addl2(MachineState& m);  // ADDL r,adr,x  "22"
void subl2(MachineState& m);  // SUBL r,adr,x  "23"
void adda1(MachineState& m);  // ADDA r1,r2    "24"
void suba1(MachineState& m);  // SUBA r1,r2    "25"
void addl1(MachineState& m);  // ADDL r1,r2    "26"
void subl1(MachineState& m);  // SUBL r1,r2    "27"

}  // namespace casl2wb
