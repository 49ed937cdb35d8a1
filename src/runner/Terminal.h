#pragma once
// The interpreter's peripherals for a terminal: stdout is the run window, stderr the
// message boxes, stdin the input box.

#include <memory>
#include <string>
#include <string_view>

#include "base/Message.h"
#include "interpreter/Interpreteur.h"
#include "runner/Descripteurs.h"

namespace korvane {

// The text with its control characters written as \xHH (C1 controls as \u00HH), so that what
// a program holds cannot drive the terminal through a message.
std::string SansControles(std::string_view utf8);

class EcranTerminal : public SurfaceEcran {
 public:
  EcranTerminal(SortieTamponnee& sortie, bool estTerminal) : sortie_(sortie), estTerminal_(estTerminal) {}
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

  // Output that has waited long enough goes out.
  void Veille();
  // Everything goes out (a prompt before INPUT).
  void Vide();
  // End of the run: the terminal gets its own colour back.
  void Termine();
  // UTF-8 bytes onto stdout (LPRINT without a printer file writes there too).
  void Ecrit(std::string_view octets);

 private:
  SortieTamponnee& sortie_;
  bool estTerminal_;
  bool entreeTerminal_ = false;
  bool couleurChangee_ = false;
};

class SaisieTerminal : public BoiteSaisie {
 public:
  SaisieTerminal(EntreeLignes& entree, EcranTerminal& ecran) : entree_(entree), ecran_(ecran) {}
  bool Saisit(int, int, int, std::string& texte) override;

 private:
  EntreeLignes& entree_;
  EcranTerminal& ecran_;
};

class MessagesTerminal : public BoitesMessage {
 public:
  MessagesTerminal(SortieTamponnee& sortie, SortieTamponnee& erreurs) : sortie_(sortie), erreurs_(erreurs) {}
  void Affiche(const std::string& texte) override;

 private:
  SortieTamponnee& sortie_;
  SortieTamponnee& erreurs_;
};

// LPRINT into a file (created by the first LPRINT of a run, named from the folder where the
// run started) or onto stdout.
class ImprimanteTerminal : public Imprimante {
 public:
  ImprimanteTerminal(EcranTerminal& ecran, std::string fichier) : ecran_(ecran), fichier_(std::move(fichier)) {}
  ~ImprimanteTerminal() override;
  void DebutTravail() override;
  void Ecrit(const std::string& texte) override;
  void FinLigne() override;
  void FinTravail() override;

  void Veille();

 private:
  void Envoie(std::string_view octets);
  void Ferme();
  [[noreturn]] void Echoue(const Message& message);

  EcranTerminal& ecran_;
  std::string fichier_;
  int descripteur_ = -1;
  std::unique_ptr<SortieTamponnee> page_;
};

// No keys reach a terminal run; a stop signal is the request to stop. The poll also lets
// output that has waited go out while the program runs.
class ClavierTerminal : public Clavier {
 public:
  ClavierTerminal(EcranTerminal& ecran, ImprimanteTerminal& imprimante) : ecran_(ecran), imprimante_(imprimante) {}
  std::string ToucheLue() override { return {}; }
  bool ArretDemande() override;

 private:
  EcranTerminal& ecran_;
  ImprimanteTerminal& imprimante_;
};

}  // namespace korvane
