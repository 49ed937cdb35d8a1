#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "base/Calcul.h"
#include "screen/BancEcran.h"

namespace korvane::test {
namespace {

using Textes = std::vector<std::string>;

// An answer (nullopt: the box is cancelled) and what it leaves behind.
struct CasSaisie {
  std::string Variable;
  std::optional<std::string> Reponse;
  bool Echo;                // drawn at (16, 36), cursor then at (0, 54)
  std::string Valeur;       // the variable's value text afterwards, in UTF-8
  std::string Message;      // empty when none
};

class InputLit : public BancEcran, public ::testing::WithParamInterface<CasSaisie> {};

TEST_P(InputLit, VetsStoresAndEchoesTheAnswer) {
  const CasSaisie& cas = GetParam();
  B.Entier("N") = 7;
  B.Reel("R") = 1.5;
  B.Chaine("S") = "avant";
  PlaceCurseur(16, 36);
  if (cas.Reponse) B.Saisie.Reponses.push_back(*cas.Reponse);

  Applique("INPUT", cas.Variable);

  EXPECT_EQ(B.Saisie.Ouvertures.size(), 1u);
  EXPECT_EQ(B.It.Etat, cas.Message.empty() ? kContinue : kArret);
  EXPECT_EQ(Messages(), cas.Message.empty() ? Textes{} : Textes{cas.Message});
  EXPECT_EQ(Appels(), cas.Echo ? Textes{"saisie 16,36 " + cas.Reponse.value_or("")} : Textes{});
  EXPECT_EQ(B.It.Ecran.CurseurX, cas.Echo ? 0 : 16);
  EXPECT_EQ(B.It.Ecran.CurseurY, cas.Echo ? 54 : 36);
  EXPECT_EQ(B.Valeur(cas.Variable), cas.Valeur);
}

INSTANTIATE_TEST_SUITE_P(
    Reponses, InputLit,
    ::testing::Values(CasSaisie{"N", "42", true, "42", ""},
                      CasSaisie{"n", " -42", true, "-42", ""},
                      CasSaisie{"N", "$1F", true, "31", ""},
                      CasSaisie{"N", "abc", false, "7", ""},
                      CasSaisie{"N", "", false, "7", ""},
                      CasSaisie{"N", std::nullopt, false, "7", ""},
                      CasSaisie{"N", "4x2", true, "7", "Erreur de conversion"},
                      CasSaisie{"N", "-", true, "7", "Erreur de conversion"},
                      CasSaisie{"N", "99999999999", true, "7", "Erreur de conversion"},
                      CasSaisie{"R", "2.25", true, "2.25", ""},
                      CasSaisie{"R", "x", false, "1.5", ""},
                      CasSaisie{"R", "2,5", true, "1.5", "Erreur de conversion"},
                      CasSaisie{"S", "Bonjour \xe9t\xe9", true, "Bonjour été", ""},
                      CasSaisie{"S", "", true, "", ""},
                      CasSaisie{"S", std::nullopt, false, "avant", ""}),
    [](const ::testing::TestParamInfo<CasSaisie>& info) {
      return NomDeCas(info.index, info.param.Variable + " " + info.param.Reponse.value_or("annule"));
    });

TEST_F(BancEcran, InputOfALabelOrSubNameAcceptsNothing) {
  for (const std::string nom : {"etiq:", "MaSub"}) {
    B.Saisie.Reponses.push_back("42");
    Applique("INPUT", nom);
    EXPECT_EQ(B.It.Etat, kContinue) << nom;
  }
  EXPECT_EQ(B.Saisie.Ouvertures.size(), 2u);
  EXPECT_TRUE(Appels().empty());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(B.It.Ecran.CurseurY, 0);
}

struct CasInconnue {
  std::string Argument;
  std::string Message;
};

class InputInconnue : public BancEcran, public ::testing::WithParamInterface<CasInconnue> {};

TEST_P(InputInconnue, ReportsTheNameWithoutOpeningTheBox) {
  B.Saisie.Reponses.push_back("1");

  Applique("INPUT", GetParam().Argument);

  EXPECT_EQ(B.It.Etat, kArret);
  EXPECT_EQ(Messages(), Textes{GetParam().Message});
  EXPECT_TRUE(B.Saisie.Ouvertures.empty());
  EXPECT_TRUE(Appels().empty());
}

INSTANTIATE_TEST_SUITE_P(Noms, InputInconnue,
                         ::testing::Values(CasInconnue{"inconnue", "Variable INCONNUE n'existe pas"},
                                           CasInconnue{"t(1)", "Variable T(1) n'existe pas"},
                                           CasInconnue{"", "Variable  n'existe pas"},
                                           CasInconnue{"\xe9t\xe9", "Variable éTé n'existe pas"}),
                         NomParArgument);

TEST_F(BancEcran, InputBoxOpensAtTheCursorOverTheRunWindow) {
  B.Ecran.Geo = {81, 104, 640, 450};
  B.Saisie.Reponses = {"Paul", "12"};

  const auto resultat = B.Lance({"DIM NOM AS STRING", "DIM AGE AS INTEGER", "PRINT \"Nom ?\";", "INPUT nom",
                                 "LOCATE 5,3", "INPUT age", "END"});

  EXPECT_EQ(resultat.Etat, kContinue);
  ASSERT_EQ(B.Saisie.Ouvertures.size(), 2u);
  EXPECT_EQ(B.Saisie.Ouvertures[0].Gauche, 81 + 40);
  EXPECT_EQ(B.Saisie.Ouvertures[0].Haut, 104 + 0 + 28);
  EXPECT_EQ(B.Saisie.Ouvertures[0].Largeur, 640 - 40 - 10);
  EXPECT_EQ(B.Saisie.Ouvertures[1].Gauche, 81 + 16);
  EXPECT_EQ(B.Saisie.Ouvertures[1].Haut, 104 + 72 + 28);
  EXPECT_EQ(B.Saisie.Ouvertures[1].Largeur, 640 - 16 - 10);
  EXPECT_EQ(Appels(), (Textes{"texte 0,0 Nom ?", "saisie 40,0 Paul", "saisie 16,72 12"}));
  EXPECT_EQ(B.It.Ecran.CurseurX, 0);
  EXPECT_EQ(B.It.Ecran.CurseurY, 90);
}

TEST_F(BancEcran, ConversionFailureStopsTheRunWithTheEchoDrawn) {
  B.Saisie.Reponses = {"4x2"};

  const auto resultat = B.Lance({"DIM A AS INTEGER", "INPUT A", "PRINT \"jamais\""});

  EXPECT_EQ(resultat.Etat, kArret);
  EXPECT_EQ(resultat.Debut, 1);
  EXPECT_EQ(Messages(), Textes{"Erreur de conversion"});
  EXPECT_EQ(Appels(), Textes{"saisie 0,0 4x2"});
}

TEST_F(BancEcran, RejectedAndCancelledAnswersLetTheRunGoOn) {
  B.Saisie.Reponses = {"abc"};

  const auto resultat = B.Lance({"DIM A AS INTEGER", "INPUT A", "INPUT A", "PRINT \"suite\"", "END"});

  EXPECT_EQ(resultat.Etat, kContinue);
  EXPECT_EQ(B.Saisie.Ouvertures.size(), 2u);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Appels(), (Textes{"texte 0,0 suite", "fin"}));
}

TEST_F(BancEcran, ACancelWithAStopRequestStopsOnTheInputLineAndAContinueAsksAgain) {
  B.Touches.Arret = true;

  const auto arret = B.Lance({"DIM A AS INTEGER", "PRINT \"avant\"", "INPUT A", "PRINT \"jamais\""});

  EXPECT_EQ(arret.Etat, kArret);
  EXPECT_EQ(arret.Debut, 2);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Appels(), (Textes{"texte 0,0 avant", "fin"}));

