#include "machine/Canaux.h"

#include <algorithm>

namespace korvane {

void Canaux::DelieTout() {
  for (Canal& canal : canaux_) canal.Delie();
}

bool Canaux::Tient(const std::string& nom) const {
  const auto identite = IdentiteDe(nom);
  return identite && std::ranges::any_of(canaux_, [&](const Canal& canal) { return canal.Identite() == identite; });
}

}  // namespace korvane
