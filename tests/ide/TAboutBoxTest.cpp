#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "ide/TAboutBox.h"

namespace korvane::test {
namespace {

TEST(TAboutBox, ShowsTheProgramWithoutBeingModal) {
  TAboutBox boite;
  EXPECT_EQ(boite.windowTitle(), "A propos de Korvane");
  EXPECT_TRUE(boite.windowFlags() & Qt::WindowSystemMenuHint);
  QStringList textes;
  bool icone = false;
  for (const auto* ligne : boite.findChildren<QLabel*>()) {
    if (!ligne->text().isEmpty()) textes << ligne->text();
    icone = icone || !ligne->pixmap().isNull();
  }
  EXPECT_EQ(textes, (QStringList{"Korvane", "Version 2.0", "Équipe Korvane", "Interpréteur BASIC"}));
  EXPECT_TRUE(icone);
  EXPECT_EQ(boite.OKButton()->text(), "OK");

  boite.show();
  EXPECT_TRUE(boite.isVisible());
  EXPECT_FALSE(boite.isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(TAboutBox, OKAndEscapeCloseItAndItShowsAgain) {
  TAboutBox boite;
  boite.show();
  QTest::mouseClick(boite.OKButton(), Qt::LeftButton);
  EXPECT_FALSE(boite.isVisible());
  boite.show();
  ASSERT_TRUE(boite.isVisible());
  QTest::keyClick(boite.OKButton(), Qt::Key_Escape);
  EXPECT_FALSE(boite.isVisible());
}

}  // namespace
}  // namespace korvane::test