  B.Touches.Arret = false;
  B.Saisie.Reponses = {"5"};
  const auto suite = B.Continue(arret.Debut);

  EXPECT_EQ(suite.Etat, kContinue);
  EXPECT_EQ(B.Saisie.Ouvertures.size(), 2u);
  EXPECT_EQ(B.Entier("A"), 5);
  EXPECT_EQ(Appels(), (Textes{"texte 0,0 avant", "fin", "saisie 0,0 5", "texte 0,18 jamais", "fin"}));
}

struct CasLongueur {
  std::string Variable;
  std::size_t Longueur;
  bool Acceptee;
};

TEST_F(BancEcran, AnAnswerLongerThanTheLongestStringStopsTheRun) {
  const std::vector<CasLongueur> cas = {
      {"S", kLongueurMaxChaine, true}, {"S", kLongueurMaxChaine + 1, false}, {"N", kLongueurMaxChaine + 1, false}};
  for (const CasLongueur& c : cas) {
    B.It.Etat = kContinue;
    B.Messages.Textes.clear();
    B.Ecran.Appels.clear();
    B.Chaine("S") = "avant";
    B.Saisie.Reponses = {std::string(c.Longueur, '1')};

    Applique("INPUT", c.Variable);

    EXPECT_EQ(B.It.Etat, c.Acceptee ? kContinue : kArret) << c.Variable << c.Longueur;
    EXPECT_EQ(Messages(), c.Acceptee ? Textes{} : Textes{"Trop de variables"}) << c.Variable << c.Longueur;
    EXPECT_EQ(Appels().size(), c.Acceptee ? 1u : 0u) << c.Variable << c.Longueur;
    EXPECT_EQ(B.Chaine("S").size(), c.Acceptee ? c.Longueur : 5u) << c.Variable << c.Longueur;
  }
}

TEST_F(BancEcran, InputBoxPlacementSaturatesFarBeyondTheWindow) {
  constexpr int kMax = std::numeric_limits<int32_t>::max();
  PlaceCurseur(kMax, kMax);
  B.Saisie.Reponses = {"x"};

  Applique("INPUT", "S");

  ASSERT_EQ(B.Saisie.Ouvertures.size(), 1u);
  EXPECT_EQ(B.Saisie.Ouvertures[0].Gauche, kMax);
  EXPECT_EQ(B.Saisie.Ouvertures[0].Haut, kMax);
  EXPECT_EQ(B.Saisie.Ouvertures[0].Largeur, 640 - kMax - 10);
  EXPECT_EQ(B.It.Ecran.CurseurY, kMax);
}

}  // namespace
}  // namespace korvane::test
