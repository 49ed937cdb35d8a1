#include <gtest/gtest.h>

#include <QTest>

#include "ide/TListeSel.h"
#include "support/NomDeCas.h"

namespace korvane::test {
namespace {

QStringList Elements(const QListWidget& liste) {
  QStringList elements;
  for (int i = 0; i < liste.count(); ++i) elements << liste.item(i)->text();
  return elements;
}

const QStringList kProgramme{"' voir sub Calcul", "CALL AFFICHE", "END",         "\t\tsub Calcul",
                             "  X = 1",           "END SUB",      "SUB AFFICHE", "' SUB en commentaire",
                             "Subtil = 2",        " \t SuB",      "SU",          "END SUB"};

TEST(ListeSubs, ListsTheSubHeadersWithoutIndentationInTextOrder) {
  TListeSel dialogue;
  dialogue.Remplit(kProgramme);
  EXPECT_EQ(Elements(*dialogue.ListBox1()), QStringList({"sub Calcul", "SUB AFFICHE", "Subtil = 2", "SuB"}));
  EXPECT_TRUE(dialogue.ListBox1()->selectedItems().isEmpty());
  EXPECT_EQ(dialogue.windowTitle(), "Liste des Subs");
}

TEST(ListeSubs, ARefillDropsTheOldItemsAndTheSelection) {
  TListeSel dialogue;
  dialogue.Remplit(kProgramme);
  dialogue.ListBox1()->setCurrentRow(1);
  dialogue.Remplit({"SUB SEUL"});
  EXPECT_EQ(Elements(*dialogue.ListBox1()), QStringList({"SUB SEUL"}));
  EXPECT_EQ(dialogue.Result(), "");
}

enum class Fin { Entree, DoubleClic, Echap };

struct Cas {
  const char* Nom;
  int Rang;  // the item selected before closing; -1 for none
  Fin Fermeture;
  std::optional<int> Ligne;  // where the caret goes
};

class Choix : public ::testing::TestWithParam<Cas> {};

TEST_P(Choix, TheCaretGoesToTheFirstLineHoldingTheKeptItem) {
  const Cas& cas = GetParam();
  TListeSel dialogue;
  dialogue.Remplit(kProgramme);
  dialogue.show();
  QListWidget* liste = dialogue.ListBox1();
  if (cas.Rang >= 0) liste->setCurrentRow(cas.Rang);
  switch (cas.Fermeture) {
    case Fin::Entree:
      QTest::keyClick(liste, Qt::Key_Return);
      break;
    case Fin::Echap:
      QTest::keyClick(liste, Qt::Key_Escape);
      break;
    case Fin::DoubleClic: {
      const QPoint centre = liste->visualItemRect(liste->item(cas.Rang)).center();
      QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
      QTest::mouseDClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
      break;
    }
  }
  EXPECT_FALSE(dialogue.isVisible());
  EXPECT_EQ(LigneContenant(kProgramme, dialogue.Result()), cas.Ligne);
}

INSTANTIATE_TEST_SUITE_P(Cas, Choix,
                         ::testing::Values(Cas{"Enter keeps the selection", 1, Fin::Entree, 6},
                                           Cas{"double click keeps it", 2, Fin::DoubleClic, 8},
                                           Cas{"Escape drops it", 1, Fin::Echap, std::nullopt},
                                           Cas{"Enter without selection", -1, Fin::Entree, std::nullopt},
                                           Cas{"an earlier line holding the item wins", 0, Fin::Entree, 0}),
                         [](const auto& info) { return NomDeCas(info.index, info.param.Nom); });

}  // namespace
}  // namespace korvane::test
