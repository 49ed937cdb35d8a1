#include <gtest/gtest.h>

#include "BancEvaluation.h"

namespace korvane::test {
namespace {

class Operandes : public BancEvaluation {
 protected:
  void SetUp() override {
    BancEvaluation::SetUp();
    Pose("N", "42");
    Pose("I", "2");
    Pose("R", "0.1");
    Pose("S$", "été");
    Pose("T(", "30", 3);
    Pose("T(", "20", 2);
    Pose("T$(", "deux", 2);
  }
};

TEST_F(Operandes, LitOperandeValues) {
  const Cas cas[] = {
      {R"("Il a dit ""oui""")", R"(Il a dit "oui"")"},  // only the first pair is reduced
      {R"("AB"CD")", R"(AB"CD)"},
      {R"("")", ""},
      {R"("""")", R"(")"},
      {"007", "007"},  // number literals stay as written
      {"1.50", "1.50"},
      {"+5", "+5"},
      {"1+2", "1+2"},
      {".5", ".5"},
      {R"("abc"")", "abc"},  // the pair reduced is the closing one
      {"N", "42"},
      {"n", "42"},
      {"R", "0.100000000000023"},
      {"S$", "été"},
      {"T(3)", "30"},
      {"T(I)", "20"},
      {"T(3)xyz", "30"},  // text after ")" is ignored
      {"T$(2)", "deux"},
      {"DEBUT:", "DEBUT:"},  // a label reads as its own text
      {"routine", "routine"},
  };
  for (const Cas& c : cas) {
    it.Etat = kContinue;
    EXPECT_EQ(Evalue(&Interpreteur::LitOperande, c.texte), c.attendu) << c.texte;
    EXPECT_EQ(it.Etat, kContinue) << c.texte;
  }
  EXPECT_TRUE(banc.Messages.Textes.empty());
}

TEST_F(Operandes, LitOperandeFailures) {
  const Cas cas[] = {
      {R"("abc)", "chaine sans fin"},
      {R"(")", "chaine sans fin"},
      {R"("a""b)", "chaine sans fin"},  // the pair is reduced, no closing quote remains
      {"12AB", "Expression incorrecte"},
      {"1E5", "Expression incorrecte"},
      {"2,5", "Expression incorrecte"},
      {"T(3", "Erreur de syntaxe"},
      {"ZZ", "Identificateur ZZ inconnu"},
      {"zz(1)", "Identificateur ZZ( inconnu"},
      {"T (3)", "Identificateur T ( inconnu"},
      {"T(Q)", "Erreur dans indice"},
      {"T(R)", "Indice de type incorrect"},
  };
  for (const Cas& c : cas) EXPECT_EQ(Echec(&Interpreteur::LitOperande, c.texte), c.attendu) << c.texte;
}

TEST_F(Operandes, LitChaineValues) {
  const Cas cas[] = {
      {R"("abc")", "abc"},
      {R"("a""b")", R"(a""b)"},  // doubled quotes are not reduced
      {R"("")", ""},
      {"S$", "été"},
      {"s$", "été"},
      {"T$(2)", "deux"},
      {"T$(I)", "deux"},
  };
  for (const Cas& c : cas) {
    it.Etat = kContinue;
    EXPECT_EQ(Evalue(&Interpreteur::LitChaine, c.texte), c.attendu) << c.texte;
    EXPECT_EQ(it.Etat, kContinue) << c.texte;
  }
  EXPECT_TRUE(banc.Messages.Textes.empty());
}

TEST_F(Operandes, LitChaineFailures) {
  const Cas cas[] = {
      {R"(")", "chaine sans fin"},
      {R"("abc)", "chaine sans fin"},
      {"N", "ce n'est pas un string"},
      {"T(2)", "ce n'est pas un string"},
      {"DEBUT:", "ce n'est pas un string"},
      {"Q$", "Variable Q$ n'existe pas"},
      {"q$", "Variable q$ n'existe pas"},  // the name as written
      {"Q$(2)", "Variable Q$ n'existe pas"},
      {"A$+B$", "Variable A$+B$ n'existe pas"},
      {"T$(2", "Erreur de syntaxe"},
      {"T$(Q)", "Erreur dans indice"},
  };
  for (const Cas& c : cas) EXPECT_EQ(Echec(&Interpreteur::LitChaine, c.texte), c.attendu) << c.texte;
}

TEST_F(Operandes, RealsUseTheDecimalSeparator) {
  it.SeparateurDecimal = ',';
  Pose("X", "2,5");
  EXPECT_EQ(Evalue(&Interpreteur::LitOperande, "X"), "2,5");
  EXPECT_EQ(Echec(&Interpreteur::LitOperande, "2,5"), "Expression incorrecte");
}

TEST_F(Operandes, SubscriptStopsAtTheWindowAfterTheParenthesis) {
  // The ")" must stand within the 255 characters after "(".
  const std::string loin = "T(" + std::string(255, ' ') + "3)";
  EXPECT_EQ(Echec(&Interpreteur::LitOperande, loin), "Erreur de syntaxe");
  it.Etat = kContinue;
  EXPECT_EQ(Evalue(&Interpreteur::LitOperande, "T(" + std::string(252, ' ') + "3)"), "30");
}

}  // namespace
}  // namespace korvane::test
