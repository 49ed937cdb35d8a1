#include <gtest/gtest.h>

#include "support/Banc.h"
#include "support/NomDeCas.h"

namespace korvane::test {
namespace {

struct CasDeclaration {
  std::vector<std::string> lignes;
  int ligneErreur;                     // -1: the scan succeeds
  std::vector<std::string> messages;
};

class PreAnalyseMessages : public testing::TestWithParam<CasDeclaration> {};

TEST_P(PreAnalyseMessages, ReportsAndStopsOnTheFirstFailingLine) {
  Banc banc;
  const CasDeclaration& cas = GetParam();
  EXPECT_EQ(banc.Declare(cas.lignes), cas.ligneErreur);
  EXPECT_EQ(banc.Messages.Textes, cas.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Declarations, PreAnalyseMessages,
    testing::Values(
        CasDeclaration{{"DIM A, B, C AS INTEGER", "DIM T(10) AS STRING", "DEBUT:", "SUB AFFICHE"}, -1, {}},
        CasDeclaration{{"DIM ABCDEFGHIJKLMNOPQRSTU AS INTEGER"}, 0, {"Nom trop long (20 maxi)"}},
        CasDeclaration{{"DIM ABCDEFGHIJKLMNOPQ(10) AS INTEGER"}, 0, {"Nom trop long (20 maxi)"}},
        CasDeclaration{{"DIM ABCDEFGHIJKLMNOPQRST AS INTEGER"}, -1, {}},
        CasDeclaration{{"DIM 2X AS INTEGER"}, 0, {"Caractère non valide (A-Z,a-z)"}},
        CasDeclaration{{"dim petit as integer"}, -1, {}},
        CasDeclaration{{"DIM A AS INTEGER", "", "DIM A AS REAL"}, 2, {"Symbole déjà défini"}},
        CasDeclaration{{"FIN:", "FIN:"}, 1, {"Identificateur dupliqué"}},
        CasDeclaration{{"SUB X", "SUB X"}, 1, {"Identificateur dupliqué"}},
        CasDeclaration{{"1FIN:"}, 0, {"Caractère non valide (A-Z,a-z)"}},
        CasDeclaration{{"SUB ABCDEFGHIJKLMNOPQRSTU"}, 0, {"Nom trop long (20 maxi)"}},
        CasDeclaration{{"DIM X INTEGER"}, 0, {"Erreur de syntaxe (manque AS)"}},
        CasDeclaration{{"DIMENSION = 3"}, 0, {"Erreur de syntaxe (manque AS)"}},
        CasDeclaration{{"DIM PREMIER AS INTEGER"}, 0, {"Erreur de syntaxe (manque AS)"}},  // cut at REM
        CasDeclaration{{"DIM T(5 AS INTEGER"}, 0, {"Erreur de syntaxe"}},
        CasDeclaration{{"DIM T(X) AS INTEGER"}, 0, {"Erreur de syntaxe"}},
        CasDeclaration{{"DIM T(-1) AS INTEGER"}, 0, {"Erreur de syntaxe"}},
        CasDeclaration{{"DIM T(2001) AS INTEGER"}, 0, {"Trop de variables"}},
        CasDeclaration{{"DIM T(2000) AS INTEGER", "DIM U AS INTEGER"}, 1, {"Trop de variables"}},
        CasDeclaration{{"DIM T(2000) AS REAL", "DIM U(0) AS REAL"}, -1, {}},
        // Every item of a list is tried, each failure with its own message.
        CasDeclaration{{"DIM 1A, B, 2C AS INTEGER"}, 0,
                       {"Caractère non valide (A-Z,a-z)", "Caractère non valide (A-Z,a-z)"}}),
    [](const auto& info) {
      std::string lignes;
      for (const std::string& ligne : info.param.lignes) lignes += ligne + " ";
      return NomDeCas(info.index, lignes);
    });

TEST(PreAnalyse, DimListDeclaresConsecutiveCells) {
  Banc banc;
  banc.Declare({"DIM A, B, C AS INTEGER", "DIM T(10) AS STRING", "DIM R AS REAL"});
  const auto& t = banc.It.TableSymboles;
  ASSERT_EQ(banc.It.NbSymboles, 5);
  EXPECT_EQ(t[1].Nom, "A");
  EXPECT_EQ(t[2].Nom, "B");
  EXPECT_EQ(t[3].Nom, "C");
  EXPECT_EQ(t[3].Adresse, 3);
  EXPECT_EQ(t[4].Nom, "T(");
  EXPECT_EQ(t[4].Genre, 'S');
  EXPECT_EQ(t[4].Adresse, 1);
  EXPECT_EQ(banc.It.Chaines.size(), 11u);
  EXPECT_EQ(banc.It.Chaines[10], " ");
  EXPECT_EQ(t[5].Genre, 'R');
  EXPECT_EQ(banc.It.NbEntiers, 3);
}

TEST(PreAnalyse, LabelsAndSubsRecordTheirLine) {
  Banc banc;
  banc.Declare({"PRINT 1", "debut:", "SUBTOTAL = 1", "  SUB   Affiche  "});
  char genre = 0;
  int32_t adresse = 0;
  std::string nom = "DEBUT:";
  banc.It.ChercheEtiq(nom, genre, adresse);
  EXPECT_EQ(genre, 'L');
  EXPECT_EQ(adresse, 1);
  nom = "TOTAL = 1";
  banc.It.ChercheEtiq(nom, genre, adresse);
  EXPECT_EQ(genre, 'P');
  EXPECT_EQ(adresse, 2);
  nom = "affiche";
  banc.It.ChercheEtiq(nom, genre, adresse);
  EXPECT_EQ(nom, "AFFICHE");
  EXPECT_EQ(adresse, 3);
}

TEST(PreAnalyse, CommentCutHappensInsideNames) {
  Banc banc;
  banc.Declare({"PREMIER:", "DEBUT: ' commentaire", "FIN:"});
  EXPECT_EQ(banc.It.NbSymboles, 1);  // PREMIER: is cut at REM, DEBUT: keeps a blank
  EXPECT_EQ(banc.It.TableSymboles[1].Nom, "FIN:");
}

TEST(PreAnalyse, AsIsFoundInsideANameAndTypesArePrefixes) {
  Banc banc;
  banc.Declare({"DIM BASE AS INTEGER", "DIM X AS INTEGERS", "DIM Y AS LONG"});
  const auto& t = banc.It.TableSymboles;
  ASSERT_EQ(banc.It.NbSymboles, 3);
  EXPECT_EQ(t[1].Nom, "B");
  EXPECT_EQ(t[1].Genre, 0);
  EXPECT_EQ(t[2].Genre, 'I');
  EXPECT_EQ(t[3].Genre, 0);
  EXPECT_EQ(banc.It.NbEntiers, 1);  // untyped names reserve nothing
}

TEST(PreAnalyse, TwoHundredSymbolsFitAndTheNextFails) {
  std::vector<std::string> lignes;
  for (int i = 1; i <= 200; ++i) lignes.push_back("DIM V" + std::to_string(i) + " AS INTEGER");
  Banc banc;
  EXPECT_EQ(banc.Declare(lignes), -1);
  lignes.push_back("DIM W AS STRING");
  EXPECT_EQ(banc.Declare(lignes), 200);
  EXPECT_EQ(banc.Messages.Textes.back(), "Table des symboles saturée");
  lignes.back() = "W:";
  EXPECT_EQ(banc.Declare(lignes), 200);
  EXPECT_EQ(banc.Messages.Textes.back(), "Trop de variables");
}

TEST(PreAnalyse, ResetEmptiesTablesAndKeepsOldArrayCells) {
  Banc banc;
  banc.Declare({"DIM T(3) AS INTEGER"});
  banc.It.Entiers[1] = 7;
  banc.It.Entiers[2] = 8;
  banc.It.Empile(5);
  banc.Declare({"DIM U(3) AS INTEGER"});
  EXPECT_EQ(banc.It.SommetPile, 0);
  EXPECT_EQ(banc.It.Entiers[1], 0);  // the first cell is cleared
  EXPECT_EQ(banc.It.Entiers[2], 8);  // the others keep an earlier run's values
}

TEST(PreAnalyse, HugeStringArrayIsRefusedNotAllocated) {
  Banc banc;
  EXPECT_EQ(banc.Declare({"DIM T(2000000000) AS STRING"}), 0);
  EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{"Trop de variables"});
  EXPECT_EQ(banc.It.Chaines.size(), 1u);
}

struct CasIndice {
  const char* texte;
  int32_t decalage;
  const char* message;  // empty: no error
};

TEST(Indice, LiteralsIntegerVariablesAndFailures) {
  const CasIndice cas[] = {
      {"3", 2, ""},          {"$10", 15, ""},           {"n", 4, ""},  // N holds 5
      {"X", 0, "Indice de type incorrect"},                           // a REAL
      {"Z", 0, "Erreur dans indice"},                                 // unknown and not a number
      {"1+1", 0, "Erreur dans indice"},
  };
  for (const CasIndice& c : cas) {
    Banc banc;
    banc.Declare({"DIM N AS INTEGER", "DIM X AS REAL"});
    banc.It.Entiers[1] = 5;
    const int32_t decalage = banc.It.Indice(c.texte);
    if (*c.message) {
      EXPECT_EQ(banc.It.Etat, kArret) << c.texte;
      EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{c.message}) << c.texte;
    } else {
      EXPECT_EQ(banc.It.Etat, kContinue) << c.texte;
      EXPECT_EQ(decalage, c.decalage) << c.texte;
    }
  }
}

TEST(Valeurs, WriteConvertsByKindAndRefusesBadText) {
  Banc banc;
  banc.Declare({"DIM I AS INTEGER", "DIM R AS REAL", "DIM S AS STRING", "DIM U AS LONG"});
  banc.It.EcritValeur("42", 'I', 1);
  banc.It.EcritValeur("2.5", 'R', 1);
  banc.It.EcritValeur("  texte ", 'S', 1);
  banc.It.EcritValeur("9", 0, 1);  // an untyped symbol writes nothing
  EXPECT_EQ(banc.It.Entiers[1], 42);
  EXPECT_EQ(banc.It.Reels[1], 2.5);
  EXPECT_EQ(banc.It.Chaines[1], "  texte ");
  EXPECT_TRUE(banc.Messages.Textes.empty());

  banc.It.EcritValeur("4x2", 'I', 1);
  EXPECT_EQ(banc.It.Etat, kArret);
  EXPECT_EQ(banc.It.Entiers[1], 42);
  banc.It.EcritValeur("1E39", 'R', 1);
  EXPECT_EQ(banc.It.Reels[1], 2.5);
  EXPECT_EQ(banc.Messages.Textes, (std::vector<std::string>{"Erreur de conversion", "Erreur de conversion"}));
}

TEST(Valeurs, CellsOutsideTheStoresAreNeverTouched) {
  Banc banc;
  banc.Declare({"DIM S AS STRING"});
  double r = 0;
  int32_t i = 0;
  std::string s;
  for (int32_t adresse : {0, 2001, -5}) {
    banc.It.Etat = kContinue;
    banc.It.LitValeur(adresse, 'I', r, i, s);
    EXPECT_EQ(banc.It.Etat, kArret) << adresse;
    banc.It.Etat = kContinue;
    banc.It.EcritValeur("1", 'R', adresse);
    EXPECT_EQ(banc.It.Etat, kArret) << adresse;
  }
  banc.It.Etat = kContinue;
  banc.It.EcritValeur("x", 'S', 2);  // past the end of Chaines
  EXPECT_EQ(banc.It.Etat, kArret);
  EXPECT_EQ(banc.Messages.Textes.back(), "Erreur dans indice");
}

TEST(TexteValide, VetsInputByKind) {
  EXPECT_TRUE(Interpreteur::TexteValide("abc", 'S'));
  EXPECT_TRUE(Interpreteur::TexteValide("", 'S'));
  EXPECT_FALSE(Interpreteur::TexteValide("", 'I'));
  EXPECT_TRUE(Interpreteur::TexteValide("4x2", 'I'));
  EXPECT_FALSE(Interpreteur::TexteValide("abc", 'I'));
  EXPECT_FALSE(Interpreteur::TexteValide(",", 'I'));
  EXPECT_TRUE(Interpreteur::TexteValide(",", 'R'));
  EXPECT_FALSE(Interpreteur::TexteValide("12", 'L'));
}

TEST(Pile, HoldsOneHundredEntries) {
  Banc banc;
  for (int i = 1; i <= 100; ++i) banc.It.Empile(i);
  EXPECT_EQ(banc.It.Etat, kContinue);
  banc.It.Empile(101);
  EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{"Pile saturée"});
  int32_t valeur = 0;
  banc.It.Depile(valeur);
  EXPECT_EQ(valeur, 100);
  banc.It.SommetPile = 0;
  valeur = -3;
  banc.It.Depile(valeur);
  EXPECT_EQ(valeur, -3);  // not written when empty
  EXPECT_EQ(banc.Messages.Textes.back(), "Pile vide");
}

}  // namespace
}  // namespace korvane::test
