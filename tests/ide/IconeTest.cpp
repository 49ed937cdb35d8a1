#include <gtest/gtest.h>

#include <QApplication>

#include "ide/Icone.h"

namespace korvane::test {
namespace {

TEST(Icone, TheCompiledPictureDrawsTheScreen) {
  const QImage image = ImageKorvane(64).toImage();
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(64, 64));
  EXPECT_EQ(image.pixelColor(52, 14), QColor(0, 0, 0xa8));  // the screen, away from the K
  EXPECT_EQ(image.pixelColor(0, 63).alpha(), 0);            // transparent corner
}

TEST(Icone, BecomesTheIconOfEveryWindow) {
  const QIcon icone = IconeKorvane();
  ASSERT_FALSE(icone.isNull());
  EXPECT_FALSE(icone.pixmap(16).isNull());
  EXPECT_FALSE(icone.pixmap(256).isNull());
  auto& application = *qobject_cast<QApplication*>(QCoreApplication::instance());
  PoseIconeApplication(application);
  EXPECT_FALSE(QApplication::windowIcon().isNull());
  QApplication::setWindowIcon({});
}

}  // namespace
}  // namespace korvane::test
