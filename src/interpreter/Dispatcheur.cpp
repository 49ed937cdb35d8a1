#include "interpreter/Dispatcheur.h"

#include "base/Texte.h"
#include "eval/Affectation.h"
#include "eval/Fichiers.h"
#include "eval/Systeme.h"
#include "interpreter/Controle.h"
#include "machine/Machine.h"
#include "screen/InstructionsEcran.h"

namespace korvane {

namespace {

using Procedure = void (*)(Machine&, Instruction&);

struct Entree {
  std::string_view Mot;
  Procedure Executer;
};

void LineOuLineInput(Machine& m, Instruction& i) {
  if (Copie(i.U, 6, 6) != "INPUT#") return InstrLine(m, i);
  i.Argument = Trim(Majuscules(Copie(i.Argument, 7, 255)));
  InstrLineInputCanal(m, i);
}

void Randomize(Machine& m, Instruction&) {
  m.Hasard.Seme(static_cast<uint32_t>(m.Monde.Temps.MillisecondesUtcDuJour()));
}

// Whole first words, compared in this order.
constexpr Entree kTableDispatch[] = {
    {"CLS", InstrCls},         {"RANDOMIZE", Randomize},     {"PRINT", InstrPrint},   {"LPRINT", InstrLPrint},
    {"PRINT#", InstrPrintCanal}, {"LINE", LineOuLineInput},  {"INPUT", InstrInput},   {"OPEN", InstrOpen},
    {"CLOSE#", InstrCloseCanal}, {"LOCATE", InstrLocate},    {"COLOR", InstrColor},   {"GOTO", InstrGoto},
    {"GOSUB", InstrGosub},     {"RETURN", InstrReturn},      {"CALL", InstrCall},     {"EXIT", InstrExit},
    {"IF", InstrIf},           {"ELSE", InstrElse},          {"FOR", InstrFor},       {"NEXT", InstrNext},
    {"WHILE", InstrWhile},     {"WEND", InstrWend},          {"DO", InstrDo},         {"LOOP", InstrLoop},
    {"MSGBOX", InstrMsgBox},   {"KILL", InstrKill},          {"CHDIR", InstrChDir},   {"RMDIR", InstrRmDir},
    {"MKDIR", InstrMkDir},
};

bool EstAFaireRien(const std::string& u) {
  for (const char* prefixe : {"DIM", "REM", "NOP", "'", "ENDIF", "SUB"})
    if (u.starts_with(prefixe)) return true;
  return false;
}

}  // namespace

bool EstLigneEtiquette(const std::string& u) {
  const std::size_t p = u.find(':');
  return p != std::string::npos && p + 1 == u.size();
}

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

void ExecuteAnalysee(Machine& m, CacheLignes& lignes, const LigneAnalysee& analyse, int& Ligne) {
  using Sorte = LigneAnalysee::Sorte;
  switch (analyse.Genre) {
    case Sorte::Rien:
      return;
    case Sorte::Fin:
      m.Etat = kFin;
      return;
    case Sorte::FinSub:
      return Retour(m, Ligne);
    case Sorte::Instruction: {
      Instruction instruction{lignes, analyse.U, analyse.Argument, Ligne};
      kTableDispatch[analyse.Entree].Executer(m, instruction);
      return;
    }
    case Sorte::Affectation:
      return Affectation(m, analyse.T);
  }
}

}  // namespace korvane
