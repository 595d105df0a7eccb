#include "source/registers.h"

#include <algorithm>
#include <initializer_list>

namespace casl2wb {

bool isRegisterName(TextView text) {
  return text.size() == 3 && text[0] == U'G' && text[1] == U'R' && text[2] >= U'0' &&
         text[2] <= U'7';
}

bool isIndexRegisterName(TextView text) { return isRegisterName(text) && text[2] != U'0'; }

bool isRegisterMemoryOperation(TextView op) {
  return isOneOf(
      op, {U"LD", U"ADDA", U"SUBA", U"ADDL", U"SUBL", U"AND", U"OR", U"XOR", U"CPA", U"CPL"});
}

bool isStoreShiftOperation(TextView op) {
  return isOneOf(op, {U"ST", U"LAD", U"SLA", U"SRA", U"SLL", U"SRL"});
}

bool isBranchOperation(TextView op) {
  return isOneOf(op, {U"JPL", U"JMI", U"JNZ", U"JZE", U"JOV", U"JUMP", U"PUSH", U"CALL", U"SVC"});
}

}  // namespace casl2wb
