#include <gtest/gtest.h>

#include "screen/BancEcran.h"

namespace korvane::test {
namespace {

using Textes = std::vector<std::string>;

struct CasTrace {
  std::string Argument;
  std::string Appel;
};

class LineTrace : public BancEcran, public ::testing::WithParamInterface<CasTrace> {};

TEST_P(LineTrace, DrawsALineOrABoxWithoutMovingTheCursor) {
  PlaceCurseur(16, 36);

  Applique("LINE", GetParam().Argument);

  EXPECT_EQ(B.It.Etat, kContinue);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Appels(), Textes{GetParam().Appel});
  EXPECT_EQ(B.It.Ecran.CurseurX, 16);
  EXPECT_EQ(B.It.Ecran.CurseurY, 36);
}

INSTANTIATE_TEST_SUITE_P(
    Points, LineTrace,
    ::testing::Values(CasTrace{"(10,10)-(100,50)", "trait 10,10-100,50"},
                      CasTrace{"(10,10)-(100,50),B", "rect 10,10-100,50"},
                      CasTrace{"(10,10) - (100,50) ,B", "rect 10,10-100,50"},
                      CasTrace{"(10,10)-(-5,-7)", "trait 10,10--5,-7"},
                      CasTrace{"( 1,+2)-( $A,$ff)", "trait 1,2-10,255"},
                      CasTrace{"[1,2]-{3,4}", "trait 1,2-3,4"},
                      CasTrace{"(0,0)-(2147483647,-2147483648),B", "rect 0,0-2147483647,-2147483648"}),
    NomParArgument);

struct CasErreur {
  std::string Argument;
  std::string Message;
};

class LineRefuse : public BancEcran, public ::testing::WithParamInterface<CasErreur> {};

TEST_P(LineRefuse, DrawsNothing) {
  Applique("LINE", GetParam().Argument);

  EXPECT_EQ(B.It.Etat, kArret);
  EXPECT_EQ(Messages(), Textes{GetParam().Message});
  EXPECT_TRUE(Appels().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Syntaxe, LineRefuse,
    ::testing::Values(CasErreur{"", "Erreur de syntaxe"}, CasErreur{"(10,10)(100,50)", "Erreur de syntaxe"},
                      CasErreur{"(10,10)-(100,50),b", "Erreur dans l'expression"},
                      CasErreur{"(10,10)-(100,50),4", "Erreur dans l'expression"},
                      CasErreur{"(10,10)-(100,50),B,4", "Erreur dans l'expression"},
                      CasErreur{"(-10,10)-(100,50)", "Erreur dans l'expression"},
                      CasErreur{"(10 ,10)-(100,50)", "Erreur dans l'expression"},
                      CasErreur{"(10,10 )-(100,50)", "Erreur dans l'expression"},
                      CasErreur{"(N,10)-(100,50)", "Erreur dans l'expression"},
                      CasErreur{"(1+1,10)-(100,50)", "Erreur dans l'expression"},
                      CasErreur{"(10,10)-(2147483648,50)", "Erreur dans l'expression"},
                      CasErreur{"(10)-(20)", "Erreur dans l'expression"},
                      CasErreur{"(,)-(,)", "Erreur dans l'expression"},
                      CasErreur{"-", "Erreur dans l'expression"},
                      CasErreur{"(1,1)-B", "Erreur dans l'expression"},
                      CasErreur{"(1,1)-,B", "Erreur dans l'expression"},
                      CasErreur{"(-)", "Erreur dans l'expression"}),
    NomParArgument);

TEST_F(BancEcran, LineStatementIsNotLineInputOfAChannel) {
  const auto resultat = B.Lance({"line (0,0)-(5,5)", "LINE (1,1)-(4,4),B", "END"});

  EXPECT_EQ(resultat.Etat, kContinue);
  EXPECT_EQ(Appels(), (Textes{"trait 0,0-5,5", "rect 1,1-4,4"}));
}

}  // namespace
}  // namespace korvane::test
