// The value parts of the machine and the routines that report through it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "machine/Memoire.h"
#include "machine/PileRetour.h"
#include "machine/Symboles.h"
#include "machine/TableSymboles.h"
#include "support/Banc.h"

namespace korvane::test {
namespace {

using Textes = std::vector<std::string>;

TEST(TableSymboles, KeepsDistinctNamesInOrderUpToTwoHundred) {
  TableSymboles table;
  for (int i = 0; i < TableSymboles::kMax; ++i)
    ASSERT_TRUE(table.Ajoute({"V" + std::to_string(i), Genre::Entier, i}));
  EXPECT_EQ(table.Verifie("V7"), TableSymboles::Refus::Existe);
  EXPECT_FALSE(table.Ajoute({"V7", Genre::Reel, 0}));
  EXPECT_EQ(table.Verifie("W"), TableSymboles::Refus::Pleine);
  EXPECT_FALSE(table.Ajoute({"W", Genre::Reel, 0}));
  ASSERT_EQ(table.Symboles().size(), 200u);
  EXPECT_EQ(table.Symboles()[7].Nom, "V7");
  EXPECT_EQ(table.Cherche("V7")->Genre, Genre::Entier);
  EXPECT_EQ(table.Cherche("v7"), nullptr);  // names are stored upper-cased; the table compares bytes
}

TEST(Memoire, AllocatesRunsOfCellsWithinEachStore) {
  Memoire memoire;
  EXPECT_EQ(memoire.Alloue(Genre::Entier, 3), 1);
  EXPECT_EQ(memoire.Alloue(Genre::Entier, 1997), 4);
  EXPECT_EQ(memoire.Alloue(Genre::Entier, 1), std::nullopt);  // 2000 in use
  EXPECT_EQ(memoire.Alloue(Genre::Entier, 0), 2001);           // nothing more is needed
  EXPECT_EQ(memoire.Alloue(Genre::Reel, 2000), 1);
  EXPECT_EQ(memoire.Alloue(Genre::Chaine, 2), 1);  // entry 0 is the dummy
  EXPECT_EQ(memoire.Chaine(2), " ");
  EXPECT_EQ(memoire.Alloue(Genre::Chaine, 2'000'000'000), std::nullopt);
  EXPECT_EQ(memoire.Alloue(Genre::Etiquette, 5), 0);
}

TEST(Memoire, ValidCellsAreThoseOfTheStores) {
  Memoire memoire;
  ASSERT_EQ(memoire.Alloue(Genre::Chaine, 1), 1);
  for (const int64_t cellule : {int64_t{0}, int64_t{2001}, int64_t{-5}, int64_t{1} << 40}) {
    EXPECT_FALSE(memoire.CelluleValide(cellule, Genre::Entier)) << cellule;
    EXPECT_FALSE(memoire.CelluleValide(cellule, Genre::Reel)) << cellule;
  }
  EXPECT_TRUE(memoire.CelluleValide(1, Genre::Entier));
  EXPECT_TRUE(memoire.CelluleValide(2000, Genre::Reel));
  EXPECT_TRUE(memoire.CelluleValide(0, Genre::Chaine));
  EXPECT_TRUE(memoire.CelluleValide(1, Genre::Chaine));
  EXPECT_FALSE(memoire.CelluleValide(2, Genre::Chaine));
  EXPECT_FALSE(memoire.CelluleValide(-1, Genre::Chaine));
  EXPECT_TRUE(memoire.CelluleValide(-1, Genre::Sub));  // no store: nothing is read
}

TEST(PileRetour, HoldsOneHundredEntriesLastInFirstOut) {
  PileRetour pile;
  for (int32_t i = 1; i <= PileRetour::kMax; ++i) ASSERT_TRUE(pile.Empile(i));
  EXPECT_FALSE(pile.Empile(101));
  EXPECT_EQ(pile.Contenu().back(), 100);
  EXPECT_EQ(pile.Depile(), 100);
  EXPECT_EQ(pile.Hauteur(), 99);
  pile.Raz();
  EXPECT_EQ(pile.Depile(), std::nullopt);
}

TEST(Pile, FailuresAreReported) {
  Banc banc;
  for (int i = 1; i <= 100; ++i) EXPECT_TRUE(Empile(banc.It, i));
  EXPECT_TRUE(banc.Messages.Textes.empty());
  EXPECT_FALSE(Empile(banc.It, 101));
  EXPECT_EQ(banc.Messages.Textes, Textes{"Pile saturée"});
  EXPECT_EQ(Depile(banc.It), 100);
  banc.It.Pile.Raz();
  EXPECT_EQ(Depile(banc.It), std::nullopt);
  EXPECT_EQ(banc.DernierMessage(), "Pile vide");
  EXPECT_EQ(banc.It.Etat, kArret);
}

struct CasIndice {
  const char* texte;
  int32_t decalage;
  const char* message;  // empty: no error
};

TEST(Indice, LiteralsIntegerVariablesAndFailures) {
  const CasIndice cas[] = {
      {"3", 2, ""},          {"$10", 15, ""},           {"n", 4, ""},  // N holds 5
      {"-2147483648", 2147483647, ""},                                // wraps like the dialect
      {"X", 0, "Indice de type incorrect"},                           // a REAL
      {"Z", 0, "Erreur dans indice"},                                 // unknown and not a number
      {"1+1", 0, "Erreur dans indice"},
  };
  for (const CasIndice& c : cas) {
    Banc banc;
    banc.Declare({"DIM N AS INTEGER", "DIM X AS REAL"});
    banc.Entier("N") = 5;
    const auto decalage = Indice(banc.It, c.texte);
    if (*c.message) {
      EXPECT_EQ(decalage, std::nullopt) << c.texte;
      EXPECT_EQ(banc.It.Etat, kArret) << c.texte;
      EXPECT_EQ(banc.Messages.Textes, Textes{c.message}) << c.texte;
    } else {
      EXPECT_EQ(decalage, c.decalage) << c.texte;
      EXPECT_TRUE(banc.Messages.Textes.empty()) << c.texte;
    }
  }
}

TEST(Valeurs, WriteConvertsByKindAndRefusesBadText) {
  Banc banc;
  banc.Declare({"DIM I AS INTEGER", "DIM R AS REAL", "DIM S AS STRING", "DIM U AS LONG"});
  EXPECT_TRUE(EcritValeur(banc.It, "42", Genre::Entier, 1));
  EXPECT_TRUE(EcritValeur(banc.It, "2.5", Genre::Reel, 1));
  EXPECT_TRUE(EcritValeur(banc.It, "  texte ", Genre::Chaine, 1));
  EXPECT_TRUE(EcritValeur(banc.It, "9", Genre::Aucun, 1));  // an untyped symbol writes nothing
  EXPECT_EQ(banc.Entier("I"), 42);
  EXPECT_EQ(banc.Reel("R"), 2.5);
  EXPECT_EQ(banc.Chaine("S"), "  texte ");
  EXPECT_TRUE(banc.Messages.Textes.empty());

  EXPECT_FALSE(EcritValeur(banc.It, "4x2", Genre::Entier, 1));
  EXPECT_EQ(banc.Entier("I"), 42);
  EXPECT_FALSE(EcritValeur(banc.It, "1E39", Genre::Reel, 1));
  EXPECT_EQ(banc.Reel("R"), 2.5);
  EXPECT_EQ(banc.Messages.Textes, (Textes{"Erreur de conversion", "Erreur de conversion"}));
}

TEST(Valeurs, CellsOutsideTheStoresAreReported) {
  Banc banc;
  banc.Declare({"DIM S AS STRING"});
  for (const int64_t cellule : {int64_t{0}, int64_t{2001}, int64_t{-5}, int64_t{1} << 33}) {
    EXPECT_EQ(LitValeur(banc.It, cellule, Genre::Entier), std::nullopt) << cellule;
    EXPECT_FALSE(EcritValeur(banc.It, "1", Genre::Reel, static_cast<int32_t>(cellule))) << cellule;
  }
  EXPECT_FALSE(EcritValeur(banc.It, "x", Genre::Chaine, 2));  // past the end of the strings
  EXPECT_EQ(banc.Messages.Textes, Textes(9, "Erreur dans indice"));
}

TEST(ChercheEtiq, ASuccessfulLookupLeavesAnEarlierFailure) {
  Banc banc;
  banc.Declare({"DIM A AS INTEGER"});
  banc.It.Erreur("Pile vide");
  ASSERT_NE(ChercheEtiq(banc.It, "a"), nullptr);
  EXPECT_EQ(banc.It.Etat, kArret);
}

}  // namespace
}  // namespace korvane::test
