// The main of the window tests: the application runs on the offscreen
// platform, so the tests never need a display, and in the Japanese locale
// as the program sets it up.
#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

#include "views/japanese_locale.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  casl2wb::useJapaneseLocale();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
