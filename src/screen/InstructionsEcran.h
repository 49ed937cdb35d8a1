#pragma once
// The statements that draw on the run window or read through its input box.

#include <string>

#include "machine/Instruction.h"
#include "machine/Machine.h"

namespace korvane {

void InstrCls(Machine& m, Instruction& i);
void InstrPrint(Machine& m, Instruction& i);
void InstrLocate(Machine& m, Instruction& i);
void InstrColor(Machine& m, Instruction& i);
void InstrLine(Machine& m, Instruction& i);
void InstrInput(Machine& m, Instruction& i);

// Whether an INPUT answer is accepted for a variable of kind `genre`.
bool TexteValide(const std::string& texte, Genre genre);

}  // namespace korvane
