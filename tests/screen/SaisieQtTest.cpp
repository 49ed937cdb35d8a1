#include <QTest>

#include "screen/BancQt.h"

namespace korvane::test {
namespace {

TEST_F(BancQt, TheBoxOpensAtTheCursorAndEnterGivesTheText) {
  QRect boite;
  QuandSaisie([&](TForm12& saisie) {
    boite = saisie.geometry();
    Tape(saisie.Edit1(), "Renée");
    QTest::keyClick(saisie.Edit1(), Qt::Key_Return);
  });

  const Issue issue = Lance({"DIM S AS STRING", "PRINT \"Nom ?\";", "INPUT S"});

  const Geometrie fenetre = Hote.Fenetre().Fenetre();
  const int curseurX = Hote.Fenetre().LargeurTexte("Nom ?");
  EXPECT_EQ(boite, QRect(fenetre.Gauche + curseurX, fenetre.Haut + 28, fenetre.LargeurExterne - curseurX - 10, 34));
  EXPECT_EQ(issue.Resultat, 0);
  EXPECT_EQ(Valeur("S"), Cp("Renée"));
}

TEST_F(BancQt, EscapeInTheBoxStopsTheRunOnTheInputLine) {
  QuandSaisie([](TForm12& saisie) { QTest::keyClick(saisie.Edit1(), Qt::Key_Escape); });

  const Issue issue = Lance({"DIM S AS STRING", "INPUT S", "S = \"suite\""});

  EXPECT_EQ(issue.Resultat, 1);
  EXPECT_EQ(issue.Debut, 1);
  EXPECT_NE(Valeur("S"), "suite");
  EXPECT_TRUE(Messages.Textes.empty());
}

TEST_F(BancQt, ATextLongerThanQtsDefaultLimitIsGivenWhole) {
  QuandSaisie([](TForm12& saisie) {
    saisie.Edit1()->insert(QString(40000, 'x'));
    QTest::keyClick(saisie.Edit1(), Qt::Key_Return);
  });

  Lance({"DIM S AS STRING", "INPUT S"});

  EXPECT_EQ(Valeur("S"), std::string(40000, 'x'));
}

}  // namespace
}  // namespace korvane::test
