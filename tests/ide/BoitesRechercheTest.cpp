#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <vector>

#include "ide/BoitesRecherche.h"
#include "ide/Controles.h"

namespace korvane::test {
namespace {

// Buttons from top to bottom, as the user sees them.
QStringList BoutonsDansLOrdre(QDialog& boite) {
  boite.show();
  auto boutons = boite.findChildren<QPushButton*>();
  std::ranges::sort(boutons, {}, [](const QPushButton* b) { return b->mapToGlobal(QPoint()).y(); });
  QStringList textes;
  for (const auto* bouton : boutons) textes << SansMnemonique(bouton->text()) + (bouton->isEnabled() ? "" : " (inactif)");
  return textes;
}

TEST(BoitesRecherche, TheFindDialogReadsInFrenchWithItsDefaults) {
  TBoiteChercher boite;
  EXPECT_EQ(boite.windowTitle(), "Rechercher");
  EXPECT_FALSE(boite.isModal());
  ASSERT_NE(Champ(boite, "Rechercher :"), nullptr);
  EXPECT_EQ(Champ(boite, "Remplacer par :"), nullptr);
  EXPECT_EQ(BoutonsDansLOrdre(boite), QStringList({"Suivant (inactif)", "Annuler"}));
  ASSERT_NE(boite.findChild<QGroupBox*>(), nullptr);
  EXPECT_EQ(boite.findChild<QGroupBox*>()->title(), "Direction");
  for (const auto& [texte, coche] : {std::pair{"Mot entier", false}, std::pair{"Respecter la casse", false},
                                     std::pair{"Haut", false}, std::pair{"Bas", true}}) {
    const QAbstractButton* option = Controle(boite, texte);
    ASSERT_NE(option, nullptr) << texte;
    EXPECT_TRUE(option->isCheckable()) << texte;
    EXPECT_EQ(option->isChecked(), coche) << texte;
  }
  EXPECT_EQ(boite.Options(), OptionsRecherche{});
}

TEST(BoitesRecherche, TheReplaceDialogAddsItsTextAndButtons) {
  TBoiteRemplacer boite;
  EXPECT_EQ(boite.windowTitle(), "Remplacer");
  EXPECT_FALSE(boite.isModal());
  ASSERT_NE(Champ(boite, "Rechercher :"), nullptr);
  ASSERT_NE(Champ(boite, "Remplacer par :"), nullptr);
  EXPECT_EQ(BoutonsDansLOrdre(boite),
            QStringList({"Suivant (inactif)", "Remplacer (inactif)", "Remplacer tout (inactif)", "Annuler"}));
  Champ(boite, "Rechercher :")->setText("X");
  EXPECT_EQ(BoutonsDansLOrdre(boite), QStringList({"Suivant", "Remplacer", "Remplacer tout", "Annuler"}));
}

struct Evenement {
  QString quoi, texte, remplacement;
  OptionsRecherche options;
  bool operator==(const Evenement&) const = default;
};

TEST(BoitesRecherche, EachButtonSendsItsEventWithTheTextAndOptions) {
  TBoiteRemplacer boite;
  std::vector<Evenement> evenements;
  QObject::connect(&boite, &TBoiteChercher::Find, [&](const QString& t, const OptionsRecherche& o) {
    evenements.push_back({"Find", t, {}, o});
  });
  QObject::connect(&boite, &TBoiteRemplacer::Replace,
                   [&](const QString& t, const QString& r, const OptionsRecherche& o, bool tout) {
                     evenements.push_back({tout ? "Replace tout" : "Replace", t, r, o});
                   });
  boite.show();
  Champ(boite, "Rechercher :")->setText("été");
  Champ(boite, "Remplacer par :")->setText("hiver");
  QTest::keyClick(Champ(boite, "Rechercher :"), Qt::Key_Return);
  Controle(boite, "Haut")->click();
  Controle(boite, "Mot entier")->click();
  Controle(boite, "Remplacer")->click();
  Controle(boite, "Respecter la casse")->click();
  Controle(boite, "Remplacer tout")->click();
  Controle(boite, "Suivant")->click();

  const OptionsRecherche mot{.Bas = false, .MotEntier = true};
  const OptionsRecherche casse{.Bas = false, .MotEntier = true, .RespecterCasse = true};
  EXPECT_EQ(evenements, (std::vector<Evenement>{{"Find", "été", "", {}},
                                                {"Replace", "été", "hiver", mot},
                                                {"Replace tout", "été", "hiver", casse},
                                                {"Find", "été", "", casse}}));
  EXPECT_TRUE(boite.isVisible());
}

TEST(BoitesRecherche, AnnulerHidesTheDialogAndKeepsItsSettings) {
  TBoiteChercher boite;
  boite.show();
  Champ(boite, "Rechercher :")->setText("DIM");
  Controle(boite, "Haut")->click();
  Controle(boite, "Annuler")->click();
  EXPECT_FALSE(boite.isVisible());
  EXPECT_EQ(boite.Texte(), "DIM");
  EXPECT_FALSE(boite.Options().Bas);
}

}  // namespace
}  // namespace korvane::test
