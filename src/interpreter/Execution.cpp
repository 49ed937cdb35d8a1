#include "interpreter/Execution.h"

#include <time.h>

#include <chrono>
#include <limits>
#include <new>
#include <variant>

#include "base/EchecExecution.h"
#include "eval/Fichiers.h"
#include "interpreter/CacheLignes.h"
#include "interpreter/Dispatcheur.h"
#include "interpreter/PreAnalyse.h"

namespace korvane {

namespace {

// The time for the stop-key poll. The coarse clock reads a counter the kernel keeps, a few
// times cheaper than the precise one; its few milliseconds of grain are nothing beside the poll's
// interval.
std::chrono::nanoseconds Maintenant() {
#ifdef CLOCK_MONOTONIC_COARSE
  timespec instant{};
  if (clock_gettime(CLOCK_MONOTONIC_COARSE, &instant) == 0)
    return std::chrono::seconds(instant.tv_sec) + std::chrono::nanoseconds(instant.tv_nsec);
#endif
  return std::chrono::steady_clock::now().time_since_epoch();
}

// Retitles and shows the run window, the text cursor at its top-left corner.
void DebutExec(Machine& m) {
  m.Monde.Ecran.Montre("Korvane - " + m.NomProgramme);
  m.Ecran.Place(0, 0);
}

// Runs a cached line: its compiled form, or its analysis.
void ExecuteEntree(Machine& m, CacheLignes& lignes, const CacheLignes::Entree& entree, int& Ligne) {
  m.Etat = kContinue;
  if (const auto* forme = std::get_if<FormeRapide>(&entree)) forme->Executer(m, lignes, *forme, Ligne);
  else ExecuteAnalysee(m, lignes, *std::get_if<LigneAnalysee>(&entree), Ligne);
}

// Tells why files failed to close. A continue stops on it, before its first line; a run
// from the start goes on, since the pre-scan begins afresh. False when the run stops.
bool SignaleFermeture(Machine& m, const Fermeture& fermeture, bool continuation) {
  for (const Message& echec : fermeture.Echecs) {
    if (continuation) m.Erreur(echec);
    else m.Monde.Messages.Affiche(echec.Cp1252());
  }
  return !continuation || static_cast<bool>(fermeture);
}

// A stop with state 1 that the caller resumes at `Ligne`, before running it.
void ArreteSur(Machine& m, int Ligne, int& debut, int& resultat) {
  m.Etat = kArret;
  resultat = kArret;
  debut = Ligne;
}

}  // namespace

void InitPrg(Machine& m, const std::string& nomFichier) {
  const std::size_t separateur = nomFichier.find_last_of("/\\");
  m.NomProgramme = separateur == std::string::npos ? nomFichier : nomFichier.substr(separateur + 1);
}

void ExecLigne(Machine& m, const Programme& programme, std::string ligne, int& Ligne) {
  m.Etat = kContinue;
  CacheLignes lignes(programme);
  ExecuteAnalysee(m, lignes, AnalyseLigne(std::move(ligne)), Ligne);
}

void Exec(Machine& m, const Programme& programme, int& debut, int& resultat, const int& pas, bool compile) {
  const bool continuation = debut != 0;
  m.Etat = kContinue;
  DebutExec(m);
  if (!SignaleFermeture(m, CloseAll(m), continuation)) {
    resultat = m.Etat;
    return;
  }
  CacheLignes lignes(programme, compile);
  if (!continuation) {
    if (const auto ligneErreur = PreAnalyse(m, programme)) {
      resultat = m.Etat;
      debut = *ligneErreur;
      return;
    }
  }

  const int nbLignes = programme.NbLignes();  // no line is added or removed during a run
  int Ligne = debut;
  auto prochaineVeille = Maintenant() + m.IntervalleVeille;
  unsigned compteur = 0;
  try {
    while (Ligne < nbLignes) {
      if (Ligne < 0) throw EchecExecution(Message("Indice de ligne hors limites (") + std::to_string(Ligne) + ")");
      // The clock is read only every 32 lines: the poll must cost nothing.
      if (++compteur % 32 == 0 && Maintenant() >= prochaineVeille) {
        prochaineVeille = Maintenant() + m.IntervalleVeille;
        if (m.Monde.Touches.ArretDemande()) return ArreteSur(m, Ligne, debut, resultat);
      }
      const CacheLignes::Entree& entree = lignes.Lit(Ligne, m);
      // A run from the start stops before a breakpoint line; a continue runs it.
      if (!continuation && lignes.PointArret(Ligne)) return ArreteSur(m, Ligne, debut, resultat);
      ExecuteEntree(m, lignes, entree, Ligne);
      // A line taken from a stray stack entry may be the largest index: never step past it.
      if (m.Etat == kContinue && Ligne < std::numeric_limits<int>::max()) ++Ligne;
      if (pas == 1) m.Etat = kArret;
      if (m.Etat > kContinue) {
        if (m.Etat != kFin) {
          resultat = m.Etat;
          debut = Ligne;
        }
        return;
      }
    }
  } catch (const std::bad_alloc&) {
    throw EchecExecution("Mémoire insuffisante");
  }
}

}  // namespace korvane
