#pragma once
// The relational operators of conditions and their 16-character comparison of value texts.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

enum class Comparaison { Egal, Different, Inferieur, Superieur, InferieurOuEgal, SuperieurOuEgal };

struct Operateur {
  std::size_t Position = std::string::npos;
  std::size_t Longueur = 0;
  Comparaison Sorte = Comparaison::Egal;
};

// "<=", ">=", "<>" anywhere, then the first "<", ">" or "=" outside double quotes.
Operateur ChercheOperateur(const std::string& condition);

bool EstTestFinDeFichier(const std::string& condition);

// The operand texts on either side of the operator, trimmed.
void DecoupeCondition(const std::string& condition, const Operateur& op, std::string& gauche, std::string& droite);

// Both values right-aligned in 16 characters (of a longer value only its last 16 count),
// compared byte by byte.
bool Compare(Comparaison sorte, std::string_view gauche, std::string_view droite);

}  // namespace korvane
