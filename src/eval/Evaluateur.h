#pragma once
// The typed evaluators: one operation at most, no precedence, the target's type decides.
// Each rewrites the expression text into its value's text.

#include <cstddef>
#include <string>

#include "base/Calcul.h"
#include "machine/Machine.h"

namespace korvane {

struct Operation {
  std::string Gauche;
  OperateurArith Operateur = OperateurArith::Aucun;
  std::string Droite;  // empty without an operator
};

// The first of - + * / \ outside parentheses (any ")" reopens the scan), else "**", else
// MOD in any case; the whole text as the left operand when there is none.
Operation CoupeOperateur(const std::string& expression);

// Position of the last "+" outside double quotes, the split point of a STRING expression.
std::size_t DernierPlusHorsGuillemets(const std::string& texte);

// An arithmetic failure (division by zero, a REAL out of range) stops without a message.
[[nodiscard]] bool EvalEntier(Machine& m, std::string& texte);
[[nodiscard]] bool EvalReel(Machine& m, std::string& texte);
// Blank text gives the empty string.
[[nodiscard]] bool EvalChaine(Machine& m, std::string& texte);

}  // namespace korvane
