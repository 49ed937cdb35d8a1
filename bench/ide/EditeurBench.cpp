// Times, on a 20,000-line program in a shown editor window: opening the file (the window
// painted once), Raz with the run's one step marker and with a marker on every line, saving,
// "Remplacer tout" with 8,000 matches and "Suivant" from the top to the last line. Medians of
// a few runs.
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ide/TEditeur.h"

namespace {

using namespace korvane;

class SansDialogue : public DialoguesEditeur {
 public:
  QString NomEnregistrement(QWidget*, const QString&, const QString&) override { return {}; }
  QString NomOuverture(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  std::optional<ChoixImpression> DialogueImpression(QWidget*) override { return std::nullopt; }
  void Montre(QDialog&) override {}
  void ConfigurationImpression(QWidget*, QString&) override {}
  Reponse Confirmation(QWidget*, const QString&) override { return Reponse::Non; }
  bool Remplacement(QWidget*, const QString&) override { return false; }
};

class SansMessage : public BoitesMessage {
 public:
  void Affiche(const std::string&) override {}
};

double Millisecondes(const QElapsedTimer& chrono) { return static_cast<double>(chrono.nsecsElapsed()) / 1e6; }

double Mediane(std::vector<double> valeurs) {
  std::sort(valeurs.begin(), valeurs.end());
  return valeurs[valeurs.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("long.bas"));
  QStringList lignes;
  for (int i = 0; i < 20000; ++i)
    lignes << QStringLiteral("ETIQ%1: PRINT \"Valeur été \"; A$ ' commentaire %1").arg(i);
  QString raison;
  if (!EnregistreSource(chemin, lignes, {Encodage::Windows1252, false}, raison)) {
    std::fprintf(stderr, "%s\n", qPrintable(raison));
    return 1;
  }

  QString marquees;
  for (const QString& ligne : lignes) marquees += kMarquePas + ligne + QLatin1Char('\n');
  // Two lines in five hold B$, the text replaced.
  QString remplacables;
  for (int i = 0; i < lignes.size(); ++i)
    remplacables += (i % 5 < 2 ? QString(lignes[i]).replace(QStringLiteral("A$"), QStringLiteral("B$")) : lignes[i]) +
                    QLatin1Char('\n');

  SansDialogue dialogues;
  SansMessage messages;
  std::vector<double> ouvertures, razUne, razToutes, enregistrements, remplacements, suivants;
  for (int essai = 0; essai < 5; ++essai) {
    TEditeur editeur({dialogues, messages, {}});
    editeur.resize(900, 700);
    editeur.show();
    QApplication::processEvents();

    QElapsedTimer chrono;
    chrono.start();
    editeur.OpenFile(chemin);
    editeur.repaint();
    ouvertures.push_back(Millisecondes(chrono));

    editeur.RemplaceLigne(10000, kMarquePas + lignes[10000]);
    chrono.start();
    editeur.Raz();
    editeur.repaint();
    razUne.push_back(Millisecondes(chrono));

    editeur.Memo1()->setPlainText(marquees);
    chrono.start();
    editeur.Raz();
    editeur.repaint();
    razToutes.push_back(Millisecondes(chrono));

    editeur.RemplaceLigne(0, QStringLiteral("REM"));
    chrono.start();
    editeur.Enregistrer();
    enregistrements.push_back(Millisecondes(chrono));

    QPlainTextEdit& memo = *editeur.Memo1();
    memo.setPlainText(remplacables);
    chrono.start();
    editeur.Recherche().Replace(QStringLiteral("B$"), QStringLiteral("C$"), {}, true);
    editeur.repaint();
    remplacements.push_back(Millisecondes(chrono));

    memo.moveCursor(QTextCursor::Start);
    chrono.start();
    editeur.Recherche().Find(QStringLiteral("commentaire 19999"), {});
    editeur.repaint();
    suivants.push_back(Millisecondes(chrono));
  }
  std::printf("20 000 lignes : ouverture %.1f ms, Raz %.1f ms (une marque par ligne : %.1f ms), "
              "enregistrement %.1f ms, Remplacer tout (8 000) %.1f ms, Suivant %.1f ms\n",
              Mediane(ouvertures), Mediane(razUne), Mediane(razToutes), Mediane(enregistrements),
              Mediane(remplacements), Mediane(suivants));
  return 0;
}
