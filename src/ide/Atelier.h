#pragma once
// The IDE's one application object: it owns the interpreter and its Qt host, the message
// boxes, the printer, the single dialogs, and the run-control state that every editor window
// shares (the line a continue resumes at, step mode, the parameters text).

#include <memory>

#include "ide/ControleExecution.h"
#include "ide/DialoguesEditeur.h"
#include "ide/TEditeur.h"
#include "ide/TListeSel.h"
#include "tools/ReglageHorloge.h"
#include "tools/TCalendrier.h"
#include "tools/THorloge.h"
#include "ide/TParametres.h"
#include "tools/TPocket.h"
#include "ide/TTableSymboles.h"
#include "ide/TVariable.h"
#include "interpreter/Interpreteur.h"
#include "screen/CopieEcran.h"
#include "screen/HoteQt.h"
#include "screen/ImprimanteQt.h"

namespace korvane {

class Atelier {
 public:
  // The boxes, dialogs and print destination come from outside so that tests answer them.
  // The single windows are created in a fixed order, as children of `principale` if given.
  Atelier(BoitesMessage& messages, DialoguesEditeur& dialogues, SortieImpression impression = {},
          QWidget* principale = nullptr);
  Atelier(const Atelier&) = delete;
  Atelier& operator=(const Atelier&) = delete;

  // A new editor window wired to the run commands; its owner shows it.
  std::unique_ptr<TEditeur> NouvelEditeur(QWidget* parent = nullptr);

  // The run commands and the dialogs of the debugging menus, on `editeur`.
  bool Executer(TEditeur& editeur);
  bool Continuer(TEditeur& editeur);
  bool Arret(TEditeur& editeur);
  void Pasapas(bool coche) { controle_.Pasapas(coche); }
  void ListeSubs(TEditeur& editeur);
  void Stats() { table_.Stats(interpreteur_); }
  void Examiner() { variable_.Examiner(); }
  void Param() { parametres_.Param(interpreteur_); }
  // The utilities, each shown modally.
  void Calendrier() { dialogues_.Montre(calendrier_); }
  void Calculatrice() { dialogues_.Montre(pocket_); }
  void Horloge() { dialogues_.Montre(horloge_); }

  ControleExecution& Controle() { return controle_; }
  HoteQt& Hote() { return hote_; }
  Interpreteur& Interprete() { return interpreteur_; }

 private:
  BoitesMessage& messages_;
  DialoguesEditeur& dialogues_;
  SortieImpression impression_;
  ImprimanteQt imprimante_;
  // The windows, in their order of creation.
  TListeSel listeSel_;
  TTableSymboles table_;
  TVariable variable_;  // reads interpreteur_, declared below, only once it is shown
  TMotsCle motsCle_;
  TBoucleFor boucleFor_;
  TBoucleWhile boucleWhile_;
  TConditionIf conditionIf_;
  TFileIO fileIO_;
  Programmeur programmeur_{motsCle_, boucleFor_, boucleWhile_, conditionIf_, fileIO_};
  HoteQt hote_;
  CopieEcran copieEcran_{hote_.Fenetre(), dialogues_, messages_};
  TParametres parametres_;
  ReglageSysteme reglage_;
  TCalendrier calendrier_;
  THorloge horloge_;
  TPocket pocket_;
  Interpreteur interpreteur_;
  ControleExecution controle_;
};

}  // namespace korvane
