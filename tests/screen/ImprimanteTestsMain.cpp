#include <gtest/gtest.h>

#include <QGuiApplication>

// Printing needs a GUI application for its fonts; the offscreen platform needs no display.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication Application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
