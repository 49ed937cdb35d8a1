#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "base/EchecExecution.h"
#include "base/Texte.h"
#include "screen/Impression.h"
#include "screen/ImprimanteQt.h"
#include "screen/MiseEnPage.h"

namespace korvane {
namespace {

class MessagesNotes : public BoitesMessage {
 public:
  void Affiche(const std::string& texte) override { Textes.push_back(Cp1252VersUtf8(texte)); }
  std::vector<std::string> Textes;
};

const std::string kAucuneImprimante = "Aucune imprimante : l'impression est enregistrée dans ";

// Page objects of the PDF; the page tree's own object is "/Type /Pages".
int NbPages(const QString& chemin) {
  QFile pdf(chemin);
  if (!pdf.open(QIODevice::ReadOnly)) return -1;
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
  return static_cast<int>(QString::fromLatin1(pdf.readAll()).count(page));
}

class ImpressionPdf : public ::testing::Test {
 protected:
  QTemporaryDir Dossier;
  SortieImpression Sortie{.ChercheImprimante = false, .DossierPdf = Dossier.path()};
  MessagesNotes Messages;

  QStringList Pdfs() const {
    return QDir(Dossier.path()).entryList({QStringLiteral("Korvane-impression-*.pdf")}, QDir::Files, QDir::Name);
  }
};

TEST(MiseEnPage, LinesFollowDownThePageUntilOneNoLongerFits) {
  struct Cas {
    int HauteurPage, HauteurLigne, LignesParPage;
  };
  for (const auto& [page, ligne, attendues] : {Cas{1000, 10, 100}, Cas{1009, 10, 100}, Cas{25, 10, 2}, Cas{5, 10, 1}}) {
    MiseEnPage m(page, ligne);
    EXPECT_EQ(m.LignesParPage(), attendues) << page << " / " << ligne;
    for (int n = 0; n < attendues; ++n) {
      const MiseEnPage::Place place = m.LigneSuivante();
      EXPECT_FALSE(place.NouvellePage);
      EXPECT_EQ(place.Haut, n * ligne);
    }
    const MiseEnPage::Place suivante = m.LigneSuivante();
    EXPECT_TRUE(suivante.NouvellePage);
    EXPECT_EQ(suivante.Haut, 0);
  }
}

TEST_F(ImpressionPdf, AListingWithoutPrinterIsAPdfWhosePathIsToldOnce) {
  QStringList lignes;
  for (int n = 1; n <= 200; ++n) lignes << QStringLiteral("%1 PRINT \"ligne été\"").arg(n);
  ImprimeLignes(lignes, Sortie, Messages);

  ASSERT_EQ(Pdfs().size(), 1);
  const QString chemin = QDir(Dossier.path()).filePath(Pdfs().front());
  EXPECT_EQ(Messages.Textes, std::vector<std::string>{kAucuneImprimante + chemin.toStdString()});
  // An A4 page with 15 mm margins holds about 65 lines of 10 pt.
  EXPECT_EQ(NbPages(chemin), 4);
}

TEST_F(ImpressionPdf, EachLPrintJobIsANewFileAndIsToldOnce) {
  ImprimanteQt imprimante(Messages, Sortie);
  for (int travail = 0; travail < 2; ++travail) {
    imprimante.DebutTravail();
    imprimante.Ecrit("a");
    imprimante.Ecrit("\xE9t\xE9");
    imprimante.FinLigne();
    imprimante.Ecrit("sans fin de ligne");
    imprimante.FinTravail();
  }

  const QStringList pdfs = Pdfs();
  ASSERT_EQ(pdfs.size(), 2);
  ASSERT_EQ(Messages.Textes.size(), 2u);
  for (int n = 0; n < 2; ++n) {
    const QString chemin = QDir(Dossier.path()).filePath(pdfs[n]);
    EXPECT_EQ(NbPages(chemin), 1) << pdfs[n].toStdString();
    EXPECT_NE(std::find(Messages.Textes.begin(), Messages.Textes.end(), kAucuneImprimante + chemin.toStdString()),
              Messages.Textes.end());
  }
}

TEST_F(ImpressionPdf, AFolderThatCannotHoldTheFileStopsTheRunWithAFrenchMessage) {
  // A file where the folder should be: refused even to root.
  QFile obstacle(Dossier.filePath(QStringLiteral("fichier")));
  ASSERT_TRUE(obstacle.open(QIODevice::WriteOnly));
  obstacle.close();
  ImprimanteQt imprimante(Messages, {.ChercheImprimante = false, .DossierPdf = obstacle.fileName() + "/dossier"});

  try {
    imprimante.DebutTravail();
    FAIL() << "pas d'échec";
  } catch (const EchecExecution& e) {
    EXPECT_TRUE(std::string(e.what()).starts_with("Impossible d'enregistrer l'impression dans " +
                                                   obstacle.fileName().toStdString() + "/dossier/"))
        << e.what();
  }
  EXPECT_TRUE(Messages.Textes.empty());
}

}  // namespace
}  // namespace korvane
