#pragma once
// File channels 1-3 (OPEN, CLOSE#, PRINT#, LINE INPUT#, EOF) and the printer (LPRINT).
// A failed write is not reported by the interpreter: it throws EchecExecution.

#include "machine/Instruction.h"
#include "machine/Machine.h"

namespace korvane {

// OPEN "I"|"O",n,name: opens channel n for reading or writing, closing what it held.
void InstrOpen(Machine& m, Instruction& i);
// CLOSE# n
void InstrCloseCanal(Machine& m, Instruction& i);
// PRINT# n,operand[;]: a line end unless ';' ends it.
void InstrPrintCanal(Machine& m, Instruction& i);
// LINE INPUT# n,NAME$: the argument is what follows "LINE INPUT#", upper-cased and trimmed.
void InstrLineInputCanal(Machine& m, Instruction& i);
// LPRINT [operand[;]]: the first one starts the printer job that CloseAll ends.
void InstrLPrint(Machine& m, Instruction& i);

// End of file of channel 1-3; throws when it is not open for reading.
bool FinDeFichier(Machine& m, int canal);

// Closes the channels and ends the printer job; false when one of them failed.
[[nodiscard]] bool CloseAll(Machine& m);

}  // namespace korvane
