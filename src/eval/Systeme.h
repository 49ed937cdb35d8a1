#pragma once
// MSGBOX and the file-system statements KILL, MKDIR, RMDIR, CHDIR.

#include <span>

#include "machine/Instruction.h"
#include "machine/Machine.h"

namespace korvane {

// MSGBOX, KILL, MKDIR, RMDIR, CHDIR, each with a string literal or a STRING variable.
std::span<const MotInstruction> InstructionsSysteme();

}  // namespace korvane
