#pragma once
// The statements that draw on the run window or read through its input box.

#include <span>
#include <string>

#include "machine/Instruction.h"
#include "machine/Machine.h"

namespace korvane {

// CLS, PRINT, LINE (and LINE INPUT#), INPUT, LOCATE, COLOR.
std::span<const MotInstruction> InstructionsEcran();

// Whether an INPUT answer is accepted for a variable of kind `genre`.
[[nodiscard]] bool TexteValide(const std::string& texte, Genre genre);

}  // namespace korvane
