#include <gtest/gtest.h>

#include "BancEvaluation.h"
#include "base/Calcul.h"
#include "eval/Affectation.h"

namespace korvane::test {
namespace {

// The assignment as an evaluator: it succeeds when it leaves the state as it was.
bool Assigne(Machine& m, std::string& ligne) {
  korvane::Affectation(m, ligne);
  return m.Etat == kContinue;
}

class Affectation : public BancEvaluation {
 protected:
  void SetUp() override {
    BancEvaluation::SetUp();
    banc.Pose("N", "2");
    banc.Pose("I", "11");
    banc.Pose("A$", "avant");
  }

  // Assigns one line from a clear state; tells whether it succeeded.
  bool Affecte(const std::string& ligne) {
    it.Etat = kContinue;
    return Lit(Assigne, ligne).has_value();
  }

  void Affectations(std::span<const Cas> cas, const char* variable) {
    for (const Cas& c : cas) {
      EXPECT_TRUE(Affecte(c.texte)) << c.texte;
      EXPECT_EQ(banc.Valeur(variable), c.attendu) << c.texte;
    }
    EXPECT_TRUE(banc.Messages.Textes.empty());
  }
};

TEST_F(Affectation, StoresTheValueByTheTargetsType) {
  const Cas entiers[] = {{"C=5", "5"}, {"C = 6", "6"},       {"c = 7 * 2", "14"},
                         {"C =", "0"}, {"C = I MOD 3", "2"}, {"C = -5", "-5"}};
  Affectations(entiers, "C");
  const Cas reels[] = {{"R = 0.1", "0.100000000000023"}, {"R = 1 / 3", "0.333333333333485"}, {"R =", "0"},
                       {"R = X", "0"}, {"R = 2.5 * 2", "5"}};
  Affectations(reels, "R");
  const Cas chaines[] = {
      {R"(S$ = "x=y")", "x=y"},  // only the first "=" separates target and value
      {R"(S$ = "Il a dit ""oui""")", R"(Il a dit ""oui"")"},
      {R"(S$ = A$ + "!")", "avant!"},
      {"S$ =", ""},
      {R"(S$ = MID$("a=b",1,3))", "a=b"},
  };
  Affectations(chaines, "S$");
}

TEST_F(Affectation, ArrayElements) {
  for (const char* ligne : {"T(3) = 7", "T(N) = 8", "t(1) = 9", R"(T$(2) = "deux")", "X(3) = 1.5"})
    EXPECT_TRUE(Affecte(ligne)) << ligne;
  EXPECT_TRUE(banc.Messages.Textes.empty());
  EXPECT_EQ(banc.Valeur("T(", 3), "7");
  EXPECT_EQ(banc.Valeur("T(", 2), "8");
  EXPECT_EQ(banc.Valeur("T(", 1), "9");
  EXPECT_EQ(banc.Valeur("T$(", 2), "deux");
  EXPECT_EQ(banc.Valeur("X(", 3), "1.5");
  EXPECT_EQ(banc.Valeur("X"), "0");  // the scalar X is another symbol
}

TEST_F(Affectation, LabelsAndSubsTakeNoValue) {
  for (const char* ligne : {"ROUTINE = 1", "DEBUT: = 2"}) EXPECT_TRUE(Affecte(ligne)) << ligne;
  EXPECT_TRUE(banc.Messages.Textes.empty());
}

TEST_F(Affectation, Failures) {
  const Cas cas[] = {
      {"X 5", "Identificateur inconnu"},
      {"PRIN X", "Identificateur inconnu"},
      {"LET X = 5", "Identificateur inconnu"},
      {"DEBUT = 1", "Identificateur inconnu"},  // the label is DEBUT:
      {"ZZ = 1", "Identificateur inconnu"},
      {"T(3 = 7", "Erreur de syntaxe"},
      {"T(N+1) = 7", "Erreur dans indice"},
      {"T(R) = 7", "Indice de type incorrect"},
      {"T(2147483647) = 1", "Indice incorrect"},  // the cell number overflows
      {"T(2001) = 1", "Erreur dans indice"},
      {"ZZ(1) = 1", "Identificateur inconnu"},
      {"R = I + 1", "Type incorrect"},
      {R"(C = "abc")", R"(Erreur dans expression "abc")"},
      {"A$ = N", "ce n'est pas un string"},
      {R"(A$ = "x" + B$ + "y")", "chaine sans fin"},
  };
  Echecs(Assigne, cas);
  EXPECT_EQ(banc.Valeur("A$"), "avant");
  EXPECT_EQ(banc.Valeur("R"), "0");
}

TEST_F(Affectation, FailuresLeaveTheTargetUnchanged) {
  EXPECT_FALSE(Affecte("C = 1 / 0"));
  EXPECT_EQ(it.Etat, kArret);
  EXPECT_TRUE(banc.Messages.Textes.empty());
  EXPECT_THROW(Affecte("C = 2.5"), EchecExecution);
  EXPECT_THROW(Affecte("C = 2+3*4"), EchecExecution);
  EXPECT_THROW(Affecte("R = 1.5.2"), EchecExecution);
  EXPECT_EQ(banc.Valeur("C"), "0");
  EXPECT_EQ(banc.Valeur("R"), "0");
}

TEST_F(Affectation, CommaSeparator) {
  it.SeparateurDecimal = ',';
  EXPECT_TRUE(Affecte("R = 2,5"));
  EXPECT_EQ(banc.Valeur("R"), "2,5");
  EXPECT_TRUE(Affecte("R = R * 2"));
  EXPECT_EQ(banc.Valeur("R"), "5");
  EXPECT_EQ(Abandon(Assigne, "R = 2.5"), "'2.5' n'est pas une valeur flottante correcte");
  EXPECT_EQ(banc.Valeur("R"), "5");
}

// Through the run loop: every line the dispatcher does not know is an assignment.
TEST(AffectationProgramme, LinesRunThroughTheDispatcher) {
  Banc banc;
  const auto resultat = banc.Lance({
      "DIM PRINTX, N AS INTEGER",
      "DIM S$ AS STRING",
      "PRINTX = 1",
      "N = PRINTX + 41",
      "S$ = STRING$(N,\"*\")",
      "N = LEN(S$) * 2",
      "END",
  });
  EXPECT_EQ(resultat.Etat, kContinue);
  EXPECT_TRUE(banc.Messages.Textes.empty());
  EXPECT_EQ(banc.Entier("PRINTX"), 1);
  EXPECT_EQ(banc.Entier("N"), 84);
}

TEST(AffectationProgramme, ErrorsStopTheRunAtTheirLine) {
  struct Arret {
    const char* ligne;
    const char* message;  // nothing for a silent stop
  };
  const Arret cas[] = {
      {"N = 1 / 0", nullptr},
      {"LET N = 1", "Identificateur inconnu"},
      {"N = LEN(Q$)", "Variable Q$ n'existe pas"},
  };
  for (const Arret& c : cas) {
    Banc banc;
    const auto resultat = banc.Lance({"DIM N AS INTEGER", "N = 5", c.ligne, "N = 6"});
    EXPECT_EQ(resultat.Etat, kArret) << c.ligne;
    EXPECT_EQ(resultat.Debut, 2) << c.ligne;
    EXPECT_EQ(banc.Entier("N"), 5) << c.ligne;
    EXPECT_EQ(banc.Messages.Textes, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
        << c.ligne;
  }
}

TEST(AffectationProgramme, UnconvertibleNumberTermsEscapeTheRun) {
  Banc banc;
  try {
    banc.Lance({"DIM N AS INTEGER", "N = 2+3*4"});
    ADD_FAILURE() << "no failure escaped";
  } catch (const EchecExecution& e) {
    EXPECT_STREQ(e.what(), "'3*4' n'est pas une valeur entière correcte");
  }
}

// A string may not outgrow the limit, neither through the text of the line nor through the
// run loop's compiled form of it; the variable keeps its value.
TEST(Concatenation, RefusesAStringPastTheLimit) {
  const std::string ajout = "S$ = S$ + \"y\"";
  for (const bool compile : {false, true}) {
    Banc banc;
    ASSERT_EQ(banc.Declare({"DIM S$ AS STRING", ajout}), -1);
    banc.Chaine("S$") = std::string(kLongueurMaxChaine, 'x');
    if (compile) EXPECT_EQ(banc.Continue(1).Etat, kArret);
    else korvane::Affectation(banc.It, ajout);
    EXPECT_EQ(banc.It.Etat, kArret) << compile;
    EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{"Trop de variables"}) << compile;
    EXPECT_EQ(banc.Chaine("S$").size(), kLongueurMaxChaine) << compile;
    banc.Chaine("S$").pop_back();
    banc.Messages.Textes.clear();
    banc.It.Etat = kContinue;
    korvane::Affectation(banc.It, ajout);
    EXPECT_EQ(banc.It.Etat, kContinue) << compile;
    EXPECT_TRUE(banc.Messages.Textes.empty()) << compile;
    EXPECT_EQ(banc.Chaine("S$").size(), kLongueurMaxChaine) << compile;
    EXPECT_EQ(banc.Chaine("S$").back(), 'y') << compile;
  }
}

}  // namespace
}  // namespace korvane::test
