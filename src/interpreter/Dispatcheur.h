#pragma once
// The statement dispatcher: a line's first word chooses its statement procedure; a line
// it does not recognise is an assignment.

#include <cstdint>
#include <string>
#include <string_view>

#include "machine/Instruction.h"

namespace korvane {

// The dispatcher's reading of one line (tabs replaced, trimmed, first word split off).
struct LigneAnalysee {
  enum class Sorte : uint8_t { Rien, Fin, FinSub, Instruction, Affectation };
  Sorte Genre = Sorte::Rien;
  Procedure Executer = nullptr;  // the statement's procedure
  std::string_view Mot;          // its keyword
  std::string U;         // the trimmed line, upper-cased
  // Only what the line runs from is kept: the cache holds the analyses of a whole run.
  std::string T;         // an assignment: the trimmed line as written
  std::string Argument;  // a statement: what follows the first word, at most 255 characters, trimmed
};

LigneAnalysee AnalyseLigne(std::string ligne);

// The line as the dispatcher reads it: tabs replaced, trimmed.
std::string TexteLigne(std::string ligne);

// NAME: alone on its line (upper-cased, trimmed), the first ':' ending it.
[[nodiscard]] bool EstLigneEtiquette(const std::string& u);

// Runs the line: END sets Etat to 999; a failure sets it to 1.
void ExecuteAnalysee(Machine& m, CacheLignes& lignes, const LigneAnalysee& analyse, int& Ligne);

}  // namespace korvane
