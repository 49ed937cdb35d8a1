#pragma once
// The interpreter's peripherals for a terminal: stdout is the run window, stderr the
// message boxes, stdin the input box.

#include <atomic>
#include <csignal>
#include <fstream>
#include <iosfwd>
#include <string>

#include "machine/Peripheriques.h"

namespace korvane {

class EcranTerminal : public SurfaceEcran {
 public:
  EcranTerminal(std::ostream& sortie, bool estTerminal) : sortie_(sortie), estTerminal_(estTerminal) {}
  void Montre(const std::string&) override {}
  void DessineTexte(int x, int y, const std::string& texte) override;
  int LargeurTexte(const std::string& texte) override { return 8 * static_cast<int>(texte.size()); }
  void Trait(int, int, int, int) override {}
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void ChangeCouleurTexte(Couleur couleur) override;
  Geometrie Fenetre() override { return {0, 0, 640, 480}; }
  void FinDeLigne() override;
  void DessineSaisie(int x, int y, const std::string& texte) override;
  // The echo of INPUT is left to the terminal when the user types on it.
  void EntreeEstTerminal(bool oui) { entreeTerminal_ = oui; }

 private:
  std::ostream& sortie_;
  bool estTerminal_;
  bool entreeTerminal_ = false;
};

class SaisieTerminal : public BoiteSaisie {
 public:
  explicit SaisieTerminal(std::istream& entree) : entree_(entree) {}
  bool Saisit(int, int, int, std::string& texte) override;

 private:
  std::istream& entree_;
};

class MessagesTerminal : public BoitesMessage {
 public:
  MessagesTerminal(std::ostream& sortie, std::ostream& erreurs) : sortie_(sortie), erreurs_(erreurs) {}
  void Affiche(const std::string& texte) override;

 private:
  std::ostream& sortie_;
  std::ostream& erreurs_;
};

// LPRINT into a file (created by the first line of a run) or onto stdout.
class ImprimanteTerminal : public Imprimante {
 public:
  ImprimanteTerminal(std::ostream& sortie, std::string fichier) : sortie_(sortie), fichier_(std::move(fichier)) {}
  void DebutTravail() override;
  void Ecrit(const std::string& texte) override;
  void FinLigne() override;
  void FinTravail() override;

 private:
  std::ostream& Flux();
  std::ostream& sortie_;
  std::string fichier_;
  std::ofstream page_;
};

class HorlogeSysteme : public Horloge {
 public:
  std::string TexteHeure() override;
  std::string TexteDate() override;
  int64_t MillisecondesUtcDuJour() override;
};

// No keys reach a terminal run; Ctrl+C is the request to stop.
class ClavierTerminal : public Clavier {
 public:
  explicit ClavierTerminal(const volatile std::sig_atomic_t& interruption) : interruption_(interruption) {}
  std::string ToucheLue() override { return {}; }
  bool ArretDemande() override { return interruption_ != 0; }

 private:
  const volatile std::sig_atomic_t& interruption_;
};

}  // namespace korvane
