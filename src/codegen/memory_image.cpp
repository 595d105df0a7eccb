#include "codegen/memory_image.h"

#include "source/address_text.h"

namespace casl2wb {

std::string MemoryWord::text() const {
  switch (kind_) {
    case Kind::Empty:
      return "";
    case Kind::Blank:
      return "    ";
    case Kind::Hex:
      break;
  }
  return hexWordText(bits_);
}

MemoryImage::MemoryImage() {
  memText.fill(MemoryWord::empty());
  memValue.fill(0);
}

void MemoryImage::resetForCheck() {
  for (int address = 1; address <= 512; ++address) {
    memText[address] = MemoryWord::blank();
    memValue[address] = 0;
  }
}

bool MemoryImage::write(std::int64_t address, MemoryWord word) {
  if (address < 0 || address > lastAddress) return false;
  memText[address] = word;
  memValue[address] = word.signedValue();
  return true;
}

}  // namespace casl2wb
