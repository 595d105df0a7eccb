#include "simulator/instructions.h"

namespace casl2wb {

std::optional<int> registerOf(int field) {
  if (field >= 0 && field <= 7) return field;
  return std::nullopt;
}

std::optional<int> indexRegisterOf(int field) {
  if (field >= 1 && field <= 7) return field;
  return std::nullopt;
}

}  // namespace casl2wb
