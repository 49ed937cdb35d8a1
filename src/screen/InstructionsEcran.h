#pragma once
// The statements that draw on the run window or read through its input box.

#include <string>

#include "machine/Instruction.h"
#include "machine/Machine.h"

namespace korvane {

// CLS: a white rectangle with a black outline over the whole window.
void InstrCls(Machine& m, Instruction& i);
// PRINT [operand[;]]: draws at the text cursor, then a new line unless ';' ends it.
void InstrPrint(Machine& m, Instruction& i);
// LOCATE row,column (from 1): moves the text cursor.
void InstrLocate(Machine& m, Instruction& i);
// COLOR foreground,background (0-15): the text takes the foreground's colour.
void InstrColor(Machine& m, Instruction& i);
// LINE (x1,y1)-(x2,y2)[,B]: a line without its end point, or a box.
void InstrLine(Machine& m, Instruction& i);
// INPUT NAME: asks through the input box at the text cursor.
void InstrInput(Machine& m, Instruction& i);

// Whether an INPUT answer is accepted for a variable of kind `genre`.
bool TexteValide(const std::string& texte, Genre genre);

}  // namespace korvane
