#pragma once
// The operand readers: one operand's text becomes its value's text. Each reports its
// failure and gives false after it.

#include <string>

#include "machine/Machine.h"

namespace korvane {

// A string literal, a number as written, a variable or an array element of any kind; a
// label or a SUB reads as its own text.
[[nodiscard]] bool LitOperande(Machine& m, std::string& texte);

// A string literal (no doubled quote reduced), or a STRING variable or array element.
[[nodiscard]] bool LitChaine(Machine& m, std::string& texte);

}  // namespace korvane
