#pragma once
// Recording fakes of the interpreter's peripherals and a bench that runs programs with them.

#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/EchecExecution.h"
#include "base/Texte.h"
#include "machine/Machine.h"

namespace korvane::test {

class FauxProgramme : public Programme {
 public:
  explicit FauxProgramme(std::vector<std::string> lignes = {}) : Lignes(std::move(lignes)) {}
  int NbLignes() const override { return static_cast<int>(Lignes.size()); }
  std::string Ligne(int index) const override { return Lignes.at(static_cast<std::size_t>(index)); }
  std::optional<uint64_t> Revision() const override { return Rev; }
  std::vector<std::string> Lignes;
  std::optional<uint64_t> Rev;  // none: every read of a line compares its text
};

// Every drawing call, as text: "texte 0,18 Bonjour", "trait 0,0-10,10", "rect 0,0-5,5",
// "couleur 255,0,0", "fin" (end of a PRINT line), "saisie 0,18 42" (INPUT echo).
class FauxEcran : public SurfaceEcran {
 public:
  void Montre(const std::string& titre) override {
    Titre = titre;
    ++Montrages;
  }
  void DessineTexte(int x, int y, const std::string& texte) override;
  int LargeurTexte(const std::string& texte) override { return 8 * static_cast<int>(texte.size()); }
  void Trait(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void ChangeCouleurTexte(Couleur couleur) override;
  Geometrie Fenetre() override { return Geo; }
  void FinDeLigne() override { Appels.push_back("fin"); }
  void DessineSaisie(int x, int y, const std::string& texte) override;

  std::vector<std::string> Appels;
  std::string Titre;
  int Montrages = 0;
  Geometrie Geo{100, 50, 640, 480};
};

class FausseSaisie : public BoiteSaisie {
 public:
  bool Saisit(int gauche, int haut, int largeur, std::string& texte) override;
  std::deque<std::string> Reponses;  // an exhausted queue cancels
  struct Boite {
    int Gauche, Haut, Largeur;
  };
  std::vector<Boite> Ouvertures;
};

// Keeps the texts in UTF-8, as the tests write them.
class FauxMessages : public BoitesMessage {
 public:
  void Affiche(const std::string& texte) override { Textes.push_back(Cp1252VersUtf8(texte)); }
  std::vector<std::string> Textes;
};

// Journal: "debut", "ecrit TEXT", "ligne", "fin".
class FausseImprimante : public Imprimante {
 public:
  // What a failed end of a job says.
  static constexpr char kFinRefusee[] = "Fin du travail d'impression impossible";

  void DebutTravail() override { Journal.push_back("debut"); }
  void Ecrit(const std::string& texte) override;
  void FinLigne() override { Journal.push_back("ligne"); }
  void FinTravail() override;
  std::vector<std::string> Journal;
  bool Refuse = false;     // every write fails
  bool RefuseFin = false;  // every end of a job fails
};

class FausseHorloge : public Horloge {
 public:
  std::string TexteHeure() override { return Heure; }
  std::string TexteDate() override { return Date; }
  int64_t MillisecondesUtcDuJour() override { return Millisecondes; }
  std::string Heure = "12:34:56";
  std::string Date = "08/12/2026";
  int64_t Millisecondes = 45296789;
};

class FauxClavier : public Clavier {
 public:
  std::string ToucheLue() override;
  // Says yes when Arret is set, or once it has been asked more than ArretApres times.
  bool ArretDemande() override {
    if (AuSondage) AuSondage();
    return Arret || (ArretApres >= 0 && ++Questions > ArretApres);
  }
  std::function<void()> AuSondage;  // what the host does while the run waits for its answer
  std::deque<std::string> Touches;
  bool Arret = false;
  int ArretApres = -1;
  int Questions = 0;
};

// Every fake, gathered as the peripherals an interpreter is built on.
struct FauxMonde {
  FauxEcran Ecran;
  FausseSaisie Saisie;
  FauxMessages Messages;
  FausseImprimante Printer;
  FausseHorloge Temps;
  FauxClavier Touches;
  Peripheriques Monde() { return {Ecran, Saisie, Messages, Printer, Temps, Touches}; }
};

// An interpreter's state wired to the fakes.
struct Banc : FauxMonde {
  Machine It{Monde()};
  FauxProgramme Texte;

  struct Resultat {
    int Etat;   // result state given back by Exec (0 when the run ended quietly)
    int Debut;  // start index after Exec
  };
  // Runs the lines from `debut` with the step flag `pas`.
  Resultat Lance(std::vector<std::string> lignes, int debut = 0, int pas = 0);
  // Runs the current text again from `debut` (a continue when it is not 0).
  Resultat Continue(int debut, int pas = 0);
  // Runs the pre-scan alone over the lines; returns the error line (-1 when none).
  int Declare(std::vector<std::string> lignes);
  // One line through the dispatcher at line index `index`; returns Etat.
  int Execute(const std::string& ligne, int index = 0);

  // The cell of the declared variable NAME, or of element `rang` (from 1) of the array "NAME(".
  int32_t& Entier(const std::string& nom, int32_t rang = 1);
  double& Reel(const std::string& nom, int32_t rang = 1);
  std::string& Chaine(const std::string& nom, int32_t rang = 1);
  // Writes the value text (UTF-8) through EcritValeur; its value text as PRINT shows it.
  void Pose(const std::string& nom, const std::string& valeur, int32_t rang = 1);
  std::string Valeur(const std::string& nom, int32_t rang = 1);

  // The return stack from the bottom up.
  std::vector<int32_t> Pile() const;
  // The text of the last message box, empty when none was shown.
  std::string DernierMessage() const { return Messages.Textes.empty() ? "" : Messages.Textes.back(); }

 private:
  int32_t Cellule(const std::string& nom, int32_t rang) const;
};

// A statement line and the one message it stops with.
struct CasMessage {
  std::string Ligne;
  std::string Message;  // UTF-8
};

// The line, run alone through the dispatcher, stops with exactly its message.
void VerifieMessage(Banc& banc, const CasMessage& cas);
void VerifieMessages(Banc& banc, std::span<const CasMessage> cas);

}  // namespace korvane::test
