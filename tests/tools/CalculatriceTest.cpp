// The calculator's arithmetic as key sequences: each key is one character of a string,
// "C" clears, "X" is 1/x, "S" the square root, "," the comma.
#include "tools/Calculatrice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Nombres.h"
#include "support/NomDeCas.h"

namespace korvane {
namespace {

// Types `touches` and gives the failures met on the way.
std::vector<std::string> Tape(Calculatrice& calcul, std::string_view touches) {
  std::vector<std::string> echecs;
  for (const char touche : touches) {
    Calculatrice::Echec echec;
    if (touche >= '0' && touche <= '9')
      calcul.Chiffre(touche);
    else if (touche == ',')
      calcul.Virgule();
    else if (touche == '=')
      echec = calcul.Egal();
    else if (touche == 'X')
      echec = calcul.Inverse();
    else if (touche == 'S')
      echec = calcul.Racine();
    else if (touche == 'C')
      calcul.Raz();
    else
      echec = calcul.Operateur(touche);
    if (echec) echecs.push_back(*echec);
  }
  return echecs;
}

struct Sequence {
  const char* touches;
  const char* affichage;
};

class Touches : public ::testing::TestWithParam<Sequence> {};

TEST_P(Touches, ShowTheirResult) {
  Calculatrice calcul;
  EXPECT_TRUE(Tape(calcul, GetParam().touches).empty());
  EXPECT_EQ(calcul.Affichage(), GetParam().affichage);
  // What a result shows is exactly what the accumulator holds.
  const std::string_view touches = GetParam().touches;
  if (std::string_view("=XS").find(touches.back()) != std::string_view::npos && !calcul.Affichage().empty()) {
    EXPECT_EQ(TexteVersReel(calcul.Affichage(), ','), calcul.Accu());
  }
}

INSTANTIATE_TEST_SUITE_P(Calculatrice, Touches,
                         ::testing::Values(Sequence{"2+3*4=", "20"}, Sequence{"2+3*4==", "400"},
                                           Sequence{"2+3*4=7+", "140"}, Sequence{"2+3*4=C7+1=", "8"},
                                           Sequence{"2+4X=", "0,5"}, Sequence{"9S", "3"}, Sequence{"5+=", "10"},
                                           Sequence{"5=", "5"}, Sequence{"0,1+0,2=", "0,3"}, Sequence{"1,05*1=", "1,05"},
                                           Sequence{"15*1000000000000000000=", "1,5E19"}, Sequence{"1/3=", "0,333333333333"},
                                           Sequence{"2S", "1,41421356237"}, Sequence{"1,5=,", "1,5,"}, Sequence{"1,5=,7", "7"},
                                           Sequence{"1,2,3=", ""}, Sequence{"=", ""}, Sequence{"7-9=", "-2"}),
                         [](const auto& info) { return test::NomDeCas(info.index, info.param.touches); });

TEST(Calculatrice, AFailureIsToldAndLeavesTheAccumulatorFlagsAndOperatorAsTheyWere) {
  struct Cas {
    const char* avant;
    const char* touche;
    const char* message;
  };
  const Cas cas[] = {
      {"6/0", "=", "Division par zéro"},
      {"6/0", "+", "Division par zéro"},
      {"6+0", "X", "Division par zéro"},
      {"6-9=", "S", "Opération en virgule flottante incorrecte"},
      {"6+1,2,", "=", "'1,2,' n'est pas une valeur numérique correcte"},
      {"1000000000000000000000*1000000000000000000000", "=", "Dépassement de capacité"},
  };
  for (const Cas& c : cas) {
    Calculatrice calcul;
    Tape(calcul, c.avant);
    const double accu = calcul.Accu();
    const char operateur = calcul.OperateurEnAttente();
    const bool valide = calcul.AccuValide();
    const std::vector<std::string> echecs = Tape(calcul, c.touche);
    ASSERT_EQ(echecs.size(), 1u) << c.avant << c.touche;
    EXPECT_EQ(echecs.front(), c.message);
    EXPECT_EQ(calcul.Accu(), accu) << c.avant << c.touche;
    EXPECT_EQ(calcul.OperateurEnAttente(), operateur) << c.avant << c.touche;
    EXPECT_EQ(calcul.AccuValide(), valide) << c.avant << c.touche;
  }
}

}  // namespace
}  // namespace korvane
