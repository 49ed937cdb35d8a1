#pragma once
// File channels 1-3 (OPEN, CLOSE#, PRINT#, LINE INPUT#, EOF) and the printer (LPRINT).
// A failed write is not reported by the interpreter: it throws EchecExecution.

#include <span>

#include "machine/Fermeture.h"
#include "machine/Instruction.h"
#include "machine/Machine.h"

namespace korvane {

// OPEN "I"|"O",n,name; CLOSE# n; PRINT# n,operand[;]; LPRINT [operand[;]].
std::span<const MotInstruction> InstructionsFichiers();

// LINE INPUT# n,NAME$, which the LINE statement hands on: the argument is what follows
// "LINE INPUT#", upper-cased and trimmed.
void InstrLineInputCanal(Machine& m, Instruction& i);

// Writes `texte` as it is on channel 1-3 and flushes it; a channel that is not open for
// writing or a failed write throws, as PRINT# does.
void EcritCanal(Machine& m, int numero, const std::string& texte);

// End of file of channel 1-3; throws when it is not open for reading or its read fails.
[[nodiscard]] bool FinDeFichier(Machine& m, int canal);

// Closes the channels and ends the printer job, each of them whatever the others did.
Fermeture CloseAll(Machine& m);

}  // namespace korvane
