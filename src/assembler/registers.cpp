#include "assembler/registers.h"

namespace casl2wb {

bool isRegisterName(TextView text) {
  return text.size() == 3 && text[0] == U'G' && text[1] == U'R' && text[2] >= U'0' &&
         text[2] <= U'7';
}

bool isIndexRegisterName(TextView text) { return isRegisterName(text) && text[2] != U'0'; }

int registerNumber(TextView name) { return static_cast<int>(name[2] - U'0'); }

}  // namespace casl2wb
