#pragma once
// The symbol table: at most 200 records with distinct names, in declaration order.

#include <span>
#include <string_view>
#include <vector>

#include "machine/Symbole.h"

namespace korvane {

class TableSymboles {
 public:
  static constexpr int kMax = 200;

  enum class Refus { Aucun, Existe, Pleine };

  TableSymboles() { symboles_.reserve(kMax); }
  void Raz() { symboles_.clear(); }

  // The record named exactly `nom`, or null.
  [[nodiscard]] const Symbole* Cherche(std::string_view nom) const;
  // Why a record named `nom` could not be added.
  Refus Verifie(std::string_view nom) const;
  // Adds the record unless Verifie refuses its name; tells whether it did.
  [[nodiscard]] bool Ajoute(Symbole symbole);

  std::span<const Symbole> Symboles() const { return symboles_; }

 private:
  std::vector<Symbole> symboles_;
};

}  // namespace korvane
