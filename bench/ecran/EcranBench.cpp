// Times programs of 100,000 PRINTs run through the interpreter on the run window (offscreen,
// repainting at every stop poll) and through korvane-run with its output to /dev/null,
// process start included. Prints the median of five runs of each, and their ratio.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "interpreter/Interpreteur.h"
#include "screen/HoteQt.h"

namespace {

using namespace korvane;

class MessagesSurErreur : public BoitesMessage {
 public:
  void Affiche(const std::string& texte) override { std::fprintf(stderr, "%s\n", texte.c_str()); }
};

class SansImprimante : public Imprimante {
 public:
  void DebutTravail() override {}
  void Ecrit(const std::string&) override {}
  void FinLigne() override {}
  void FinTravail() override {}
};

class Lignes : public Programme {
 public:
  explicit Lignes(std::vector<std::string> lignes) : lignes_(std::move(lignes)) {}
  int NbLignes() const override { return static_cast<int>(lignes_.size()); }
  std::string Ligne(int index) const override { return lignes_[static_cast<std::size_t>(index)]; }
  std::optional<uint64_t> Revision() const override { return 0; }

 private:
  std::vector<std::string> lignes_;
};

struct Cas {
  const char* Nom;
  std::vector<std::string> Lignes;
};

constexpr int kTours = 5;

double Mediane(std::vector<double> valeurs) {
  std::sort(valeurs.begin(), valeurs.end());
  return valeurs[valeurs.size() / 2];
}

template <typename Action>
double MedianeMs(Action&& action) {
  std::vector<double> temps;
  for (int i = 0; i < kTours; ++i) {
    QElapsedTimer chrono;
    chrono.start();
    action();
    temps.push_back(static_cast<double>(chrono.nsecsElapsed()) / 1e6);
  }
  return Mediane(std::move(temps));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QTemporaryDir dossier;

  const std::vector<Cas> cas = {
      // Past the 25th line the texts fall below the window: measured, not drawn.
      {"boucle_print", {"DIM I AS INTEGER", "FOR I = 1 TO 100000", "PRINT I", "NEXT"}},
      // Every text drawn where it shows.
      {"print_visible", {"DIM I AS INTEGER", "FOR I = 1 TO 100000", "LOCATE 1,1", "PRINT I", "NEXT"}},
  };

  MessagesSurErreur messages;
  SansImprimante imprimante;
  HoteQt hote(messages, imprimante);
  Interpreteur interpreteur(hote.Monde());

  std::printf("%-14s %14s %14s %8s\n", "programme", "korvane-run", "Ecran (Qt)", "rapport");
  for (const Cas& c : cas) {
    const std::string fichier = dossier.filePath(QString::fromUtf8(c.Nom) + ".bas").toStdString();
    std::ofstream(fichier) << [&] {
      std::string texte;
      for (const std::string& ligne : c.Lignes) texte += ligne + "\r\n";
      return texte;
    }();
    const std::string commande = std::string(KORVANE_RUN_PATH) + " '" + fichier + "' > /dev/null";
    const double terminal = MedianeMs([&] {
      if (std::system(commande.c_str()) != 0) std::fprintf(stderr, "échec : %s\n", commande.c_str());
    });

    const Lignes programme(c.Lignes);
    const double fenetre = MedianeMs([&] {
      int debut = 0, resultat = 0;
      const int pas = 0;
      interpreteur.InitPrg(fichier);
      interpreteur.Exec(programme, debut, resultat, pas);
      QApplication::processEvents();  // the last repaint
    });
    std::printf("%-14s %11.1f ms %11.1f ms %7.2fx\n", c.Nom, terminal, fenetre, fenetre / terminal);
  }
  return 0;
}
