#pragma once
// MSGBOX and the file-system statements KILL, MKDIR, RMDIR, CHDIR.

#include "machine/Instruction.h"
#include "machine/Machine.h"

namespace korvane {

void InstrMsgBox(Machine& m, Instruction& i);
void InstrKill(Machine& m, Instruction& i);
void InstrMkDir(Machine& m, Instruction& i);
void InstrRmDir(Machine& m, Instruction& i);
void InstrChDir(Machine& m, Instruction& i);

}  // namespace korvane
