#include <gtest/gtest.h>

#include "ide/ApplicationKorvane.h"

// Widget tests need a QApplication; the offscreen platform needs no display.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  korvane::ApplicationKorvane Application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
