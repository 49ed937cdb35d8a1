#pragma once
// MSGBOX and the file-system statements KILL, MKDIR, RMDIR, CHDIR.

#include "machine/Instruction.h"
#include "machine/Machine.h"

namespace korvane {

// Each takes a string literal or a STRING variable.
void InstrMsgBox(Machine& m, Instruction& i);  // shows it in a message box
void InstrKill(Machine& m, Instruction& i);    // deletes that file
void InstrMkDir(Machine& m, Instruction& i);   // creates that directory
void InstrRmDir(Machine& m, Instruction& i);   // removes that empty directory
void InstrChDir(Machine& m, Instruction& i);   // makes it the current directory

}  // namespace korvane
