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
  const std::string& U;         // the line, upper-cased
  std::string& T;               // the line as written
  std::string& Argument;        // what follows the first word, at most 255 characters
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

}  // namespace

void Interpreteur::ExecLigne(const Programme& programme, std::string ligne, int& Ligne) {
  Etat = kContinue;
  RemplaceTab(ligne);
  std::string t = Trim(ligne);
  if (t.empty()) return;
  const std::string u = Majuscules(t);
  if (EstLigneEtiquette(u)) return;

  // Lines that do nothing, by prefix.
  for (const char* prefixe : {"DIM", "REM", "NOP", "'", "ENDIF", "SUB"})
    if (u.starts_with(prefixe)) return;
  if (u.starts_with("END")) {
    const std::string reste = Trim(Copie(u, 4, 255));
    if (reste.empty()) {
      Etat = kFin;
      return;
    }
    if (reste == "SUB") {
      int32_t retour = Ligne;
      Depile(retour);
      Ligne = retour;
      return;
    }
    if (reste == "IF") return;
  }

  const std::size_t blanc = u.find(' ');
  std::string mot = blanc == std::string::npos ? u : u.substr(0, blanc);
  std::string argument = blanc == std::string::npos ? std::string() : Trim(Copie(t, blanc + 2, 255));
  mot = Trim(mot);

  Instruction instruction{programme, u, t, argument, Ligne};
  for (const Entree& entree : kTableDispatch) {
    if (entree.Mot == mot) {
      entree.Executer(*this, instruction);
      return;
    }
  }
  Affectation(t);
}

void Interpreteur::Exec(const Programme& programme, int& debut, int& resultat, const int& pas) {
  using Horloge = std::chrono::steady_clock;
  constexpr auto kIntervalleVeille = std::chrono::milliseconds(20);

  Etat = kContinue;
  DebutExec();
  CloseAll();
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
  int Ligne = debut;
  auto prochaineVeille = Horloge::now() + kIntervalleVeille;
  unsigned compteur = 0;
  try {
    while (Ligne < programme.NbLignes()) {
      if (Ligne < 0) throw EchecExecution("Indice de ligne hors limites (" + std::to_string(Ligne) + ")");
      // The clock is read only every few hundred lines: the poll must cost nothing.
      if (++compteur % 256 == 0 && Horloge::now() >= prochaineVeille) {
        prochaineVeille = Horloge::now() + kIntervalleVeille;
        if (Monde.Touches.ArretDemande()) {
          Etat = kArret;
          resultat = kArret;
          debut = Ligne;
          return;
        }
      }
      std::string copie = programme.Ligne(Ligne);
      if (!copie.empty() && copie[0] == kPointArret) {
        if (!continuation) {
          Etat = kArret;
          resultat = kArret;
          debut = Ligne;
          return;
        }
        copie.erase(0, 1);
      }
      ExecLigne(programme, std::move(copie), Ligne);
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
