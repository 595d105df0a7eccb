#include "comet2/memory_image.h"

namespace casl2wb {

void MemoryImage::resetForCheck() {
  for (int address = 1; address <= extendedMemoryWords; ++address) cells_[address] = Word::blank();
}

}  // namespace casl2wb
