#include "base/Calcul.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/Nombres.h"

namespace korvane {

namespace {
// 32-bit wrap-around: the conversion to a narrower signed type is modular.
int32_t Enroule(int64_t valeur) { return static_cast<int32_t>(valeur); }
}  // namespace

std::optional<int32_t> CalculeEntier(int32_t a, OperateurArith operateur, int32_t b) {
  using enum OperateurArith;
  const int64_t x = a;
  const int64_t y = b;
  const bool division = operateur == Quotient || operateur == Modulo || operateur == Division;
  if (division && b == 0) return std::nullopt;
  switch (operateur) {
    case Aucun: return a;
    case Plus: return Enroule(x + y);
    case Moins: return Enroule(x - y);
    case Fois: return Enroule(x * y);
    // In 64 bits INT32_MIN / -1 cannot trap; it wraps like the other operators.
    case Quotient: return Enroule(x / y);
    case Modulo: return Enroule(x % y);
    case Division: return Enroule(static_cast<int64_t>(std::nearbyint(static_cast<long double>(x) / y)));  // halves to even
    case Puissance: return 0;  // "**" has no result
  }
  return 0;
}

std::optional<double> CalculeReel(long double a, OperateurArith operateur, long double b) {
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

int Borne(int64_t valeur) {
  return static_cast<int>(std::clamp<int64_t>(valeur, std::numeric_limits<int32_t>::min(),
                                              std::numeric_limits<int32_t>::max()));
}

}  // namespace korvane
