#include "machine/TableSymboles.h"

#include <algorithm>

namespace korvane {

const Symbole* TableSymboles::Cherche(std::string_view nom) const {
  const auto trouve = std::ranges::find(symboles_, nom, &Symbole::Nom);
  return trouve == symboles_.end() ? nullptr : &*trouve;
}

TableSymboles::Refus TableSymboles::Verifie(std::string_view nom) const {
  if (Cherche(nom)) return Refus::Existe;
  if (symboles_.size() >= kMax) return Refus::Pleine;
  return Refus::Aucun;
}

bool TableSymboles::Ajoute(Symbole symbole) {
  if (Verifie(symbole.Nom) != Refus::Aucun) return false;
  symboles_.push_back(std::move(symbole));
  return true;
}

}  // namespace korvane
