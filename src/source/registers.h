// Register names and the instruction groups the checks and sizes share.
#pragma once

#include "source/text.h"

namespace casl2wb {

// "GR0".."GR7" exactly.
bool isRegisterName(TextView text);
// "GR1".."GR7" exactly: the registers that can serve as index.
bool isIndexRegisterName(TextView text);
// LD ADDA SUBA ADDL SUBL AND OR XOR CPA CPL.
bool isRegisterMemoryOperation(TextView op);
// ST LAD SLA SRA SLL SRL.
bool isStoreShiftOperation(TextView op);
// JPL JMI JNZ JZE JOV JUMP PUSH CALL SVC: address in part 2 after normalising.
bool isBranchOperation(TextView op);

}  // namespace casl2wb
