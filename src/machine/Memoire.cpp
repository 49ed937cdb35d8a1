#include "machine/Memoire.h"

#include <new>

namespace korvane {

namespace {
// Bounds the string store so that a huge DIM is refused instead of exhausting memory.
constexpr std::size_t kMaxChaines = 4'000'000;
}  // namespace

void Memoire::Raz() {
  nbEntiers_ = 0;
  nbReels_ = 0;
  chaines_ = std::vector<std::string>{" "};
}

std::optional<int32_t> Memoire::Alloue(korvane::Genre genre, int32_t taille) {
  if (genre == Genre::Entier || genre == Genre::Reel) {
    int& enUsage = genre == Genre::Entier ? nbEntiers_ : nbReels_;
    if (enUsage + static_cast<int64_t>(taille) > kMaxCellules) return std::nullopt;
    const int32_t adresse = enUsage + 1;
    // Only the first cell starts at 0; the others keep what an earlier run left there.
    if (adresse <= kMaxCellules) {
      if (genre == Genre::Entier) entiers_[adresse] = 0;
      else reels_[adresse] = 0;
    }
    enUsage += taille;
    return adresse;
  }
  if (genre == Genre::Chaine) {
    if (chaines_.size() + static_cast<std::size_t>(taille) > kMaxChaines) return std::nullopt;
    const auto adresse = static_cast<int32_t>(chaines_.size());
    try {
      chaines_.resize(chaines_.size() + static_cast<std::size_t>(taille), " ");
    } catch (const std::bad_alloc&) {
      return std::nullopt;
    }
    return adresse;
  }
  return 0;
}

bool Memoire::CelluleValide(int64_t cellule, korvane::Genre genre) const {
  switch (genre) {
    case Genre::Entier:
    case Genre::Reel:
      return cellule >= 1 && cellule <= kMaxCellules;
    case Genre::Chaine:
      return cellule >= 0 && static_cast<uint64_t>(cellule) < chaines_.size();
    case Genre::Aucun:
    case Genre::Etiquette:
    case Genre::Sub:
      return true;  // no store: nothing is read or written
  }
  return false;
}

}  // namespace korvane
