// The memory image: its bounds, reads outside them, and the reset of a check.
#include "comet2/memory_image.h"

#include <gtest/gtest.h>

namespace casl2wb {
namespace {

TEST(MemoryImage, HoldsAddressesZeroTo3000) {
  EXPECT_TRUE(MemoryImage::contains(0));
  EXPECT_TRUE(MemoryImage::contains(3000));
  EXPECT_FALSE(MemoryImage::contains(-1));
  EXPECT_FALSE(MemoryImage::contains(3001));
  MemoryImage image;
  EXPECT_EQ(image.cells().size(), 3001u);
}

TEST(MemoryImage, StartsEmptyWithoutAddressTexts) {
  const MemoryImage image;
  for (int a : {0, 1, 512, 3000}) EXPECT_TRUE(image[a].isEmpty()) << a;
  for (int a : {0, 1, 1013}) EXPECT_EQ(image.addressTexts[a], "") << a;
}

TEST(MemoryImage, ReadsOutsideTheImageGiveAnEmptyWord) {
  MemoryImage image;
  image[3000] = Word(0x1234);
  image[0] = Word(0x5678);
  EXPECT_EQ(image.at(3000), Word(0x1234));
  EXPECT_EQ(image.at(0), Word(0x5678));
  EXPECT_EQ(image.at(3001), Word());
  EXPECT_EQ(image.at(-1), Word());
  EXPECT_EQ(image.cells()[3000], Word(0x1234));
}

TEST(MemoryImage, ResetForCheckBlanksCellsOneTo512Only) {
  MemoryImage image;
  for (int a : {0, 1, 2, 256, 511, 512, 513, 1000, 3000}) image[a] = Word(0xABCD);
  image.addressTexts[5] = "0005";
  image.resetForCheck();
  for (int a : {0, 513, 1000, 3000}) EXPECT_EQ(image[a], Word(0xABCD)) << a;
  for (int a : {1, 2, 256, 511, 512}) EXPECT_EQ(image[a], Word::blank()) << a;
  EXPECT_EQ(image.addressTexts[5], "0005");  // the texts stay
}

}  // namespace
}  // namespace casl2wb
