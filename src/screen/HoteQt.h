#pragma once
// The interpreter's host in the IDE: the run window, its input box, the system clock and
// the run window's keyboard, with the message boxes and the printer its owner gives.
//
//   HoteQt hote(messages, imprimante);
//   Interpreteur interpreteur(hote.Monde());
//   interpreteur.InitPrg(nomFichier);
//   interpreteur.Exec(lignesDeLEditeur, debut, resultat, pas);
//
// Everything runs on the GUI thread: the core's stop poll lets Qt process pending events,
// so the run window repaints during a run, and Ctrl+Pause or Échap in it (or Échap in the
// input box) stops the run.

#include "interpreter/Interpreteur.h"
#include "screen/ClavierQt.h"
#include "screen/TForm12.h"
#include "screen/TForm3.h"

namespace korvane {

class HoteQt {
 public:
  // The run window belongs to `parent` when one is given; the input box to the run window,
  // so that it always shows above it.
  HoteQt(BoitesMessage& messages, Imprimante& imprimante, QWidget* parent = nullptr);
  HoteQt(const HoteQt&) = delete;
  HoteQt& operator=(const HoteQt&) = delete;

  Peripheriques Monde();
  TForm3& Fenetre() { return fenetre_; }
  TForm12& Saisie() { return saisie_; }
  // The editor stops a run through it too.
  ClavierQt& Clavier() { return clavier_; }

 private:
  BoitesMessage& messages_;
  Imprimante& imprimante_;
  ClavierQt clavier_;  // before the windows that use it
  TForm3 fenetre_;
  TForm12 saisie_;
  HorlogeSysteme horloge_;
};

}  // namespace korvane
