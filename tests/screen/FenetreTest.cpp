#include <QCoreApplication>
#include <QPoint>
#include <QTimer>

#include "screen/BancQt.h"
#include "support/NomDeCas.h"

namespace korvane::test {
namespace {

const QColor kNoir(0, 0, 0), kBlanc(255, 255, 255), kRouge(255, 0, 0);

TEST_F(BancQt, CaptionAndPlaceBeforeAndAfterARun) {
  TForm3& fenetre = Hote.Fenetre();
  EXPECT_EQ(fenetre.windowTitle(), "Ecran");
  EXPECT_FALSE(fenetre.isVisible());
  const Geometrie place = fenetre.Fenetre();
  EXPECT_EQ(QRect(place.Gauche, place.Haut, place.LargeurExterne, place.HauteurExterne), QRect(81, 104, 640, 450));

  Lance({"REM"}, "/tmp/dossier/prog.bas");

  EXPECT_EQ(fenetre.windowTitle(), "Korvane - prog.bas");
  EXPECT_TRUE(fenetre.isVisible());
}

TEST_F(BancQt, TextIsBlackThenRedFromThePaletteAndTheColourOutlivesTheRun) {
  const int largeur = Hote.Fenetre().LargeurTexte("HH");

  Lance({"PRINT \"HH\"", "COLOR 4,0", "PRINT \"HH\""});
  const QImage premier = Ecran();
  EXPECT_FALSE(Encre(premier, kNoir).isEmpty());
  EXPECT_TRUE(QRect(0, 0, largeur, 18).contains(Encre(premier, kNoir)));
  EXPECT_FALSE(Encre(premier, kRouge).isEmpty());
  EXPECT_TRUE(QRect(0, 18, largeur, 20).contains(Encre(premier, kRouge)));

  Lance({"PRINT \"HH\""});
  const QImage second = Ecran();
  EXPECT_TRUE(Encre(second, kNoir).isEmpty());
  EXPECT_LT(Encre(second, kRouge).top(), 18);
}

TEST_F(BancQt, ATextPartlyBlankedByALaterOneKeepsItsOtherPart) {
  const int etroit = Hote.Fenetre().LargeurTexte("i");

  Lance({"PRINT \"HHHH\"", "COLOR 4,0", "LOCATE 1,1", "PRINT \"i\""});

  const QImage image = Ecran();
  EXPECT_GE(Encre(image, kNoir).left(), etroit);
  EXPECT_LT(Encre(image, kRouge).right(), etroit);
}

// Pixels after a program: those that must be black and those that must be white.
struct CasDessin {
  std::vector<std::string> Lignes;
  std::vector<QPoint> Noirs, Blancs;
};

class Dessin : public BancQt, public ::testing::WithParamInterface<CasDessin> {};

TEST_P(Dessin, DrawsExactlyThesePixels) {
  Lance(GetParam().Lignes);
  const QImage image = Ecran();
  for (const QPoint& p : GetParam().Noirs) EXPECT_EQ(image.pixelColor(p), kNoir) << p.x() << "," << p.y();
  for (const QPoint& p : GetParam().Blancs) EXPECT_EQ(image.pixelColor(p), kBlanc) << p.x() << "," << p.y();
}

INSTANTIATE_TEST_SUITE_P(
    Fenetre, Dessin,
    ::testing::Values(
        CasDessin{{"LINE (10,10)-(100,10)"}, {{10, 10}, {99, 10}}, {{9, 10}, {100, 10}, {50, 11}}},
        CasDessin{{"LINE (10,20)-(50,60)"}, {{10, 20}, {30, 40}, {49, 59}}, {{50, 60}}},
        CasDessin{{"LINE (0,30)-(200,30)", "LINE (10,10)-(100,50),B"},
                  {{10, 10}, {99, 10}, {10, 49}, {99, 49}, {10, 30}, {99, 30}, {5, 30}, {105, 30}},
                  {{50, 30}, {100, 10}, {10, 50}, {11, 11}}},
        CasDessin{{"PRINT \"HHHH\"", "LINE (0,10)-(300,300)", "CLS"},
                  {{0, 0}, {320, 0}, {0, 200}},
                  {{1, 1}, {5, 5}, {100, 110}, {320, 200}}},
        CasDessin{{"LINE (600,400)-(2147483647,2147483647),B", "LINE (0,0)-(2147483647,2147483647)"},
                  {{600, 400}, {639, 400}, {600, 449}, {0, 0}, {300, 300}},
                  {{601, 401}, {599, 400}}}),
    [](const ::testing::TestParamInfo<CasDessin>& info) { return NomDeCas(info.index, info.param.Lignes.back()); });

TEST_F(BancQt, OutputSurvivesResizeAndHideShow) {
  Lance({"PRINT \"HH\"", "LINE (0,100)-(600,100)"});
  const QImage avant = Ecran();
  TForm3& fenetre = Hote.Fenetre();

  fenetre.resize(100, 50);
  QCoreApplication::processEvents();
  fenetre.resize(640, 450);
  fenetre.hide();
  fenetre.show();
  QCoreApplication::processEvents();

  EXPECT_EQ(Ecran(), avant);
}

TEST_F(BancQt, AClosedWindowReopensBlank) {
  Lance({"PRINT \"HH\"", "LINE (0,100)-(600,100)"});
  Hote.Fenetre().close();

  Lance({"REM"});

  const QImage image = Ecran();
  EXPECT_TRUE(Encre(image, kBlanc).contains(image.rect()));
  EXPECT_TRUE(Encre(image, kNoir).isEmpty());
}

TEST_F(BancQt, ClosingTheWindowDuringARunStopsIt) {
  QTimer::singleShot(0, &Hote.Fenetre(), &QWidget::close);
  bool garde = false;
  // Should the close be missed, the test fails in seconds instead of looping for ever.
  QTimer::singleShot(5000, [&] {
    garde = true;
    Hote.Clavier().DemandeArret();
  });
  EXPECT_EQ(Lance({"BOUCLE:", "GOTO BOUCLE"}).Resultat, 1);
  EXPECT_FALSE(garde);
  EXPECT_EQ(Lance({"REM"}).Resultat, 0);
}

}  // namespace
}  // namespace korvane::test
