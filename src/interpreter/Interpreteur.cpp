#include "interpreter/Interpreteur.h"

#include "eval/Texte.h"
#include "interpreter/EchecExecution.h"

namespace korvane {

Interpreteur::Interpreteur(Peripheriques peripheriques) : Monde(peripheriques) { RazTables(); }

Interpreteur::~Interpreteur() {
  try {
    CloseAll();
  } catch (...) {
    // A printer that fails while the interpreter is destroyed has nobody left to tell.
  }
}

void Interpreteur::Erreur(const char* litteral) { Erreur(Cp(litteral)); }

void Interpreteur::Erreur(const std::string& message) {
  Etat = kArret;
  Monde.Messages.Affiche(message);
}

void Interpreteur::InitPrg(const std::string& nomFichier) {
  const std::size_t separateur = nomFichier.find_last_of("/\\");
  NomProgramme = separateur == std::string::npos ? nomFichier : nomFichier.substr(separateur + 1);
}

void Interpreteur::DebutExec() {
  Monde.Ecran.Montre("Korvane - " + NomProgramme);
  CurseurX = 0;
  CurseurY = 0;
}

void Interpreteur::CloseAll() {
  for (int c = 1; c <= 3; ++c)
    if (!Canaux[c].Ferme()) Etat = kArret;
  if (ImprimanteOuverte) {
    ImprimanteOuverte = false;
    try {
      Monde.Printer.FinTravail();
    } catch (const EchecExecution&) {
      Etat = kArret;
    }
  }
}

void Interpreteur::Randomize() {
  Graine = static_cast<uint32_t>(Monde.Temps.MillisecondesUtcDuJour());
}

double Interpreteur::Aleatoire() {
  // A 32-bit linear congruential sequence: uniform in [0, 1).
  Graine = Graine * 1664525u + 1013904223u;
  return Graine / 4294967296.0;
}

}  // namespace korvane
