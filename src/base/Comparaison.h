#pragma once
// The relational operators of conditions and their 16-character comparison of value texts.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

enum class Comparaison : uint8_t { Egal, Different, Inferieur, Superieur, InferieurOuEgal, SuperieurOuEgal };

// One comparison as written: "<=", ">=", "<>" found anywhere, then the first "<", ">" or
// "=" outside double quotes; the operand texts on either side, trimmed.
struct Condition {
  Comparaison Sorte = Comparaison::Egal;
  std::string Gauche;
  std::string Droite;
};
// Nothing when the text holds no operator.
[[nodiscard]] std::optional<Condition> CoupeCondition(const std::string& condition);

// NOT EOF(n), in any case.
[[nodiscard]] bool EstTestFinDeFichier(const std::string& condition);

// Both values right-aligned in 16 characters (of a longer value only its last 16 count),
// compared byte by byte.
[[nodiscard]] bool Compare(Comparaison sorte, std::string_view gauche, std::string_view droite);

}  // namespace korvane
