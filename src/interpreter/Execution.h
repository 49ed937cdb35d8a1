#pragma once
// The run loop.

#include <string>

#include "machine/Machine.h"

namespace korvane {

// Runs from line `debut`; on a stop with Etat 1, `resultat` := 1 and `debut` := the line
// to resume from. `pas` is read after every line: 1 stops after that line. Without
// `compile` no line takes its compiled form (tests compare the two ways).
void Exec(Machine& m, const Programme& programme, int& debut, int& resultat, const int& pas, bool compile = true);

// One line through the dispatcher, outside a run.
void ExecLigne(Machine& m, const Programme& programme, std::string ligne, int& Ligne);

// The caption's file name: `nomFichier` without its directory.
void InitPrg(Machine& m, const std::string& nomFichier);

}  // namespace korvane
