#pragma once
// The arithmetic of the typed evaluators.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "base/Nombres.h"

namespace korvane {

enum class OperateurArith : uint8_t { Aucun, Plus, Moins, Fois, Quotient, Modulo, Division, Puissance };

// Nothing when the operation fails (division by zero, a REAL result out of range). Loops
// add and subtract on every turn: the operations are inline.
[[nodiscard]] inline std::optional<int32_t> CalculeEntier(int32_t a, OperateurArith operateur, int32_t b) {
  using enum OperateurArith;
  // 32-bit wrap-around: the conversion to a narrower signed type is modular.
  const auto enroule = [](int64_t valeur) { return static_cast<int32_t>(valeur); };
  const int64_t x = a;
  const int64_t y = b;
  const bool division = operateur == Quotient || operateur == Modulo || operateur == Division;
  if (division && b == 0) return std::nullopt;
  switch (operateur) {
    case Aucun: return a;
    case Plus: return enroule(x + y);
    case Moins: return enroule(x - y);
    case Fois: return enroule(x * y);
    // In 64 bits INT32_MIN / -1 cannot trap; it wraps like the other operators.
    case Quotient: return enroule(x / y);
    case Modulo: return enroule(x % y);
    case Division: return enroule(static_cast<int64_t>(std::nearbyint(static_cast<long double>(x) / y)));  // halves to even
    case Puissance: return 0;  // "**" has no result
  }
  return 0;
}
[[nodiscard]] inline std::optional<double> CalculeReel(long double a, OperateurArith operateur, long double b) {
  using enum OperateurArith;
  const bool division = operateur == Division || operateur == Quotient || operateur == Modulo;
  if (division && b == 0) return std::nullopt;
  switch (operateur) {
    case Aucun: return ArrondiReel6(a);
    case Plus: return ArrondiReel6(a + b);
    case Moins: return ArrondiReel6(a - b);
    case Fois: return ArrondiReel6(a * b);
    case Division: return ArrondiReel6(a / b);
    case Quotient: return ArrondiReel6(std::trunc(a / b));
    case Modulo: return ArrondiReel6(std::fmod(a, b));  // sign of a
    case Puissance: return 0.0;  // "**" has no result
  }
  return 0.0;
}

// The longest string a program may build: SPACE$, STRING$ and "+" refuse more with
// "Trop de variables" rather than exhaust the memory of the whole environment.
inline constexpr std::size_t kLongueurMaxChaine = 16 * 1024 * 1024;

// A pixel position clamped to 32 bits.
int Borne(int64_t valeur);

}  // namespace korvane
