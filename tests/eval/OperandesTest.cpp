#include <gtest/gtest.h>

#include "BancEvaluation.h"
#include "eval/Operandes.h"

namespace korvane::test {
namespace {

class Operandes : public BancEvaluation {
 protected:
  void SetUp() override {
    BancEvaluation::SetUp();
    banc.Pose("N", "42");
    banc.Pose("I", "2");
    banc.Pose("R", "0.1");
    banc.Pose("S$", "été");
    banc.Pose("T(", "30", 3);
    banc.Pose("T(", "20", 2);
    banc.Pose("T$(", "deux", 2);
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
  Valeurs(LitOperande, cas);
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
  Echecs(LitOperande, cas);
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
  Valeurs(LitChaine, cas);
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
  Echecs(LitChaine, cas);
}

TEST_F(Operandes, RealsUseTheDecimalSeparator) {
  it.SeparateurDecimal = ',';
  banc.Pose("X", "2,5");
  EXPECT_EQ(Evalue(LitOperande, "X"), "2,5");
  EXPECT_EQ(Echec(LitOperande, "2,5"), "Expression incorrecte");
}

TEST_F(Operandes, SubscriptStopsAtTheWindowAfterTheParenthesis) {
  // The ")" must stand within the 255 characters after "(".
  const std::string loin = "T(" + std::string(255, ' ') + "3)";
  EXPECT_EQ(Echec(LitOperande, loin), "Erreur de syntaxe");
  EXPECT_EQ(Evalue(LitOperande, "T(" + std::string(252, ' ') + "3)"), "30");
}

}  // namespace
}  // namespace korvane::test
