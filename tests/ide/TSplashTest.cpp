#include <gtest/gtest.h>

#include <QLabel>

#include "ide/TSplash.h"

namespace korvane::test {
namespace {

QStringList Textes(const QWidget& fenetre) {
  QStringList textes;
  for (const auto* ligne : fenetre.findChildren<QLabel*>())
    if (!ligne->text().isEmpty()) textes << ligne->text();
  return textes;
}

TEST(TSplash, IsShownAtOnceAsABorderlessYellowWindowAroundABluePanel) {
  const auto splash = TSplash::Affiche();
  ASSERT_TRUE(splash->isVisible());
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(splash->size(), QSize(318, 221));

  const QImage image = splash->grab().toImage();
  ASSERT_EQ(image.size(), QSize(318, 221));
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::yellow));
  EXPECT_EQ(image.pixelColor(317, 220), QColor(Qt::yellow));
  const int bord = TSplash::Marge;
  EXPECT_EQ(image.pixelColor(bord, bord), QColor(128, 128, 255));            // lit bevel
  EXPECT_EQ(image.pixelColor(317 - bord, 220 - bord), QColor(0, 0, 96));     // shaded bevel
  EXPECT_EQ(image.pixelColor(317 - bord - 3, 220 - bord - 3), QColor(Qt::blue));
}

TEST(TSplash, NamesTheProgramInBoldThirtyPixelSans) {
  const TSplash splash;
  EXPECT_EQ(Textes(splash), (QStringList{"Korvane", "Version 2.0", "Équipe Korvane"}));
  const auto* nom = splash.findChildren<QLabel*>().at(1);
  ASSERT_EQ(nom->text(), "Korvane");
  EXPECT_TRUE(nom->font().bold());
  EXPECT_EQ(nom->font().pixelSize(), 30);
  EXPECT_EQ(nom->palette().color(QPalette::WindowText), QColor(Qt::black));
  const auto* image = splash.findChildren<QLabel*>().at(0);
  EXPECT_FALSE(image->pixmap().isNull());
}

}  // namespace
}  // namespace korvane::test
