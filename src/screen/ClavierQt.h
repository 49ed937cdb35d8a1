#pragma once
// The keyboard of a run in the IDE: the keys pressed in the run window for INKEY$, and the
// user's request to stop (Ctrl+Pause or Échap in the run window, Échap in the input box).

#include <deque>
#include <string>

#include "interpreter/Interpreteur.h"

class QKeyEvent;

namespace korvane {

class ClavierQt : public Clavier {
 public:
  std::string ToucheLue() override;
  // Lets Qt handle what is pending first, so that the run window repaints during a run and
  // keys reach it.
  bool ArretDemande() override;

  // Échap, Ctrl+Pause, or Break where the system gives that key its own code.
  static bool EstToucheArret(const QKeyEvent& touche);
  // A key pressed in the run window; false when it is neither a stop key nor a character.
  bool Frappe(const QKeyEvent& touche);
  void DemandeArret() { arret_ = true; }
  // Start of a run: no stop asked, no key waiting.
  void Reinitialise();

 private:
  std::deque<std::string> touches_;
  bool arret_ = false;
};

}  // namespace korvane
