#pragma once
// The routines through which statements read and write variables and the return stack.
// Each reports its own failure and gives nothing (or false) after it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "machine/Machine.h"

namespace korvane {

// A cell's value; only the member of its store's kind is meaningful.
struct Valeur {
  int32_t Entier = 0;
  double Reel = 0;
  std::string Chaine;
};

// The record named `nom` in any letter case, or null. Reports nothing.
[[nodiscard]] const Symbole* ChercheEtiq(const Machine& m, std::string_view nom);

// Cell `cellule` of the store of `genre` ("Erreur dans indice" when it does not exist).
// A kind without a store reads nothing and succeeds.
[[nodiscard]] std::optional<Valeur> LitValeur(Machine& m, int64_t cellule, Genre genre);

// Converts `texte` and stores it ("Erreur dans indice", "Erreur de conversion").
[[nodiscard]] bool EcritValeur(Machine& m, const std::string& texte, Genre genre, int32_t cellule);
// An INTEGER cell takes a 32-bit value only ("Erreur dans indice", "Erreur de conversion").
[[nodiscard]] bool EcritEntier(Machine& m, int64_t valeur, int32_t cellule);

// The offset of a subscript: an INTEGER variable or an integer literal, minus 1 (32-bit
// wrap-around).
[[nodiscard]] std::optional<int32_t> Indice(Machine& m, const std::string& texte);

bool PileSaturee(Machine& m);  // reports, gives false
bool PileVide(Machine& m);     // reports, gives false

// Loops push and pop on every turn: the way without failure is inline.
[[nodiscard]] inline bool Empile(Machine& m, int32_t valeur) { return m.Pile.Empile(valeur) || PileSaturee(m); }
[[nodiscard]] inline std::optional<int32_t> Depile(Machine& m) {
  const auto valeur = m.Pile.Depile();
  if (!valeur) PileVide(m);
  return valeur;
}

}  // namespace korvane
