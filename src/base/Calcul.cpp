#include "base/Calcul.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/Nombres.h"

namespace korvane {

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
