#include <gtest/gtest.h>

#include <limits>

#include "screen/BancEcran.h"

namespace korvane::test {
namespace {

using Textes = std::vector<std::string>;

class Print : public BancEcran {};

struct CasAffiche {
  std::string Argument;
  Textes AppelsAttendus;
  int X, Y;  // cursor afterwards, from (16, 36)
};

class PrintAffiche : public BancEcran, public ::testing::WithParamInterface<CasAffiche> {};

TEST_P(PrintAffiche, DrawsAtTheCursorAndMovesIt) {
  B.Entier("N") = -5;
  B.Chaine("S") = "abc";
  B.Reel("R") = 2.5;
  B.Entier("T(", 1) = 1;
  B.Entier("T(", 2) = 77;
  PlaceCurseur(16, 36);

  Applique("PRINT", GetParam().Argument);

  EXPECT_EQ(B.It.Etat, kContinue);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Appels(), GetParam().AppelsAttendus);
  EXPECT_EQ(B.It.Ecran.CurseurX, GetParam().X);
  EXPECT_EQ(B.It.Ecran.CurseurY, GetParam().Y);
}

INSTANTIATE_TEST_SUITE_P(
    Operandes, PrintAffiche,
    ::testing::Values(CasAffiche{"", {"fin"}, 0, 54},
                      CasAffiche{";", {}, 16, 36},
                      CasAffiche{"\"Bonjour\"", {"texte 16,36 Bonjour", "fin"}, 0, 54},
                      CasAffiche{"\"Bonjour\";", {"texte 16,36 Bonjour"}, 72, 36},
                      CasAffiche{"\"a;b\";", {"texte 16,36 a;b"}, 40, 36},
                      CasAffiche{"\"\";", {"texte 16,36 "}, 16, 36},
                      CasAffiche{"1+2", {"texte 16,36 1+2", "fin"}, 0, 54},
                      CasAffiche{"-3.50;", {"texte 16,36 -3.50"}, 56, 36},
                      CasAffiche{"N", {"texte 16,36 -5", "fin"}, 0, 54},
                      CasAffiche{"s;", {"texte 16,36 abc"}, 40, 36},
                      CasAffiche{"R", {"texte 16,36 2.5", "fin"}, 0, 54},
                      CasAffiche{"T(2);", {"texte 16,36 77"}, 32, 36}),
    NomParArgument);

struct CasErreur {
  std::string Argument;
  std::string Message;
};

class PrintErreur : public BancEcran, public ::testing::WithParamInterface<CasErreur> {};

TEST_P(PrintErreur, DrawsNothingAndKeepsTheCursor) {
  PlaceCurseur(16, 36);

  Applique("PRINT", GetParam().Argument);

  EXPECT_EQ(B.It.Etat, kArret);
  EXPECT_EQ(Messages(), Textes{GetParam().Message});
  EXPECT_TRUE(Appels().empty());
  EXPECT_EQ(B.It.Ecran.CurseurX, 16);
  EXPECT_EQ(B.It.Ecran.CurseurY, 36);
}

INSTANTIATE_TEST_SUITE_P(Operandes, PrintErreur,
                         ::testing::Values(CasErreur{"a;b", "Identificateur A;B inconnu"},
                                           CasErreur{"\"abc", "chaine sans fin"},
                                           CasErreur{"\"abc\" ;", "chaine sans fin"},
                                           CasErreur{"12x;", "Expression incorrecte"},
                                           CasErreur{"T(4 )", "Erreur dans indice"}),
                         NomParArgument);

TEST_F(Print, SemicolonKeepsTheNextTextOnTheSameLine) {
  B.Lance({"PRINT \"Qui ?\";", "PRINT \"Moi\"", "PRINT", "PRINT \"Fin\"", "END"});

  EXPECT_EQ(Appels(), (Textes{"texte 0,0 Qui ?", "texte 40,0 Moi", "fin", "fin", "texte 0,36 Fin", "fin"}));
  EXPECT_EQ(B.It.Ecran.CurseurX, 0);
  EXPECT_EQ(B.It.Ecran.CurseurY, 54);
}

TEST_F(Print, ArgumentCutTo255CharactersLosesTheClosingQuote) {
  const auto resultat = B.Lance({"PRINT \"" + std::string(300, 'x') + "\"", "END"});

  EXPECT_EQ(resultat.Etat, kArret);
  EXPECT_EQ(Messages(), Textes{"chaine sans fin"});
  EXPECT_TRUE(Appels().empty());
}

TEST_F(Print, ErrorStopsTheRunOnItsLine) {
  const auto resultat = B.Lance({"DIM A AS INTEGER", "PRINT \"ok\"", "PRINT A;B", "PRINT \"jamais\""});

  EXPECT_EQ(resultat.Etat, kArret);
  EXPECT_EQ(resultat.Debut, 2);
  EXPECT_EQ(Appels(), (Textes{"texte 0,0 ok", "fin"}));
}

TEST_F(Print, CursorFarBeyondTheWindowSaturatesInsteadOfOverflowing) {
  constexpr int kMax = std::numeric_limits<int32_t>::max();
  PlaceCurseur(kMax - 3, kMax - 5);
  Applique("PRINT", "\"loin\";");
  EXPECT_EQ(B.It.Ecran.CurseurX, kMax);

  Applique("PRINT", "");
  EXPECT_EQ(B.It.Ecran.CurseurX, 0);
  EXPECT_EQ(B.It.Ecran.CurseurY, kMax);
}

}  // namespace
}  // namespace korvane::test
