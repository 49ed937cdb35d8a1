#include <gtest/gtest.h>

#include "BancEvaluation.h"
#include "base/Nombres.h"
#include "eval/Evaluateur.h"

namespace korvane::test {
namespace {

class Evaluateur : public BancEvaluation {
 protected:
  void SetUp() override {
    BancEvaluation::SetUp();
    banc.Pose("N", "42");
    banc.Pose("A", "-7");
    banc.Pose("B", "-2147483648");
    banc.Pose("C", "-1");
    banc.Pose("I", "3");
    banc.Pose("MODE", "9");
    banc.Pose("R", "-7");
    banc.Pose("X", "2.5");
    banc.Pose("T(", "30", 3);
    banc.Pose("X(", "1.5", 2);
    banc.Pose("S$", "s");
    banc.Pose("A$", "a");
    banc.Pose("B$", "b");
    banc.Pose("T$(", "deux", 2);
  }
};

TEST_F(Evaluateur, CoupeOperateurSplitsAtTheFirstOperatorFromTheLeft) {
  using enum OperateurArith;
  struct Coupe {
    const char* expression;
    const char* gauche;
    OperateurArith operateur;
    const char* droite;
  };
  const Coupe cas[] = {
      {"A-B-C", "A", Moins, "B-C"},
      {"-5", "", Moins, "5"},
      {"3*-2", "3", Fois, "-2"},
      {"  7 \\ 2 ", "7", Quotient, "2"},
      {"6 / 3", "6", Division, "3"},
      {"T(I-1) + 2", "T(I-1)", Plus, "2"},
      {"((A-B)-C)", "((A-B)", Moins, "C)"},  // one ")" reopens the scan after "(("
      {"(A - B)", "(A - B)", Aucun, ""},
      {"7 MOD 2", "7", Modulo, "2"},
      {"7 mod 2", "7", Modulo, "2"},
      {"MODE", "", Modulo, "E"},
      {"nmods", "n", Modulo, "s"},
      {"MODE + 1", "MODE", Plus, "1"},
      {"A(**2", "A(", Puissance, "*2"},
      {"LEN(A$)", "LEN(A$)", Aucun, ""},
      {"", "", Aucun, ""},
  };
  for (const Coupe& c : cas) {
    const Operation operation = CoupeOperateur(c.expression);
    EXPECT_EQ(operation.Gauche, c.gauche) << c.expression;
    EXPECT_EQ(operation.Operateur, c.operateur) << c.expression;
    EXPECT_EQ(operation.Droite, c.droite) << c.expression;
  }
}

TEST_F(Evaluateur, CoupeOperateurKeeps255CharactersOnTheRight) {
  EXPECT_EQ(CoupeOperateur("1+" + std::string(300, '9')).Droite, std::string(255, '9'));
}

TEST_F(Evaluateur, EvalEntierOperators) {
  const Cas cas[] = {
      {"", "0"},
      {"5", "5"},
      {"007", "7"},
      {"-5", "-5"},
      {"+5", "5"},
      {"2 + 3", "5"},
      {"2-3", "-1"},
      {"6 * 7", "42"},
      {"7 \\ 2", "3"},
      {"A \\ 2", "-3"},  // truncated toward zero
      {"A MOD 2", "-1"},  // sign of the left operand
      {"7 / 2", "4"},   // halves to even
      {"5 / 2", "2"},
      {"A / 2", "-4"},
      {"C / 2", "0"},
      {"10 / 3", "3"},
      {"N", "42"},
      {"n + 1", "43"},
      {"T(3) * 2", "60"},
      {"T(I)", "30"},
  };
  Valeurs(EvalEntier, cas);
}

TEST_F(Evaluateur, EvalEntierWrapsAround) {
  const Cas cas[] = {
      {"2147483647 + 1", "-2147483648"},
      {"B - 1", "2147483647"},
      {"B * C", "-2147483648"},
      {"B \\ C", "-2147483648"},
      {"B MOD C", "0"},
      {"B / C", "-2147483648"},
      {"65536 * 65536", "0"},
      {"2147483647 * 2147483647", "1"},
      {"B + B", "0"},
  };
  Valeurs(EvalEntier, cas);
}

TEST_F(Evaluateur, EvalEntierDivisionByZeroStopsSilently) {
  const char* const textes[] = {"1 / 0", "1 \\ 0", "1 MOD 0", "B / 0", "0 / 0"};
  ArretsMuets(EvalEntier, textes);
}

TEST_F(Evaluateur, EvalEntierFailures) {
  const Cas cas[] = {
      {"R * 3", "Type incorrect"},
      {"S$", "Type incorrect"},
      {"DEBUT:", "Type incorrect"},
      {"ZZ + 1", "Erreur dans expression ZZ"},
      {"1 + zz", "Erreur dans expression zz"},
      {"$1F", "Erreur dans expression $1F"},
      {".5", "Erreur dans expression .5"},
      {"MODE", "Erreur dans expression E"},  // MOD is found inside the name
      {"(A - B)", "Identificateur inconnu"},
      {"A - (B)", "Identificateur inconnu"},
      {"ZZ(3)", "Identificateur inconnu"},
      {"X(2)", "Erreur de type"},
      {"T$(2)", "Erreur de type"},
      {"T(3", "Erreur de syntaxe"},
      {"T(Q)", "Erreur dans indice"},
      {"RND", "Erreur dans expression RND"},
  };
  Echecs(EvalEntier, cas);
}

TEST_F(Evaluateur, EvalEntierNumberTermsThatDoNotConvertAbortTheRun) {
  const Cas cas[] = {
      {"2+3*4", "'3*4' n'est pas une valeur entière correcte"},
      {"-7 MOD 2", "'7 MOD 2' n'est pas une valeur entière correcte"},
      {"7 MOD -2 - 1", "'7 MOD' n'est pas une valeur entière correcte"},
      {"2.5", "'2.5' n'est pas une valeur entière correcte"},
      {"3000000000", "'3000000000' n'est pas une valeur entière correcte"},
      {"1 + 2é", "'2é' n'est pas une valeur entière correcte"},
  };
  Abandons(EvalEntier, cas);
}

TEST_F(Evaluateur, EvalReelOperatorsRoundToTheSixByteReal) {
  const Cas cas[] = {
      {"", "0"},
      {"0.1", "0.100000000000023"},
      {"1 / 3", "0.333333333333485"},
      {"2.5 * 2", "5"},
      {"-2.5", "-2.5"},
      {".5 + .25", "0.75"},
      {"1E5", "100000"},
      {"0.00001 * 1", "9.99999999999612E-6"},  // 1E-5 is not exact in 40 bits
      {"0.5 / 1024", "0.00048828125"},
      {"1E15 * 1", "1E15"},
      {"1E20 + 0", "9.99999999999486E19"},
      {"0.00000000000000000001 * 0.00000000000000000001", "0"},  // below the smallest 6-byte real
      {"7 \\ 2", "3"},
      {"R \\ 2", "-3"},
      {"R MOD 2", "-1"},
      {"7.5 MOD 2", "1.5"},
      {"X", "2.5"},
      {"x * x", "6.25"},
      {"X(2) + 1", "2.5"},
      {"X - X", "0"},
  };
  Valeurs(EvalReel, cas);
}

TEST_F(Evaluateur, EvalReelArithmeticFailuresStopSilently) {
  const char* const textes[] = {"1 / 0", "0 / 0", "1 \\ 0", "1 MOD 0", "1E38 * 10", "1E38 + 1E38"};
  ArretsMuets(EvalReel, textes);
}

TEST_F(Evaluateur, EvalReelFailures) {
  const Cas cas[] = {
      {"I + 1", "Type incorrect"},
      {"N * 3", "Type incorrect"},
      {"ZZ", "Erreur dans expression ZZ"},
      {"RND(1)", "Identificateur inconnu"},
      {"T(3)", "Erreur de type"},
      {"X(2", "Erreur de syntaxe"},
      {"MODE", "Erreur dans expression E"},
  };
  Echecs(EvalReel, cas);
}

TEST_F(Evaluateur, EvalReelNumberTermsThatDoNotConvertAbortTheRun) {
  const Cas cas[] = {
      {"1.5.2", "'1.5.2' n'est pas une valeur flottante correcte"},
      {"1E39", "'1E39' n'est pas une valeur flottante correcte"},  // too large for the store
      {"2,5", "'2,5' n'est pas une valeur flottante correcte"},
      {"1E-5", "'1E' n'est pas une valeur flottante correcte"},  // the exponent's sign splits
      {"1 + 2*3", "'2*3' n'est pas une valeur flottante correcte"},
  };
  Abandons(EvalReel, cas);
}

TEST_F(Evaluateur, EvalReelWithACommaSeparator) {
  it.SeparateurDecimal = ',';
  const Cas cas[] = {{"2,5 * 2", "5"}, {"2,5 + 1", "3,5"}, {"X", "2,5"}, {"1 / 4", "0,25"}};
  Valeurs(EvalReel, cas);
  EXPECT_EQ(Abandon(EvalReel, "2.5"), "'2.5' n'est pas une valeur flottante correcte");
}

TEST_F(Evaluateur, RndIsUniformInTheUnitInterval) {
  for (const char* texte : {"RND", "rnd", " Rnd "}) {
    for (int essai = 0; essai < 50; ++essai) {
      const auto valeur = TexteVersReel(Evalue(EvalReel, texte), '.');
      ASSERT_TRUE(valeur) << texte;
      EXPECT_GE(*valeur, 0.0);
      EXPECT_LT(*valeur, 1.0);
    }
  }
  // RANDOMIZE with the same clock restarts the same sequence.
  ASSERT_EQ(banc.Execute("RANDOMIZE"), kContinue);
  const std::string premier = Evalue(EvalReel, "RND");
  ASSERT_EQ(banc.Execute("RANDOMIZE"), kContinue);
  EXPECT_EQ(Evalue(EvalReel, "RND"), premier);
}

TEST_F(Evaluateur, EvalChaineJoinsTwoTerms) {
  banc.Temps.Heure = "14:05:09";
  banc.Temps.Date = "07/12/2026";
  it.TexteParametres = "-v fichier";
  const Cas cas[] = {
      {R"("a" + "b")", "ab"},
      {R"("a+b")", "a+b"},
      {R"("a" + "+")", "a+"},
      {R"(A$+"!")", "a!"},
      {R"(A$ + B$)", "ab"},
      {"S$", "s"},
      {"T$(2)", "deux"},
      {R"("Il a dit ""oui""")", R"(Il a dit ""oui"")"},  // the string reader reduces no pair
      {"", ""},
      {"   ", ""},
      {"TIME$", "14:05:09"},
      {"time$", "14:05:09"},
      {R"(TIME$ + "!")", "14:05:09!"},
      {"DATE$", "07/12/2026"},
      {"COMMAND$", "-v fichier"},
  };
  Valeurs(EvalChaine, cas);
}

TEST_F(Evaluateur, EvalChaineFailures) {
  const Cas cas[] = {
      {R"("x" + B$ + "y")", "chaine sans fin"},
      {"A$+B$+C$", "Variable A$+B$ n'existe pas"},
      {"N", "ce n'est pas un string"},
      {"X(2)", "erreur de type"},
      {"ZZ(2)", "Identificateur inconnu"},
      {"T$(2", "Erreur de syntaxe"},
      {R"("a" + ZZ$)", "Variable ZZ$ n'existe pas"},
      {R"(ZZ$ + "a")", "Variable ZZ$ n'existe pas"},  // the right term is not read after an error
  };
  Echecs(EvalChaine, cas);
}

TEST_F(Evaluateur, InkeyGivesTheOldestKeyOnce) {
  banc.Touches.Touches = {"a", "\xe9"};
  EXPECT_EQ(Evalue(EvalChaine, "INKEY$"), "a");
  EXPECT_EQ(Evalue(EvalChaine, "inkey$ + \"!\""), "é!");
  EXPECT_EQ(Evalue(EvalChaine, "INKEY$"), "");
  EXPECT_EQ(it.Etat, kContinue);
}

}  // namespace
}  // namespace korvane::test
