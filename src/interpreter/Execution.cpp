// The run loop and the statement dispatcher.
#include <chrono>
#include <limits>
#include <new>

#include "eval/Texte.h"
#include "interpreter/EchecExecution.h"
#include "interpreter/Interpreteur.h"

namespace korvane {

namespace {

constexpr char kPointArret = '\xBB';

// Everything a statement procedure may receive from the dispatcher.
struct Instruction {
  const Programme& Texte;
  const std::string& U;  // the line, upper-cased
  std::string Argument;  // what follows the first word (the procedure's own copy)
  int& Ligne;
};

using Procedure = void (*)(Interpreteur&, Instruction&);

struct Entree {
  std::string_view Mot;
  Procedure Executer;
};

void LineOuLineInput(Interpreteur& it, Instruction& i) {
  if (Copie(i.U, 6, 6) == "INPUT#") {
    std::string canal = Trim(Majuscules(Copie(i.Argument, 7, 255)));
    it.InstrLineInputCanal(canal);
  } else {
    it.InstrLine(i.Argument);
  }
}

// Whole first words, compared in this order.
constexpr Entree kTableDispatch[] = {
    {"CLS", [](Interpreteur& it, Instruction&) { it.InstrCls(); }},
    {"RANDOMIZE", [](Interpreteur& it, Instruction&) { it.Randomize(); }},
    {"PRINT", [](Interpreteur& it, Instruction& i) { it.InstrPrint(i.Argument); }},
    {"LPRINT", [](Interpreteur& it, Instruction& i) { it.InstrLPrint(i.Argument); }},
    {"PRINT#", [](Interpreteur& it, Instruction& i) { it.InstrPrintCanal(i.Argument); }},
    {"LINE", LineOuLineInput},
    {"INPUT", [](Interpreteur& it, Instruction& i) { it.InstrInput(i.Argument); }},
    {"OPEN", [](Interpreteur& it, Instruction& i) { it.InstrOpen(i.Argument); }},
    {"CLOSE#", [](Interpreteur& it, Instruction& i) { it.InstrCloseCanal(i.Argument); }},
    {"LOCATE", [](Interpreteur& it, Instruction& i) { it.InstrLocate(i.Argument); }},
    {"COLOR", [](Interpreteur& it, Instruction& i) { it.InstrColor(i.Argument); }},
    {"GOTO", [](Interpreteur& it, Instruction& i) { it.InstrGoto(i.Argument, i.Ligne); }},
    {"GOSUB", [](Interpreteur& it, Instruction& i) { it.InstrGosub(i.Argument, i.Ligne); }},
    {"RETURN", [](Interpreteur& it, Instruction& i) { it.InstrReturn(i.Ligne); }},
    {"CALL", [](Interpreteur& it, Instruction& i) { it.InstrCall(i.Argument, i.Ligne); }},
    {"EXIT", [](Interpreteur& it, Instruction& i) { it.InstrExit(i.Texte, i.Argument, i.Ligne); }},
    {"IF", [](Interpreteur& it, Instruction& i) { it.InstrIf(i.Texte, i.Argument, i.Ligne); }},
    {"ELSE", [](Interpreteur& it, Instruction& i) { it.InstrElse(i.Texte, i.Ligne); }},
    {"FOR", [](Interpreteur& it, Instruction& i) { it.InstrFor(i.Argument, i.Ligne); }},
    {"NEXT", [](Interpreteur& it, Instruction& i) { it.InstrNext(i.Ligne); }},
    {"WHILE", [](Interpreteur& it, Instruction& i) { it.InstrWhile(i.Texte, i.Argument, i.Ligne); }},
    {"WEND", [](Interpreteur& it, Instruction& i) { it.InstrWend(i.Ligne); }},
    {"DO", [](Interpreteur& it, Instruction& i) { it.Empile(i.Ligne); }},
    {"LOOP", [](Interpreteur& it, Instruction& i) { it.InstrLoop(i.Argument, i.Ligne); }},
    {"MSGBOX", [](Interpreteur& it, Instruction& i) { it.InstrMsgBox(i.Argument); }},
    {"KILL", [](Interpreteur& it, Instruction& i) { it.InstrKill(i.Argument); }},
    {"CHDIR", [](Interpreteur& it, Instruction& i) { it.InstrChDir(i.Argument); }},
    {"RMDIR", [](Interpreteur& it, Instruction& i) { it.InstrRmDir(i.Argument); }},
    {"MKDIR", [](Interpreteur& it, Instruction& i) { it.InstrMkDir(i.Argument); }},
};

bool EstLigneEtiquette(const std::string& u) {
  const std::size_t p = u.find(':');
  return p != std::string::npos && p + 1 == u.size();
}

bool EstAFaireRien(const std::string& u) {
  for (const char* prefixe : {"DIM", "REM", "NOP", "'", "ENDIF", "SUB"})
    if (u.starts_with(prefixe)) return true;
  return false;
}

}  // namespace

LigneAnalysee AnalyseLigne(std::string ligne) {
  using Sorte = LigneAnalysee::Sorte;
  LigneAnalysee a;
  RemplaceTab(ligne);
  a.T = Trim(ligne);
  a.U = Majuscules(a.T);
  if (a.T.empty() || EstLigneEtiquette(a.U) || EstAFaireRien(a.U)) return a;
  if (a.U.starts_with("END")) {
    const std::string reste = Trim(Copie(a.U, 4, 255));
    if (reste.empty()) {
      a.Genre = Sorte::Fin;
      return a;
    }
    if (reste == "SUB") {
      a.Genre = Sorte::FinSub;
      return a;
    }
    if (reste == "IF") return a;
  }

  const std::size_t blanc = a.U.find(' ');
  const std::string mot = Trim(blanc == std::string::npos ? a.U : a.U.substr(0, blanc));
  if (blanc != std::string::npos) a.Argument = Trim(Copie(a.T, blanc + 2, 255));
  a.Genre = Sorte::Affectation;
  for (std::size_t i = 0; i < std::size(kTableDispatch); ++i) {
    if (kTableDispatch[i].Mot == mot) {
      a.Genre = Sorte::Instruction;
      a.Entree = static_cast<int>(i);
      a.Mot = kTableDispatch[i].Mot;
      break;
    }
  }
  return a;
}

void Interpreteur::ExecuteAnalysee(const Programme& programme, const LigneAnalysee& analyse, int& Ligne) {
  using Sorte = LigneAnalysee::Sorte;
  switch (analyse.Genre) {
    case Sorte::Rien:
      return;
    case Sorte::Fin:
      Etat = kFin;
      return;
    case Sorte::FinSub: {
      int32_t retour = Ligne;
      Depile(retour);
      Ligne = retour;
      return;
    }
    case Sorte::Instruction: {
      Instruction instruction{programme, analyse.U, analyse.Argument, Ligne};
      kTableDispatch[analyse.Entree].Executer(*this, instruction);
      return;
    }
    case Sorte::Affectation: {
      std::string ligne = analyse.T;
      Affectation(ligne);
      return;
    }
  }
}

void Interpreteur::ExecLigne(const Programme& programme, std::string ligne, int& Ligne) {
  Etat = kContinue;
  ExecuteAnalysee(programme, AnalyseLigne(std::move(ligne)), Ligne);
}

const std::string& Interpreteur::LigneMajuscule(const Programme& programme, int index) {
  return Cache.Lit(programme, index).Analyse.U;
}

void Interpreteur::ExecuteEntree(const Programme& programme, CacheLignes::Entree& entree, int& Ligne) {
  Etat = kContinue;
  if (!entree.RapideEssaye) {
    entree.RapideEssaye = true;
    CompileFormeRapide(*this, entree.Analyse, entree.Rapide);
  }
  if (entree.Rapide.Executer) {
    entree.Rapide.Executer(*this, programme, entree.Rapide, Ligne);
  } else {
    ExecuteAnalysee(programme, entree.Analyse, Ligne);
  }
}

void Interpreteur::ArreteSur(int Ligne, int& debut, int& resultat) {
  Etat = kArret;
  resultat = kArret;
  debut = Ligne;
}

void Interpreteur::Exec(const Programme& programme, int& debut, int& resultat, const int& pas) {
  using Horloge = std::chrono::steady_clock;

  Etat = kContinue;
  DebutExec();
  CloseAll();
  Cache.Ouvre(programme);
  if (debut == 0) {
    int ligneErreur = 0;
    PreAnalyse(programme, ligneErreur);
    if (Etat > kContinue) {
      resultat = Etat;
      debut = ligneErreur;
      return;
    }
  }
  if (Etat > kContinue) {
    resultat = Etat;
    return;
  }

  const bool continuation = debut != 0;
  const int nbLignes = programme.NbLignes();  // no line is added or removed during a run
  int Ligne = debut;
  auto prochaineVeille = Horloge::now() + IntervalleVeille;
  unsigned compteur = 0;
  try {
    while (Ligne < nbLignes) {
      if (Ligne < 0) throw EchecExecution("Indice de ligne hors limites (" + std::to_string(Ligne) + ")");
      // The clock is read only every 32 lines: the poll must cost nothing.
      if (++compteur % 32 == 0 && Horloge::now() >= prochaineVeille) {
        prochaineVeille = Horloge::now() + IntervalleVeille;
        if (Monde.Touches.ArretDemande()) return ArreteSur(Ligne, debut, resultat);
      }
      CacheLignes::Entree& entree = Cache.Lit(programme, Ligne);
      // A run from the start stops before a breakpoint line; a continue runs it.
      if (!continuation && entree.Source.starts_with(kPointArret)) return ArreteSur(Ligne, debut, resultat);
      ExecuteEntree(programme, entree, Ligne);
      // A line taken from a stray stack entry may be the largest index: never step past it.
      if (Etat == kContinue && Ligne < std::numeric_limits<int>::max()) ++Ligne;
      if (pas == 1) Etat = kArret;
      if (Etat > kContinue) {
        if (Etat != kFin) {
          resultat = Etat;
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
