#include <gtest/gtest.h>

#include "machine/Symboles.h"
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
  const auto t = banc.It.Symboles.Symboles();
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[0].Nom, "A");
  EXPECT_EQ(t[1].Nom, "B");
  EXPECT_EQ(t[2].Nom, "C");
  EXPECT_EQ(t[2].Adresse, 3);
  EXPECT_EQ(t[3].Nom, "T(");
  EXPECT_EQ(t[3].Genre, Genre::Chaine);
  EXPECT_EQ(t[3].Adresse, 1);
  EXPECT_TRUE(banc.It.Valeurs.CelluleValide(10, Genre::Chaine));
  EXPECT_FALSE(banc.It.Valeurs.CelluleValide(11, Genre::Chaine));
  EXPECT_EQ(banc.It.Valeurs.Chaine(10), " ");
  EXPECT_EQ(t[4].Genre, Genre::Reel);
  EXPECT_EQ(banc.It.Valeurs.Alloue(Genre::Entier, 1), 4);  // the next INTEGER cell
}

TEST(PreAnalyse, LabelsAndSubsRecordTheirLine) {
  Banc banc;
  banc.Declare({"PRINT 1", "debut:", "SUBTOTAL = 1", "  SUB   Affiche  "});
  const auto symbole = [&](std::string_view nom) { return *ChercheEtiq(banc.It, nom); };
  EXPECT_EQ(symbole("DEBUT:").Genre, Genre::Etiquette);
  EXPECT_EQ(symbole("DEBUT:").Adresse, 1);
  EXPECT_EQ(symbole("TOTAL = 1").Genre, Genre::Sub);
  EXPECT_EQ(symbole("TOTAL = 1").Adresse, 2);
  EXPECT_EQ(symbole("affiche").Nom, "AFFICHE");
  EXPECT_EQ(symbole("affiche").Adresse, 3);
}

TEST(PreAnalyse, CommentCutHappensInsideNames) {
  Banc banc;
  banc.Declare({"PREMIER:", "DEBUT: ' commentaire", "FIN:"});
  ASSERT_EQ(banc.It.Symboles.Symboles().size(), 1u);  // PREMIER: is cut at REM, DEBUT: keeps a blank
  EXPECT_EQ(banc.It.Symboles.Symboles()[0].Nom, "FIN:");
}

TEST(PreAnalyse, AsIsFoundInsideANameAndTypesArePrefixes) {
  Banc banc;
  banc.Declare({"DIM BASE AS INTEGER", "DIM X AS INTEGERS", "DIM Y AS LONG"});
  const auto t = banc.It.Symboles.Symboles();
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].Nom, "B");
  EXPECT_EQ(t[0].Genre, Genre::Aucun);
  EXPECT_EQ(t[1].Genre, Genre::Entier);
  EXPECT_EQ(t[2].Genre, Genre::Aucun);
  EXPECT_EQ(banc.It.Valeurs.Alloue(Genre::Entier, 1), 2);  // untyped names reserve nothing
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
  banc.Entier("T(", 1) = 7;
  banc.Entier("T(", 2) = 8;
  ASSERT_TRUE(Empile(banc.It, 5));
  banc.Declare({"DIM U(3) AS INTEGER"});
  EXPECT_EQ(banc.It.Pile.Hauteur(), 0);
  EXPECT_EQ(ChercheEtiq(banc.It, "T("), nullptr);
  EXPECT_EQ(banc.Entier("U(", 1), 0);  // the first cell is cleared
  EXPECT_EQ(banc.Entier("U(", 2), 8);  // the others keep an earlier run's values
}

TEST(PreAnalyse, HugeStringArrayIsRefusedNotAllocated) {
  Banc banc;
  EXPECT_EQ(banc.Declare({"DIM T(2000000000) AS STRING"}), 0);
  EXPECT_EQ(banc.Messages.Textes, std::vector<std::string>{"Trop de variables"});
  EXPECT_FALSE(banc.It.Valeurs.CelluleValide(1, Genre::Chaine));
}

}  // namespace
}  // namespace korvane::test
