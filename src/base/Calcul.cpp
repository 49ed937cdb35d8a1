#include "base/Calcul.h"

#include <algorithm>
#include <cmath>
#include <limits>


namespace korvane {

int Borne(int64_t valeur) {
  return static_cast<int>(std::clamp<int64_t>(valeur, std::numeric_limits<int32_t>::min(),
                                              std::numeric_limits<int32_t>::max()));
}

}  // namespace korvane
