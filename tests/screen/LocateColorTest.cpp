#include <gtest/gtest.h>

#include <limits>

#include "screen/BancEcran.h"

namespace korvane::test {
namespace {

using Textes = std::vector<std::string>;

struct CasLocate {
  std::string Argument;
  int X, Y;
};

class LocatePlace : public BancEcran, public ::testing::WithParamInterface<CasLocate> {};

TEST_P(LocatePlace, MovesTheCursorByRowsAndColumns) {
  B.Entier("L") = 4;
  B.Entier("C") = 6;
  PlaceCurseur(5, 7);

  Applique("LOCATE", GetParam().Argument);

  EXPECT_EQ(B.It.Etat, kContinue);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Appels().empty());
  EXPECT_EQ(B.It.Ecran.CurseurX, GetParam().X);
  EXPECT_EQ(B.It.Ecran.CurseurY, GetParam().Y);
}

INSTANTIATE_TEST_SUITE_P(Nombres, LocatePlace,
                         ::testing::Values(CasLocate{"1,1", 0, 0}, CasLocate{"3,11", 80, 36},
                                           CasLocate{"3, 11", 80, 36}, CasLocate{"+2,$10", 120, 18},
                                           CasLocate{"L,C", 40, 54}, CasLocate{"l,c", 40, 54},
                                           CasLocate{"100,200", 1592, 1782}),
                         NomParArgument);

struct CasErreur {
  std::string Argument;
  std::string Message;
};

// Shared by LOCATE and COLOR: the cursor and the colour stay as they were.
class NombresRefuses : public BancEcran, public ::testing::WithParamInterface<CasErreur> {
 protected:
  void VerifieRefus() {
    EXPECT_EQ(B.It.Etat, kArret);
    EXPECT_EQ(Messages(), Textes{GetParam().Message});
    EXPECT_TRUE(Appels().empty());
    EXPECT_EQ(B.It.Ecran.CurseurX, 5);
    EXPECT_EQ(B.It.Ecran.CurseurY, 7);
    EXPECT_EQ(B.It.Ecran.CouleurTexte, (Couleur{1, 2, 3}));
  }
  void SetUp() override {
    BancEcran::SetUp();
    B.Chaine("S") = "2";
    PlaceCurseur(5, 7);
    B.It.Ecran.CouleurTexte = {1, 2, 3};
  }
};

class LocateRefuse : public NombresRefuses {};
class ColorRefuse : public NombresRefuses {};

TEST_P(LocateRefuse, ReportsOneMessage) {
  Applique("LOCATE", GetParam().Argument);
  VerifieRefus();
}

TEST_P(ColorRefuse, ReportsOneMessage) {
  Applique("COLOR", GetParam().Argument);
  VerifieRefus();
}

const CasErreur kErreursCommunes[] = {
    {"3", "Erreur dans paramètres"},
    {"", "Erreur dans paramètres"},
    {"3 ,1", "Erreur dans indice"},
    {",1", "Erreur dans indice"},
    {"1,", "Erreur dans indice"},
    {"x,y", "Erreur dans indice"},
    {"1,2.0", "Erreur dans indice"},
    {"S,1", "Indice de type incorrect"},
    {"1,MaSub", "Indice de type incorrect"},
    {"T(1),1", "Erreur dans indice"},
};
INSTANTIATE_TEST_SUITE_P(Communes, LocateRefuse, ::testing::ValuesIn(kErreursCommunes), NomParArgument);
INSTANTIATE_TEST_SUITE_P(Communes, ColorRefuse, ::testing::ValuesIn(kErreursCommunes), NomParArgument);

INSTANTIATE_TEST_SUITE_P(HorsLimites, LocateRefuse,
                         ::testing::Values(CasErreur{"0,1", "Valeur de paramètre incorrecte"},
                                           CasErreur{"1,0", "Valeur de paramètre incorrecte"},
                                           CasErreur{"-4,2", "Valeur de paramètre incorrecte"},
                                           CasErreur{"-2147483648,1", "Valeur de paramètre incorrecte"},
                                           CasErreur{"1,-2147483648", "Valeur de paramètre incorrecte"}),
                         NomParArgument);

INSTANTIATE_TEST_SUITE_P(HorsLimites, ColorRefuse,
                         ::testing::Values(CasErreur{"16,0", "Valeur de paramètre incorrecte"},
                                           CasErreur{"0,16", "Valeur de paramètre incorrecte"},
                                           CasErreur{"-1,0", "Valeur de paramètre incorrecte"},
                                           CasErreur{"4,-1", "Valeur de paramètre incorrecte"},
                                           CasErreur{"-2147483648,0", "Valeur de paramètre incorrecte"},
                                           CasErreur{"2147483647,0", "Valeur de paramètre incorrecte"}),
                         NomParArgument);

TEST_F(BancEcran, LocateFromAnIntegerVariableHoldingTheSmallestIntegerIsRefused) {
  B.Entier("L") = std::numeric_limits<int32_t>::min();
  Applique("LOCATE", "L,1");
  EXPECT_EQ(Messages(), Textes{"Valeur de paramètre incorrecte"});
}

TEST_F(BancEcran, LocateHasNoUpperBoundButTheCursorSaturates) {
  Applique("LOCATE", "2147483647,2147483647");

  EXPECT_EQ(B.It.Etat, kContinue);
  EXPECT_EQ(B.It.Ecran.CurseurX, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(B.It.Ecran.CurseurY, std::numeric_limits<int32_t>::max());
}

class ColorChoisit : public BancEcran, public ::testing::WithParamInterface<int> {};

// A colour of its own for each entry, so that a wrong entry cannot pass for the right one.
Couleur Marque(int n) {
  return {static_cast<uint8_t>(n), static_cast<uint8_t>(100 + n), static_cast<uint8_t>(200 + n)};
}

TEST_P(ColorChoisit, TakesTheForegroundFromThePalette) {
  for (int n = 0; n < 16; ++n) B.It.Ecran.ChangePalette(n, Marque(n));
  const Couleur attendue = Marque(GetParam());

  Applique("COLOR", std::to_string(GetParam()) + ",15");

  EXPECT_EQ(B.It.Etat, kContinue);
  EXPECT_EQ(B.It.Ecran.CouleurTexte, attendue);
  EXPECT_EQ(Appels(), Textes{"couleur " + std::to_string(attendue.Rouge) + "," + std::to_string(attendue.Vert) + "," +
                             std::to_string(attendue.Bleu)});
}

INSTANTIATE_TEST_SUITE_P(Palette, ColorChoisit, ::testing::Range(0, 16), [](const ::testing::TestParamInfo<int>& info) {
  return "Couleur" + std::to_string(info.param);
});

TEST_F(BancEcran, ColorReadsIntegerVariablesAndIgnoresTheBackground) {
  B.Entier("L") = 4;
  B.Entier("C") = 9;
  Applique("COLOR", "l,c");
  EXPECT_EQ(Appels(), Textes{"couleur 255,0,0"});
}

TEST_F(BancEcran, EveryRunFromTheFirstLineRefillsThePalette) {
  B.It.Ecran.ChangePalette(4, {1, 2, 3});
  B.Lance({"COLOR 4,0", "END"});
  EXPECT_EQ(B.It.Ecran.CouleurTexte, (Couleur{255, 0, 0}));
}

TEST_F(BancEcran, ColourOfOneRunStillColoursTheNextRun) {
  B.Lance({"COLOR 12,0", "PRINT \"rose\"", "END"});
  EXPECT_EQ(Appels(), (Textes{"couleur 255,0,255", "texte 0,0 rose", "fin"}));
  B.Ecran.Appels.clear();

  const auto resultat = B.Lance({"PRINT \"encore\"", "CLS", "END"});

  EXPECT_EQ(resultat.Etat, kContinue);
  EXPECT_EQ(B.It.Ecran.CouleurTexte, (Couleur{255, 0, 255}));
  EXPECT_EQ(Appels(), (Textes{"texte 0,0 encore", "fin", "rect 0,0-640,480"}));
}

TEST_F(BancEcran, ClsPaintsTheOuterRectangleAndKeepsCursorAndColour) {
  B.Ecran.Geo = {81, 104, 640, 450};
  PlaceCurseur(24, 36);
  B.It.Ecran.CouleurTexte = {255, 0, 0};

  Applique("CLS", "");

  EXPECT_EQ(Appels(), Textes{"rect 0,0-640,450"});
  EXPECT_EQ(B.It.Ecran.CurseurX, 24);
  EXPECT_EQ(B.It.Ecran.CurseurY, 36);
  EXPECT_EQ(B.It.Ecran.CouleurTexte, (Couleur{255, 0, 0}));
  EXPECT_EQ(B.It.Etat, kContinue);
}

TEST_F(BancEcran, PrintAfterClsWritesWhereTheCursorWas) {
  B.Lance({"LOCATE 3,11", "CLS ignored words", "PRINT \"ici\"", "END"});
  EXPECT_EQ(Appels(), (Textes{"rect 0,0-640,480", "texte 80,36 ici", "fin"}));
}

}  // namespace
}  // namespace korvane::test
