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

void Randomize(Machine& m, Instruction&) {
  m.Hasard.Seme(static_cast<uint32_t>(m.Monde.Temps.MillisecondesUtcDuJour()));
}

constexpr MotInstruction kAutres[] = {{"RANDOMIZE", Randomize}};

// The statement whose word is `mot`, or null. Every word belongs to one group.
const MotInstruction* ChercheInstruction(std::string_view mot) {
  for (const auto groupe : {InstructionsEcran(), std::span<const MotInstruction>(kAutres), InstructionsFichiers(),
                            InstructionsControle(), InstructionsSysteme()})
    for (const MotInstruction& instruction : groupe)
      if (instruction.Mot == mot) return &instruction;
  return nullptr;
}

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

std::string TexteLigne(std::string ligne) {
  RemplaceTab(ligne);
  return Trim(ligne);
}

LigneAnalysee AnalyseLigne(std::string ligne) {
  using Sorte = LigneAnalysee::Sorte;
  LigneAnalysee a;
  std::string texte = TexteLigne(std::move(ligne));
  a.U = Majuscules(texte);
  if (texte.empty() || EstLigneEtiquette(a.U) || EstAFaireRien(a.U)) return a;
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
  const MotInstruction* instruction = ChercheInstruction(mot);
  if (!instruction) {
    a.Genre = Sorte::Affectation;
    a.T = std::move(texte);
    return a;
  }
  a.Genre = Sorte::Instruction;
  a.Executer = instruction->Executer;
  a.Mot = instruction->Mot;
  if (blanc != std::string::npos) a.Argument = Trim(Copie(texte, blanc + 2, 255));
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
      analyse.Executer(m, instruction);
      return;
    }
    case Sorte::Affectation:
      return Affectation(m, analyse.T);
  }
}

}  // namespace korvane
