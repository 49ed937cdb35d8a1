// The interpreter as its hosts see it: a run, then the queries of the debugging dialogs.
#include "interpreter/Interpreteur.h"

#include <gtest/gtest.h>

#include "support/Banc.h"

namespace korvane::test {
namespace {

class HoteTest : public ::testing::Test, protected FauxMonde {
 protected:
  Interpreteur it{Monde()};
  FauxProgramme programme{{"DIM N AS INTEGER", "DIM T(3) AS INTEGER", "DIM X AS REAL", "DIM S AS STRING",
                           "N = 3", "T(3) = 7", "X = 2,5", "S = COMMAND$", "GOSUB FIN", "END", "FIN:", "END"}};

  void SetUp() override {
    it.InitPrg("/tmp/essai.bas");
    it.ChangeSeparateurDecimal(',');
    it.ChangeParametres("abc");
    int debut = 0, resultat = 0;
    it.Exec(programme, debut, resultat, 0);
    ASSERT_EQ(resultat, 0);
    ASSERT_TRUE(Messages.Textes.empty());
  }
};

TEST_F(HoteTest, ARunIsShownUnderItsFileName) { EXPECT_EQ(Ecran.Titre, "Korvane - essai.bas"); }

TEST_F(HoteTest, TheListingSeesTheTableAndTheStack) {
  ASSERT_EQ(it.Symboles().size(), 5u);
  EXPECT_EQ(it.Symboles()[1].Nom, "T(");
  EXPECT_EQ(it.Symboles()[4].Genre, Genre::Etiquette);
  EXPECT_EQ(it.ElementsEnPile(), 1);  // END inside the subroutine left its return
}

TEST_F(HoteTest, TheInspectorReadsElementsByTheirSubscript) {
  const Symbole* t = it.ChercheEtiq("t(");
  ASSERT_NE(t, nullptr);
  const auto decalage = it.Indice("n");
  ASSERT_EQ(decalage, 2);
  EXPECT_EQ(it.LitValeur(int64_t{t->Adresse} + *decalage, t->Genre), "7");
  EXPECT_EQ(it.LitValeur(it.ChercheEtiq("X")->Adresse, Genre::Reel), "2,5");
  EXPECT_EQ(it.LitValeur(it.ChercheEtiq("S")->Adresse, Genre::Chaine), "abc");
  EXPECT_EQ(it.ChercheEtiq("INCONNU"), nullptr);
  EXPECT_TRUE(Messages.Textes.empty());
}

TEST_F(HoteTest, InspectorFailuresAreShownAsMessages) {
  EXPECT_EQ(it.Indice("X"), std::nullopt);
  EXPECT_EQ(it.LitValeur(2001, Genre::Entier), std::nullopt);
  EXPECT_EQ(Messages.Textes, (std::vector<std::string>{"Indice de type incorrect", "Erreur dans indice"}));
}

}  // namespace
}  // namespace korvane::test
