#pragma once
// The three value stores: 2000 INTEGER cells, 2000 REAL cells and a growable list of
// strings whose entry 0 is a dummy. Arrays are runs of consecutive cells.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "machine/Symbole.h"

namespace korvane {

class Memoire {
 public:
  static constexpr int kMaxCellules = 2000;

  Memoire() { Raz(); }
  // Frees every cell; values stay until their cell is allocated again.
  void Raz();
  // The first of `taille` new cells of the store of `genre` (0 for a kind without a store);
  // nothing when the store cannot hold them.
  [[nodiscard]] std::optional<int32_t> Alloue(korvane::Genre genre, int32_t taille);
  // Cells 1-2000 of the number stores, the existing entries of the string store; any
  // cell of a kind without a store.
  [[nodiscard]] bool CelluleValide(int64_t cellule, korvane::Genre genre) const;

  // A valid cell.
  int32_t& Entier(int32_t cellule) { return entiers_[static_cast<std::size_t>(cellule)]; }
  double& Reel(int32_t cellule) { return reels_[static_cast<std::size_t>(cellule)]; }
  std::string& Chaine(int32_t cellule) { return chaines_[static_cast<std::size_t>(cellule)]; }
  int32_t Entier(int32_t cellule) const { return entiers_[static_cast<std::size_t>(cellule)]; }
  double Reel(int32_t cellule) const { return reels_[static_cast<std::size_t>(cellule)]; }
  const std::string& Chaine(int32_t cellule) const { return chaines_[static_cast<std::size_t>(cellule)]; }

  friend bool operator==(const Memoire&, const Memoire&) = default;

 private:
  std::array<int32_t, kMaxCellules + 1> entiers_{};  // cells 1-2000
  std::array<double, kMaxCellules + 1> reels_{};     // cells 1-2000
  int nbEntiers_ = 0;
  int nbReels_ = 0;
  std::vector<std::string> chaines_;
};

}  // namespace korvane
